#pragma once
// Bit masks and tests on 32-bit words, the DB25 pin-to-register-bit table,
// and binary / hexadecimal text of a number. Bits count from 0, the least
// significant bit.
#include <cstdint>
#include <string>

#include "platform/variant.h"

namespace bits {

// Only bit N set; 0 for N outside 0..31 (bit 31 gives the negative word).
std::int32_t BitMask(std::int32_t N);
// Sets (Value true) or clears bit N of X in place.
void BitSet(std::int32_t& X, std::int32_t N, platform::VBool Value);
platform::VBool BitTest(std::int32_t& X, std::int32_t N);
// Register bit of a parallel-port pin: 10->6, 11->7 (status), 14->1, 16->2,
// 17->3 (control); every other pin 0.
std::int32_t Bit_Equiv(std::int32_t& Pin);
// Binary digits, most significant first; leaves dec at 0.
std::string decimal_binaire(std::int32_t& dec);
// Two upper-case hexadecimal digits of a value 0..255.
platform::Variant NumToHex(platform::Variant& bByte);

}  // namespace bits

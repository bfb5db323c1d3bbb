#pragma once
// Bit routines on 32-bit words, bits numbered 0..31 from the least
// significant; a bit number outside that range has an empty mask.
#include <cstdint>

namespace machine {

std::int32_t BitMask(int n);
// value |= BitMask(n) when state, value &= ~BitMask(n) otherwise.
void BitSet(std::int32_t& value, int n, bool state);
bool BitTest(std::int32_t value, int n);

}  // namespace machine

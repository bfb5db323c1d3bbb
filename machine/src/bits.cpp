#include "machine/bits.h"

namespace machine {

std::int32_t BitMask(int n) {
  if (n < 0 || n > 31) return 0;
  return static_cast<std::int32_t>(std::uint32_t{1} << n);
}

void BitSet(std::int32_t& value, int n, bool state) {
  if (state) {
    value |= BitMask(n);
  } else {
    value &= ~BitMask(n);
  }
}

bool BitTest(std::int32_t value, int n) { return (value & BitMask(n)) != 0; }

}  // namespace machine

#include "bits/bit_helpers.h"

#include <cmath>

#include "platform/numtext.h"

namespace bits {

std::int32_t BitMask(std::int32_t N) {
  if (N < 0 || N > 31) return 0;
  return static_cast<std::int32_t>(std::uint32_t{1} << N);
}

void BitSet(std::int32_t& X, std::int32_t N, platform::VBool Value) {
  if (Value) {
    X |= BitMask(N);
  } else {
    X &= ~BitMask(N);
  }
}

platform::VBool BitTest(std::int32_t& X, std::int32_t N) {
  return platform::VBool((X & BitMask(N)) != 0);
}

std::int32_t Bit_Equiv(std::int32_t& Pin) {
  switch (Pin) {
    case 10:
      return 6;
    case 11:
      return 7;
    case 14:
      return 1;
    case 16:
      return 2;
    case 17:
      return 3;
    default:
      return 0;
  }
}

std::string decimal_binaire(std::int32_t& dec) {
  std::string digits;
  do {
    digits.insert(digits.begin(), dec % 2 == 1 ? '1' : '0');
    dec /= 2;
  } while (dec != 0);
  return digits;
}

platform::Variant NumToHex(platform::Variant& bByte) {
  static constexpr const char* kLetters[] = {"A", "B", "C", "D", "E", "F"};
  const double value = bByte.toDouble();
  const double high = std::floor(value / 16);
  const double low = value - 16 * high;
  std::string highText = platform::NumberText(high);
  if (high >= 10 && high <= 15) highText = kLetters[static_cast<int>(high) - 10];
  // The low part is matched as text, as "10" to "15".
  std::string lowText = platform::NumberText(low);
  for (int n = 10; n <= 15; ++n) {
    if (lowText == std::to_string(n)) lowText = kLetters[n - 10];
  }
  const std::string both = highText + lowText;
  return both.size() <= 2 ? both : both.substr(both.size() - 2);
}

}  // namespace bits

#pragma once
// A double seen as the shortest decimal text that reads back as the same
// double, and rounding done on those decimal digits: 1.005 rounds like the
// text "1.005", not like the binary value just below it.
#include <string>

namespace platform::detail {

struct DecimalDigits {
  bool negative = false;
  std::string digits;  // significant digits, no leading or trailing zeros; empty for zero
  int pointPos = 0;    // value = 0.<digits> x 10^pointPos
};

// value must be finite.
DecimalDigits ShortestDecimal(double value);

enum class Tie { AwayFromZero, ToEven };

// The digits of |value| x 10^decimals rounded to an integer, without leading
// zeros ("" for zero). decimals may be 0.
std::string RoundedDigits(const DecimalDigits& value, int decimals, Tie tie);

}  // namespace platform::detail

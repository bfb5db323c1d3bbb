#include "decimal_digits.h"

#include <charconv>
#include <string_view>

namespace platform::detail {

DecimalDigits ShortestDecimal(double value) {
  char buffer[64];
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific);
  const std::string_view text(buffer, static_cast<std::size_t>(result.ptr - buffer));
  DecimalDigits d;
  std::size_t i = 0;
  if (text[i] == '-') {
    d.negative = true;
    ++i;
  }
  const std::size_t e = text.find('e');
  for (; i < e; ++i) {
    if (text[i] != '.') d.digits.push_back(text[i]);
  }
  int exponent = 0;
  const char* expBegin = text.data() + e + 1;
  if (*expBegin == '+') ++expBegin;
  std::from_chars(expBegin, text.data() + text.size(), exponent);
  while (!d.digits.empty() && d.digits.back() == '0') d.digits.pop_back();
  if (d.digits.empty()) return d;  // zero
  d.pointPos = exponent + 1;
  return d;
}

namespace {

// Adds one unit to a string of decimal digits.
void Increment(std::string& digits) {
  for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
    if (*it != '9') {
      ++*it;
      return;
    }
    *it = '0';
  }
  digits.insert(digits.begin(), '1');
}

bool IsOdd(const std::string& digits) {
  return !digits.empty() && ((digits.back() - '0') % 2) == 1;
}

}  // namespace

std::string RoundedDigits(const DecimalDigits& value, int decimals, Tie tie) {
  const long keep = static_cast<long>(value.pointPos) + decimals;
  const auto n = static_cast<long>(value.digits.size());
  if (n == 0 || keep < 0) return {};
  if (keep >= n) return value.digits + std::string(static_cast<std::size_t>(keep - n), '0');

  std::string kept = value.digits.substr(0, static_cast<std::size_t>(keep));
  const char first = value.digits[static_cast<std::size_t>(keep)];
  const bool moreAfter = keep + 1 < n;  // the digits carry no trailing zeros
  bool up = first > '5' || (first == '5' && moreAfter);
  if (first == '5' && !moreAfter) up = tie == Tie::AwayFromZero || IsOdd(kept);
  if (up) Increment(kept);
  const std::size_t nonZero = kept.find_first_not_of('0');
  return nonZero == std::string::npos ? std::string{} : kept.substr(nonZero);
}

}  // namespace platform::detail

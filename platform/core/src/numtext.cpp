#include "platform/numtext.h"

#include <locale.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <string>

#include "decimal_digits.h"

namespace platform {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// Reads a text of the form [-]digits[.digits][e[-]digits] whatever locale
// the process has set; nullopt when the number does not fit a double.
std::optional<double> ParseCText(const std::string& text) {
  static const locale_t cLocale = ::newlocale(LC_ALL_MASK, "C", locale_t{});
  errno = 0;
  const double value = ::strtod_l(text.c_str(), nullptr, cLocale);
  if (errno == ERANGE && std::isinf(value)) return std::nullopt;
  return value;
}

// Cursor over a text for the lenient reading, which skips blanks, tabs and
// line feeds wherever they stand.
class LenientCursor {
 public:
  explicit LenientCursor(std::string_view text) : text_(text) {}
  char Peek() {
    while (pos_ < text_.size() && (IsBlank(text_[pos_]) || text_[pos_] == '\n')) ++pos_;
    return pos_ < text_.size() ? text_[pos_] : '\0';
  }
  void Advance() { ++pos_; }
  bool Accept(char a, char b) {
    const char c = Peek();
    if (c != a && c != b) return false;
    Advance();
    return true;
  }
  // Appends the digits that follow; returns how many.
  int TakeDigits(std::string& out) {
    int count = 0;
    while (IsDigit(Peek())) {
      out.push_back(Peek());
      Advance();
      ++count;
    }
    return count;
  }

 private:
  std::string_view text_;
  std::size_t pos_ = 0;
};

int DigitValue(char c, int radix) {
  int v = radix;
  if (IsDigit(c)) v = c - '0';
  if (c >= 'a' && c <= 'f') v = c - 'a' + 10;
  if (c >= 'A' && c <= 'F') v = c - 'A' + 10;
  return v < radix ? v : -1;
}

// "&H..." and "&O..." literals: 16-bit when they fit in 16 bits, else 32-bit,
// both signed, as the classic literals are; wider ones give 0.
double RadixLiteral(LenientCursor& cursor, int radix) {
  std::uint64_t v = 0;
  for (int d; (d = DigitValue(cursor.Peek(), radix)) >= 0; cursor.Advance()) {
    v = v * static_cast<unsigned>(radix) + static_cast<unsigned>(d);
    if (v > 0xFFFFFFFFu) return 0;
  }
  if (v <= 0xFFFF) return static_cast<std::int16_t>(static_cast<std::uint16_t>(v));
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(v));
}

std::string WithSeparator(std::string text, char sep) {
  std::replace(text.begin(), text.end(), '.', sep);
  return text;
}

// At most 15 significant digits, exponent form below 1E-04 and from 1E+15.
std::string GeneralText(double value) {
  if (value == 0) return "0";
  char buffer[64];
  const auto r =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
  std::string text(buffer, r.ptr);
  std::replace(text.begin(), text.end(), 'e', 'E');
  return text;
}

template <class Int>
std::optional<Int> ToInteger(double value) {
  const double r = RoundHalfEven(value);
  if (!(r >= static_cast<double>(std::numeric_limits<Int>::min()) &&
        r <= static_cast<double>(std::numeric_limits<Int>::max()))) {
    return std::nullopt;
  }
  return static_cast<Int>(r);
}

}  // namespace

std::optional<double> StrictNumber(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  const char sep = DecimalSeparator();
  std::string c;
  std::size_t i = 0;
  auto digits = [&] {
    const std::size_t start = i;
    while (i < text.size() && IsDigit(text[i])) c.push_back(text[i++]);
    return i - start;
  };
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) c.push_back(text[i++]);
  std::size_t mantissaDigits = digits();
  if (i < text.size() && text[i] == sep) {
    c.push_back('.');
    ++i;
    mantissaDigits += digits();
  }
  if (mantissaDigits == 0) return std::nullopt;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    c.push_back('e');
    ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) c.push_back(text[i++]);
    if (digits() == 0) return std::nullopt;
  }
  if (i != text.size()) return std::nullopt;
  return ParseCText(c);
}

double Val(std::string_view text) {
  LenientCursor cursor(text);
  if (cursor.Accept('&', '&')) {
    if (cursor.Accept('H', 'h')) return RadixLiteral(cursor, 16);
    if (cursor.Accept('O', 'o')) return RadixLiteral(cursor, 8);
    return 0;
  }
  std::string c;
  if (cursor.Peek() == '-' || cursor.Peek() == '+') {
    c.push_back(cursor.Peek());
    cursor.Advance();
  }
  int mantissaDigits = cursor.TakeDigits(c);
  if (cursor.Accept('.', '.')) {
    c.push_back('.');
    mantissaDigits += cursor.TakeDigits(c);
  }
  if (mantissaDigits == 0) return 0;
  if (cursor.Peek() == 'E' || cursor.Peek() == 'e' || cursor.Peek() == 'D' ||
      cursor.Peek() == 'd') {
    cursor.Advance();
    std::string exponent = "e";
    if (cursor.Peek() == '-' || cursor.Peek() == '+') {
      exponent.push_back(cursor.Peek());
      cursor.Advance();
    }
    if (cursor.TakeDigits(exponent) > 0) c += exponent;
  }
  return ParseCText(c).value_or(0);
}

std::string NumberText(double value) {
  return WithSeparator(GeneralText(value), DecimalSeparator());
}

std::string StrText(double value) {
  const std::string text = GeneralText(value);
  return std::signbit(value) && value != 0 ? text : " " + text;
}

std::string FixedText(double value, int decimals) {
  decimals = std::max(decimals, 0);
  if (!std::isfinite(value)) return GeneralText(value);
  const detail::DecimalDigits d = detail::ShortestDecimal(value);
  std::string digits = detail::RoundedDigits(d, decimals, detail::Tie::AwayFromZero);
  const bool negative = d.negative && !digits.empty();  // no "-0.00"
  const auto width = static_cast<std::size_t>(decimals) + 1;
  if (digits.size() < width) digits.insert(0, width - digits.size(), '0');
  std::string text = negative ? "-" : "";
  text.append(digits, 0, digits.size() - static_cast<std::size_t>(decimals));
  if (decimals > 0) {
    text.push_back(DecimalSeparator());
    text.append(digits, digits.size() - static_cast<std::size_t>(decimals));
  }
  return text;
}

double RoundHalfEven(double value) {
  if (!std::isfinite(value)) return value;
  const double magnitude = std::fabs(value);
  const double down = std::floor(magnitude);
  const double fraction = magnitude - down;  // exact for a non-negative double
  double rounded = down + 1;
  if (fraction < 0.5 || (fraction == 0.5 && std::fmod(down, 2.0) == 0)) rounded = down;
  return std::copysign(rounded, value);
}

std::optional<std::int16_t> ToInt16(double value) { return ToInteger<std::int16_t>(value); }
std::optional<std::int32_t> ToInt32(double value) { return ToInteger<std::int32_t>(value); }

}  // namespace platform

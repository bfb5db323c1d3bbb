#pragma once
// Number texts as the system has always handled them: strict reading in the
// user's locale, lenient leading-number reading with '.', shortest decimal
// writing with the locale's separator, banker's rounding.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

// The user's decimal separator ('.' or ','), read once from the locale
// (LC_ALL, LC_NUMERIC, LANG). Tests override it.
char DecimalSeparator();
void SetDecimalSeparator(char sep);
// Forgets an override; the next call reads the locale again.
void ResetDecimalSeparator();

// Strict: the whole text (blanks around allowed) is a number in the user's
// locale format: sign, digits, the locale separator, optional exponent.
// Empty or anything else gives nullopt.
std::optional<double> StrictNumber(std::string_view text);

// Lenient: the leading decimal number with '.' as point, blanks skipped,
// reading stops at the first other character; empty or non-numeric gives 0.
double Val(std::string_view text);

// Shortest decimal form (at most 15 significant digits, no trailing zeros,
// exponent form for very large or small values) with the locale separator.
std::string NumberText(double value);
// The same with a leading blank for non-negative values and '.' always.
std::string StrText(double value);

// Fixed decimals with the locale separator, e.g. FixedText(1.2, 2) == "1.20"
// (a "0.00" pattern). Halves round away from zero, on the decimal value.
std::string FixedText(double value, int decimals);

// Nearest integer, halves to the even neighbour.
double RoundHalfEven(double value);

// Conversions into integer types with halves to even; nullopt on overflow.
std::optional<std::int16_t> ToInt16(double value);
std::optional<std::int32_t> ToInt32(double value);

}  // namespace platform

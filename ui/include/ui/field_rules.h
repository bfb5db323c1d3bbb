#pragma once
// Number rules of the window's boxes and scroll bars, kept apart from the
// widgets.
#include <optional>
#include <string>
#include <string_view>

namespace ui {

// Integer part of value / maximum x 100; 0 for a scroll bar without range.
int Pourcentage(int value, int maximum);

// The jog-speed scroll bar maximum a "V max" text gives: the number rounded
// (halves to even). None when the text is no number, or the result is below
// the scroll bar's minimum of 1 or above what a scroll bar holds (32767):
// the maximum then stays as it was.
std::optional<int> JogSpeedMaximumFor(std::string_view vmax);

// Tidy of a step-count box when it loses the focus: empty gives "0", the
// text becomes the text form of its number (leading zeros go).
std::string IntegerTidy(std::string_view text);
// Tidy of a mm-per-step box: empty gives 0; a number in the user's format is
// taken as it is, anything else by its leading number ('.' as point).
double DecimalTidy(std::string_view text);

// The three machine-dimension fields: minimum 30, maximum 1500.
inline constexpr double kDimensionMinimum = 30;
inline constexpr double kDimensionMaximum = 1500;

// What a dimension field settles on: an empty text becomes the minimum, the
// text becomes the text form of its number, and when `clamp` is set (width)
// the value is held within minimum..maximum.
struct Dimension {
  std::string text;
  double value = 0;
};
Dimension TidyDimension(std::string_view text, bool clamp);

}  // namespace ui

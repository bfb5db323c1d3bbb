#pragma once
// The rules of the pin lists, kept apart from the widgets so they can be
// checked without a window.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace ui {

inline constexpr int kPinListCount = 8;  // Combo1(0..7)
using PinTexts = std::array<std::string, kPinListCount>;

// The text a pin list settles on after any change: the text form of its
// leading number ("" and "abc" give "0", "5b" gives "5", "12" stays "12").
std::string PinListText(std::string_view text);

// A chosen pin that is not a data pin: the text is not blank and its leading
// number is 0 or less, or above 9.
bool PinOutOfRange(std::string_view text);

// Whether the chosen text of element `chosen` is used by another element. An
// unassigned pin ("0") is used by nothing: two unassigned signals are no
// conflict.
bool PinUsedElsewhere(const PinTexts& texts, int chosen);

// "Swap": the two towers exchange their pins (X1 with X2, Y1 with Y2, step
// and direction alike).
PinTexts SwapTowers(const PinTexts& texts);

// The motor-enable, heating and timer pins: the leading number, rounded to
// an integer (halves to even); 0 when it does not fit.
std::int32_t SidePinNumber(std::string_view text);

}  // namespace ui

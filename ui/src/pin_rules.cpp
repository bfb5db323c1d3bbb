#include "ui/pin_rules.h"

#include <utility>

#include "platform/numtext.h"

namespace ui {

std::string PinListText(std::string_view text) { return platform::NumberText(platform::Val(text)); }

bool PinOutOfRange(std::string_view text) {
  if (text.find_first_not_of(' ') == std::string_view::npos) return false;
  const double pin = platform::Val(text);
  return pin <= 0 || pin > 9;
}

bool PinUsedElsewhere(const PinTexts& texts, int chosen) {
  const std::string& text = texts[static_cast<std::size_t>(chosen)];
  if (platform::Val(text) == 0) return false;
  for (int j = 0; j < kPinListCount; ++j) {
    if (j != chosen && texts[static_cast<std::size_t>(j)] == text) return true;
  }
  return false;
}

PinTexts SwapTowers(const PinTexts& texts) {
  PinTexts swapped = texts;
  // Element pairs: X1/X2 step (0, 2) and direction (1, 3), Y1/Y2 (4, 6) and (5, 7).
  for (std::size_t first : {0u, 1u, 4u, 5u}) std::swap(swapped[first], swapped[first + 2]);
  return swapped;
}

std::int32_t SidePinNumber(std::string_view text) {
  return platform::ToInt32(platform::Val(text)).value_or(0);
}

}  // namespace ui

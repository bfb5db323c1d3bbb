#include "ui/field_rules.h"

#include <algorithm>
#include <cmath>

#include "platform/numtext.h"

namespace ui {

int Pourcentage(int value, int maximum) {
  if (maximum == 0) return 0;
  return static_cast<int>(std::floor(static_cast<double>(value) / maximum * 100.0));
}

std::optional<int> JogSpeedMaximumFor(std::string_view vmax) {
  const std::optional<double> number = platform::StrictNumber(vmax);
  if (!number) return std::nullopt;
  const std::optional<std::int16_t> maximum = platform::ToInt16(*number);
  if (!maximum || *maximum < 1) return std::nullopt;
  return *maximum;
}

namespace {

bool Blank(std::string_view text) { return text.find_first_not_of(' ') == std::string_view::npos; }

double NumberValue(std::string_view text) {
  return platform::StrictNumber(text).value_or(platform::Val(text));
}

}  // namespace

std::string IntegerTidy(std::string_view text) {
  return platform::NumberText(Blank(text) ? 0 : NumberValue(text));
}

double DecimalTidy(std::string_view text) { return Blank(text) ? 0 : NumberValue(text); }

Dimension TidyDimension(std::string_view text, bool clamp) {
  // A text pasted past the key filter counts by its leading number.
  double value = Blank(text) ? kDimensionMinimum : NumberValue(text);
  if (clamp) value = std::clamp(value, kDimensionMinimum, kDimensionMaximum);
  return Dimension{platform::NumberText(value), value};
}

}  // namespace ui

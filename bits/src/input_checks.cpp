#include "bits/input_checks.h"

#include <exception>

#include "platform/dispatch.h"
#include "platform/numtext.h"
#include "platform/textbox.h"

namespace bits {

namespace {

constexpr std::int16_t kBackspace = 8;
constexpr std::int16_t kComma = 44;
constexpr std::int16_t kMinus = 45;
constexpr std::int16_t kPoint = 46;

bool IsDigitKey(std::int16_t k) { return k >= 48 && k <= 57; }

std::string Trimmed(const std::string& s) {
  const std::size_t first = s.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

// A minus sign may go in front of the focused box's text; a box that cannot
// be read lets it through.
bool MinusAllowedInFocusedBox() {
  try {
    const platform::Object box = platform::FocusedTextBox();
    if (!box) return true;
    const std::int32_t selStart = platform::GetProperty(*box, "SelStart").toInt32();
    const std::string text = platform::GetProperty(*box, "Text").toString();
    const std::string selText = platform::GetProperty(*box, "SelText").toString();
    return selStart == 0 && (text.empty() || text.front() != '-' || text == selText);
  } catch (const std::exception&) {
    return true;
  }
}

}  // namespace

std::int16_t Verif_Integer(std::int16_t KA, platform::VBool NEG) {
  if (KA == kMinus && !NEG) return 0;
  const bool minusAllowed = KA == kMinus && MinusAllowedInFocusedBox();
  if (IsDigitKey(KA) || KA == kBackspace || (KA == kMinus && minusAllowed)) return KA;
  return 0;
}

std::int16_t Verif_Decimal(std::int16_t KA, platform::Variant& textB, platform::VBool NEG) {
  if (KA == kMinus && !NEG) return 0;
  if (KA == kPoint) KA = kComma;
  try {
    platform::Object box = textB.toObject();
    if (!box) return 0;
    const std::string text = platform::GetProperty(*box, "Text").toString();
    if (KA == kComma && text.find_first_of(",.") != std::string::npos) return 0;
    if (KA == kMinus && !text.empty() && text.front() == '-') return 0;
    if (KA == kMinus && platform::GetProperty(*box, "SelStart").toInt32() > 0) return 0;
  } catch (const std::exception&) {
    return 0;
  }
  if (IsDigitKey(KA) || KA == kMinus || KA == kBackspace || KA == kComma) return KA;
  return 0;
}

std::string Set_Point_Decimal(platform::Variant& xlVar) {
  const std::string text = xlVar.toString();
  const std::size_t comma = text.find(',');
  const bool hasPoint = text.find('.') != std::string::npos;
  if (comma == std::string::npos && !hasPoint) {
    return Trimmed(platform::StrText(xlVar.toDouble()) + ".0000000");
  }
  if (comma == std::string::npos) return Trimmed(text);
  return text.substr(0, comma) + "." + text.substr(comma + 1);
}

}  // namespace bits

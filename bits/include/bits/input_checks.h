#pragma once
// Key filters of numeric text boxes: each returns the key code to deliver,
// a replacement ("." becomes ","), or 0 to swallow the key.
#include <cstdint>
#include <string>

#include "platform/variant.h"

namespace bits {

// Judges a minus sign against the focused text box (platform::FocusedTextBox).
std::int16_t Verif_Integer(std::int16_t KA, platform::VBool NEG);
// textB: an object with the properties Text, SelText and SelStart.
std::int16_t Verif_Decimal(std::int16_t KA, platform::Variant& textB, platform::VBool NEG);
// The number written with a decimal point ("3,25" gives "3.25", 7 "7.0000000").
std::string Set_Point_Decimal(platform::Variant& xlVar);

}  // namespace bits

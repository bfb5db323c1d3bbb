#pragma once
// Word removal from a list held in a text, and the escapes that let a
// one-line profile value carry line breaks ("\r", "\f", "\\").
#include <string>

#include "platform/variant.h"

namespace bits {

// lChaine without the word lMot and the one character after it; empty when
// lMot does not occur.
platform::Variant Out_Chaine(platform::Variant& lChaine, platform::Variant& lMot);
std::string StringUnEscape(std::string& strMsg);
std::string StringEscape(std::string& strMsg);

}  // namespace bits

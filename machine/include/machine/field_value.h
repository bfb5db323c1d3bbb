#pragma once
// The number a text field holds: read in the user's locale, else its leading
// number ("" and unreadable text are 0). Fields are used as they stand.
#include <string_view>

namespace machine {

double FieldValue(std::string_view text);

}  // namespace machine

#pragma once
// The text box that has the input focus in the calling program, as an object
// with the properties Text, SelText and SelStart; the window layer installs
// the provider, the key filters of the utility library ask it.
#include <functional>

#include "platform/variant.h"

namespace platform {

using FocusedTextBoxProvider = std::function<Object()>;
void SetFocusedTextBoxProvider(FocusedTextBoxProvider provider);
// The focused text box, or null when none is known.
Object FocusedTextBox();

}  // namespace platform

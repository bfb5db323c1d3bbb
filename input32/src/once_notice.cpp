#include "once_notice.h"

#include "platform/messagebox.h"

namespace input32 {

void OnceNotice::Show(const std::string& text) {
  if (shown_.exchange(true)) return;
  platform::ShowMessage(text, "libinput32", platform::Buttons::Ok, platform::Icon::Warning);
}

}  // namespace input32

#pragma once
// The message-box service of the running program: a modal QMessageBox over
// the active window. Installed by main; tests install a scripted one instead.
#include "platform/messagebox.h"

namespace platform {

class QtMessageBoxService : public MessageBoxService {
 public:
  Answer Show(const std::string& text, const std::string& title, Buttons buttons,
              Icon icon) override;
};

}  // namespace platform

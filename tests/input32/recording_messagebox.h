#pragma once
// Stands in for the message box service: records what would be shown and
// answers Ok, installed for the life of the object.
#include <memory>
#include <string>
#include <vector>

#include "platform/messagebox.h"

namespace input32_test {

class RecordingMessageBox : public platform::MessageBoxService {
 public:
  platform::Answer Show(const std::string& text, const std::string& title, platform::Buttons,
                        platform::Icon) override {
    texts.push_back(text);
    titles.push_back(title);
    return platform::Answer::Ok;
  }
  std::vector<std::string> texts;
  std::vector<std::string> titles;
};

class InstalledMessageBox {
 public:
  InstalledMessageBox()
      : box_(std::make_shared<RecordingMessageBox>()), previous_(platform::GetMessageBoxService()) {
    platform::SetMessageBoxService(box_);
  }
  ~InstalledMessageBox() { platform::SetMessageBoxService(previous_); }
  const std::vector<std::string>& texts() const { return box_->texts; }

 private:
  std::shared_ptr<RecordingMessageBox> box_;
  std::shared_ptr<platform::MessageBoxService> previous_;
};

}  // namespace input32_test

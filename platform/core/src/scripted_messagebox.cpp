#include "platform/scripted_messagebox.h"

namespace platform {

Answer ScriptedMessageBoxes::Show(const std::string& text, const std::string& title,
                                  Buttons buttons, Icon icon) {
  shown_.push_back({text, title, buttons, icon});
  if (answers_.empty()) {
    return buttons == Buttons::YesNo || buttons == Buttons::YesNoCancel ? Answer::Yes : Answer::Ok;
  }
  const Answer answer = answers_.front();
  answers_.pop_front();
  return answer;
}

ScopedScriptedMessageBoxes::ScopedScriptedMessageBoxes()
    : boxes_(std::make_shared<ScriptedMessageBoxes>()), previous_(GetMessageBoxService()) {
  SetMessageBoxService(boxes_);
}

ScopedScriptedMessageBoxes::~ScopedScriptedMessageBoxes() { SetMessageBoxService(previous_); }

}  // namespace platform

#pragma once
// A message box service for tests: it records every box shown and answers
// from a queue prepared by the test, so no box ever waits for a user.
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "platform/messagebox.h"

namespace platform {

struct ShownMessageBox {
  std::string text;
  std::string title;
  Buttons buttons = Buttons::Ok;
  Icon icon = Icon::None;
};

class ScriptedMessageBoxes : public MessageBoxService {
 public:
  // Answers are used in the order queued; with none left, a box gets Ok
  // (Ok, OkCancel) or Yes (YesNo, YesNoCancel).
  void QueueAnswer(Answer answer) { answers_.push_back(answer); }
  Answer Show(const std::string& text, const std::string& title, Buttons buttons,
              Icon icon) override;

  const std::vector<ShownMessageBox>& shown() const { return shown_; }
  std::size_t pendingAnswers() const { return answers_.size(); }

 private:
  std::vector<ShownMessageBox> shown_;
  std::deque<Answer> answers_;
};

// Installs a fresh ScriptedMessageBoxes for its lifetime and puts the
// previous service back afterwards.
class ScopedScriptedMessageBoxes {
 public:
  ScopedScriptedMessageBoxes();
  ~ScopedScriptedMessageBoxes();
  ScopedScriptedMessageBoxes(const ScopedScriptedMessageBoxes&) = delete;
  ScopedScriptedMessageBoxes& operator=(const ScopedScriptedMessageBoxes&) = delete;

  ScriptedMessageBoxes& boxes() { return *boxes_; }
  ScriptedMessageBoxes* operator->() { return boxes_.get(); }

 private:
  std::shared_ptr<ScriptedMessageBoxes> boxes_;
  std::shared_ptr<MessageBoxService> previous_;
};

}  // namespace platform

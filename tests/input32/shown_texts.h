#pragma once
// The texts of the message boxes a scripted service has shown so far.
#include <string>
#include <vector>

#include "platform/scripted_messagebox.h"

namespace input32_test {

inline std::vector<std::string> ShownTexts(platform::ScopedScriptedMessageBoxes& boxes) {
  std::vector<std::string> texts;
  for (const auto& shown : boxes->shown()) texts.push_back(shown.text);
  return texts;
}

}  // namespace input32_test

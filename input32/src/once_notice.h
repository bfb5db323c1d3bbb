#pragma once
// The one message a process gets about a port it cannot use: a program that
// touches the port thousands of times must not open thousands of boxes.
#include <atomic>
#include <string>

namespace input32 {

class OnceNotice {
 public:
  // Shows the text through platform::ShowMessage unless a notice was shown.
  void Show(const std::string& text);

 private:
  std::atomic<bool> shown_{false};
};

}  // namespace input32

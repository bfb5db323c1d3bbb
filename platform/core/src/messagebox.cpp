#include "platform/messagebox.h"

#include <iostream>
#include <mutex>

namespace platform {

namespace {

std::mutex serviceMutex;
std::shared_ptr<MessageBoxService> installedService;

// With no window system installed, a box becomes a line on stderr and takes
// the affirmative answer, so a headless run never blocks.
Answer ShowOnStderr(const std::string& text, const std::string& title, Buttons buttons) {
  std::cerr << (title.empty() ? "" : title + ": ") << text << '\n';
  return buttons == Buttons::YesNo || buttons == Buttons::YesNoCancel ? Answer::Yes : Answer::Ok;
}

}  // namespace

Answer ShowMessage(const std::string& text, const std::string& title, Buttons buttons, Icon icon) {
  // Held outside the lock: a box runs an event loop that may show another.
  const std::shared_ptr<MessageBoxService> service = GetMessageBoxService();
  if (service) return service->Show(text, title, buttons, icon);
  return ShowOnStderr(text, title, buttons);
}

void SetMessageBoxService(std::shared_ptr<MessageBoxService> service) {
  const std::lock_guard lock(serviceMutex);
  installedService = std::move(service);
}

std::shared_ptr<MessageBoxService> GetMessageBoxService() {
  const std::lock_guard lock(serviceMutex);
  return installedService;
}

}  // namespace platform

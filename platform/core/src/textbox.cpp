#include "platform/textbox.h"

#include <mutex>

namespace platform {

namespace {

std::mutex providerMutex;
FocusedTextBoxProvider installedProvider;

}  // namespace

void SetFocusedTextBoxProvider(FocusedTextBoxProvider provider) {
  const std::lock_guard lock(providerMutex);
  installedProvider = std::move(provider);
}

Object FocusedTextBox() {
  FocusedTextBoxProvider provider;
  {
    const std::lock_guard lock(providerMutex);
    provider = installedProvider;
  }
  return provider ? provider() : nullptr;
}

}  // namespace platform

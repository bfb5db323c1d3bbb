#pragma once
// The run-time error number a call fails with, 0 when it succeeds.
#include <functional>

#include "platform/dispatch.h"

namespace vk_test {

inline int ErrorOf(const std::function<void()>& f) {
  try {
    f();
  } catch (const platform::RuntimeError& e) {
    return e.number();
  }
  return 0;
}

}  // namespace vk_test

#pragma once
// The two port functions of libinput32.so, bound by name at the first call of
// either. Shared by the program and libvelkor so both bind the same way:
//
//   input32::PortLibrary port(reinterpret_cast<const void*>(&AnyFunctionOfThisLibrary));
//   if (!port.Out32(888, byte)) return;  // the user was told; stop the operation
//
// After the first call a port call costs one indirect call; the pointers are
// read atomically, so the binder may be shared between threads.
#include <atomic>
#include <cstdint>

#include "platform/lazylib.h"

namespace input32 {

inline constexpr const char* kLibraryFileName = "libinput32.so";

class PortLibrary {
 public:
  // nearAddress: an address inside the calling library, whose folder is
  // searched first (see platform::LazyLibrary).
  explicit PortLibrary(const void* nearAddress = nullptr, const char* fileName = kLibraryFileName)
      : library_(fileName, nearAddress) {}

  // False, after one message, when the library or a function is missing; the
  // caller then stops its operation.
  bool Inp32(std::int16_t address, std::int16_t& value) {
    InpFunction inp = inp_.load(std::memory_order_acquire);
    if (inp == nullptr) [[unlikely]] {
      if (!Bind()) return false;
      inp = inp_.load(std::memory_order_acquire);
    }
    value = inp(address);
    return true;
  }

  bool Out32(std::int16_t address, std::int16_t value) {
    OutFunction out = out_.load(std::memory_order_acquire);
    if (out == nullptr) [[unlikely]] {
      if (!Bind()) return false;
      out = out_.load(std::memory_order_acquire);
    }
    out(address, value);
    return true;
  }

  // Binds both functions; true when they are ready. Done by the first call.
  bool Bind() {
    if (out_.load(std::memory_order_acquire) != nullptr) return true;
    auto* inp = reinterpret_cast<InpFunction>(library_.Symbol("Inp32"));
    auto* out = inp != nullptr ? reinterpret_cast<OutFunction>(library_.Symbol("Out32")) : nullptr;
    if (out == nullptr) return false;
    inp_.store(inp, std::memory_order_release);
    out_.store(out, std::memory_order_release);
    return true;
  }

  const platform::LazyLibrary& library() const { return library_; }

 private:
  using InpFunction = std::int16_t (*)(std::int16_t);
  using OutFunction = void (*)(std::int16_t, std::int16_t);

  platform::LazyLibrary library_;
  std::atomic<InpFunction> inp_{nullptr};
  std::atomic<OutFunction> out_{nullptr};
};

}  // namespace input32

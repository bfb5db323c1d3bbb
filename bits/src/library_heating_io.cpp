#include <cstdint>

#include "bits/heating_io.h"
#include "input32/port.h"
#include "platform/clock.h"
#include "platform/dispatch.h"

namespace bits {

namespace {

[[noreturn]] void PortLibraryMissing() {
  throw platform::RuntimeError(platform::err::FileNotLoaded);
}

class LibraryIo final : public HeatingIo {
 public:
  std::int16_t Inp32(std::int16_t address) override {
    std::int16_t value = 0;
    if (!port_.Inp32(address, value)) PortLibraryMissing();
    return value;
  }
  void Out32(std::int16_t address, std::int16_t value) override {
    if (!port_.Out32(address, value)) PortLibraryMissing();
  }
  std::int16_t Millis16() override { return platform::Millis16(); }

 private:
  // Searched first beside this library.
  input32::PortLibrary port_{reinterpret_cast<const void*>(&PortLibraryMissing)};
};

}  // namespace

// One binding per process, like the loaded library it stands for.
HeatingIo& LibraryHeatingIo() {
  static LibraryIo io;
  return io;
}

}  // namespace bits

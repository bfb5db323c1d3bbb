#pragma once
// What the heating bursts touch of the outside world: the parallel port
// (through the port library) and the millisecond clock. Tests hand in a
// recording fake.
#include <cstdint>

namespace bits {

class HeatingIo {
 public:
  virtual ~HeatingIo() = default;
  virtual std::int16_t Inp32(std::int16_t address) = 0;
  virtual void Out32(std::int16_t address, std::int16_t value) = 0;
  // Low 16 bits of the millisecond counter, signed.
  virtual std::int16_t Millis16() = 0;
};

// libinput32.so bound by name at the first port access, and the system
// clock. A port library that cannot be bound fails the call with "Error in
// loading DLL" (48).
HeatingIo& LibraryHeatingIo();

}  // namespace bits

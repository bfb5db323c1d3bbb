#pragma once
// The control-register operations: heating output off, motor drivers on and
// off. Each starts from a fresh read of the register and changes one bit.
// Drivers are enabled while the enable bit is clear. All three also set the
// USB output state, whichever interface is in use.
//
// False when the port library cannot be used (it has told the user); the
// caller stops its operation.
#include <cstdint>

#include "machine/context.h"

namespace machine {

inline std::int16_t DataRegister(const config::Configuration& r) {
  return static_cast<std::int16_t>(r.Port);
}
inline std::int16_t StatusRegister(const config::Configuration& r) {
  return static_cast<std::int16_t>(r.Port + 1);
}
inline std::int16_t ControlRegister(const config::Configuration& r) {
  return static_cast<std::int16_t>(r.Port + 2);
}

// Inp32 widened to 32 bits with its sign, as the register routines work on it.
bool ReadRegister(MachineContext& context, std::int16_t address, std::int32_t& value);
// Out32 of the low 8 bits.
bool WriteRegister(MachineContext& context, std::int16_t address, std::int32_t value);

bool Chauffe_Off(MachineContext& context);
bool Moteurs_On(MachineContext& context);
bool Moteurs_Off(MachineContext& context);

}  // namespace machine

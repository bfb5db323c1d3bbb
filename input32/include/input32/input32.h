#pragma once
// What libinput32.so exports. Callers bind these by name (see port.h); the
// declarations are here for the library itself and for documentation.
//
// Which port answers is the library's own setting, chosen per base address
// at its first access from the environment:
//   VK_PORT=ppdev   /dev/parport0 for base 888, /dev/parport1 for base 632
//   VK_PORT=direct  ioperm + inb/outb (x86, root only)
//   VK_PORT=sim     the simulated port (register file + access trace)
//   unset           ppdev when the device opens, else the simulated port
// A port that cannot be used is told once per process, and the simulated
// port takes its place.
#include <cstdint>

#if defined(INPUT32_BUILDING)
#define INPUT32_EXPORT __attribute__((visibility("default")))
#else
#define INPUT32_EXPORT
#endif

extern "C" {

// The byte readable at the address, in the low 8 bits.
INPUT32_EXPORT std::int16_t Inp32(std::int16_t address);
// Writes the low 8 bits of value to the address before returning.
INPUT32_EXPORT void Out32(std::int16_t address, std::int16_t value);

// Releases every open port (device, mappings) and forgets the choices, so the
// next access chooses again from the current environment. The simulated
// register file and trace stay on disk; remove them (input32::RemoveSimulatedPortFiles)
// to start from a clear port. Not to be called while another thread uses the port.
INPUT32_EXPORT void Input32_Reset();
// "ppdev", "direct" or "sim": what serves the given base address (choosing it
// now when no access did yet); "" for an address that is no known base.
INPUT32_EXPORT const char* Input32_Backend(std::int16_t base);
}

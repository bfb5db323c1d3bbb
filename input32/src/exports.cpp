// The C entry points of libinput32.so.
#include "input32/input32.h"

#include "port_table.h"

namespace {

// One port table per process, as there is one port per machine. Never
// destroyed: a call from another library's exit code still finds it.
input32::PortTable& Ports() {
  static auto* notice = new input32::OnceNotice;
  static auto* table = new input32::PortTable(input32::PortSettings::FromEnvironment(), *notice);
  return *table;
}

}  // namespace

extern "C" {

std::int16_t Inp32(std::int16_t address) { return Ports().Read(address); }

void Out32(std::int16_t address, std::int16_t value) {
  Ports().Write(address, static_cast<std::uint8_t>(value & 0xFF));
}

void Input32_Reset() { Ports().Reset(input32::PortSettings::FromEnvironment()); }

const char* Input32_Backend(std::int16_t base) { return Ports().BackendName(base); }
}

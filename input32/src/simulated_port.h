#pragma once
// The port of a machine without one: the registers of both bases live in the
// shared register file, and every access is appended to the trace.
#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "input32/simport.h"
#include "port_backend.h"
#include "trace_writer.h"

namespace input32 {

class SimulatedPort {
 public:
  static std::unique_ptr<SimulatedPort> Open(const std::filesystem::path& folder,
                                             std::size_t traceLimit, std::string* error);

  std::uint8_t Read(int portIndex, std::int16_t base, int offset) {
    const std::uint8_t value = registers_.Read(portIndex, offset);
    trace_.Append(static_cast<std::int16_t>(base + offset), value, Access::Read);
    return value;
  }

  void Write(int portIndex, std::int16_t base, int offset, std::uint8_t value) {
    // The status register belongs to the card (or the test): writes leave it.
    if (offset != 1) registers_.Write(portIndex, offset, value);
    trace_.Append(static_cast<std::int16_t>(base + offset), value, Access::Write);
  }

  // The registers of one base as a PortBackend.
  std::unique_ptr<PortBackend> Backend(std::int16_t base);

 private:
  SimulatedPort(RegisterFile registers, TraceWriter trace)
      : registers_(std::move(registers)), trace_(std::move(trace)) {}

  RegisterFile registers_;
  TraceWriter trace_;
};

}  // namespace input32

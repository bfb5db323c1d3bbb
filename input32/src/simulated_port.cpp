#include "simulated_port.h"

namespace input32 {

namespace {

class SimulatedBase final : public PortBackend {
 public:
  SimulatedBase(SimulatedPort& port, int portIndex, std::int16_t base)
      : port_(port), portIndex_(portIndex), base_(base) {}
  std::uint8_t Read(int offset) override { return port_.Read(portIndex_, base_, offset); }
  void Write(int offset, std::uint8_t value) override {
    port_.Write(portIndex_, base_, offset, value);
  }
  const char* name() const override { return "sim"; }

 private:
  SimulatedPort& port_;
  const int portIndex_;
  const std::int16_t base_;
};

}  // namespace

std::unique_ptr<SimulatedPort> SimulatedPort::Open(const std::filesystem::path& folder,
                                                   std::size_t traceLimit, std::string* error) {
  std::optional<RegisterFile> registers = RegisterFile::Open(folder, error);
  if (!registers) return nullptr;
  std::optional<TraceWriter> trace = TraceWriter::Open(folder / kTraceFileName, traceLimit, error);
  if (!trace) return nullptr;
  return std::unique_ptr<SimulatedPort>(
      new SimulatedPort(std::move(*registers), std::move(*trace)));
}

std::unique_ptr<PortBackend> SimulatedPort::Backend(std::int16_t base) {
  return std::make_unique<SimulatedBase>(*this, *PortIndexOf(base), base);
}

}  // namespace input32

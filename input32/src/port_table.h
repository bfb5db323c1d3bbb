#pragma once
// The two port bases and what serves each, chosen at the first access of
// that base from the library's setting (VK_PORT) and what the machine has.
#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "once_notice.h"
#include "port_backend.h"
#include "simulated_port.h"

namespace input32 {

struct PortSettings {
  std::string mode;                          // VK_PORT: "ppdev", "direct", "sim" or empty
  std::filesystem::path deviceDir = "/dev";  // VK_PARPORT_DEV_DIR: where parportN live
  std::filesystem::path simulatedDir;        // register file and trace
  std::size_t traceLimit = TraceWriter::kDefaultLimit;

  static PortSettings FromEnvironment();
};

// How real ports are opened; tests put failures of their own in.
struct PortOpeners {
  std::function<std::unique_ptr<PortBackend>(const std::filesystem::path& device, OpenFailure&)>
      ppdev;
  std::function<std::unique_ptr<PortBackend>(std::int16_t base, OpenFailure&)> direct;

  static PortOpeners System();
};

class PortTable {
 public:
  // What a read of an address that no port answers gives (a floating bus).
  static constexpr std::uint8_t kNoPort = 0xFF;

  PortTable(PortSettings settings, OnceNotice& notice, PortOpeners openers = PortOpeners::System());

  std::uint8_t Read(std::int16_t address) {
    int index = 0;
    int offset = 0;
    if (!Locate(address, index, offset)) return kNoPort;
    return Backend(index).Read(offset);
  }

  // Addresses of no port are ignored: nothing else may be poked.
  void Write(std::int16_t address, std::uint8_t value) {
    int index = 0;
    int offset = 0;
    if (Locate(address, index, offset)) Backend(index).Write(offset, value);
  }

  // What serves the base, choosing it now if needed; "" for no known base.
  const char* BackendName(std::int16_t base);
  // Releases every port; the next access chooses again with these settings.
  void Reset(PortSettings settings);

 private:
  static bool Locate(std::int16_t address, int& index, int& offset) {
    for (index = 0; index < 2; ++index) {
      offset = address - kBases[index];
      if (offset >= 0 && offset < kRegisterCount) return true;
    }
    return false;
  }
  PortBackend& Backend(int index) {
    PortBackend* backend = backends_[index].get();
    return backend != nullptr ? *backend : Choose(index);
  }
  PortBackend& Choose(int index);
  std::unique_ptr<PortBackend> TryPpdev(int index, bool asked);
  std::unique_ptr<PortBackend> TryDirect(int index);
  std::unique_ptr<PortBackend> Simulated(int index);

  static constexpr std::array<std::int16_t, 2> kBases{kBaseLpt1, kBaseLpt2};

  PortSettings settings_;
  OnceNotice& notice_;
  PortOpeners openers_;
  std::unique_ptr<SimulatedPort> simulated_;  // shared by both bases; outlives their backends
  std::array<std::unique_ptr<PortBackend>, 2> backends_;
};

}  // namespace input32

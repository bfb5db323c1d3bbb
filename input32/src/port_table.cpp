#include "port_table.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <utility>

#include "direct_port.h"
#include "ppdev_port.h"

namespace input32 {

namespace {

// Stands in when not even the simulated port can be set up: the program runs
// on, its port writes go nowhere.
class AbsentPort final : public PortBackend {
 public:
  std::uint8_t Read(int) override { return PortTable::kNoPort; }
  void Write(int, std::uint8_t) override {}
  const char* name() const override { return "none"; }
};

std::string Environment(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr ? value : "";
}

std::string Hex(std::int16_t base) {
  char text[8];
  std::snprintf(text, sizeof text, "0x%X", static_cast<unsigned>(base));
  return text;
}

bool IsAbsent(int errorNumber) {
  return errorNumber == ENOENT || errorNumber == ENODEV || errorNumber == ENXIO;
}

bool IsRefused(int errorNumber) { return errorNumber == EACCES || errorNumber == EPERM; }

constexpr const char* kInstead = "\n\nThe simulated port is used instead.";

}  // namespace

PortSettings PortSettings::FromEnvironment() {
  PortSettings settings;
  settings.mode = Environment("VK_PORT");
  if (const std::string dir = Environment("VK_PARPORT_DEV_DIR"); !dir.empty()) {
    settings.deviceDir = dir;
  }
  settings.simulatedDir = SimulatedPortDir();
  return settings;
}

PortOpeners PortOpeners::System() { return {&PpdevPort::Open, &DirectPort::Open}; }

PortTable::PortTable(PortSettings settings, OnceNotice& notice, PortOpeners openers)
    : settings_(std::move(settings)), notice_(notice), openers_(std::move(openers)) {}

const char* PortTable::BackendName(std::int16_t base) {
  const std::optional<int> index = PortIndexOf(base);
  return index ? Backend(*index).name() : "";
}

void PortTable::Reset(PortSettings settings) {
  for (auto& backend : backends_) backend.reset();
  simulated_.reset();
  settings_ = std::move(settings);
}

PortBackend& PortTable::Choose(int index) {
  const std::string& mode = settings_.mode;
  std::unique_ptr<PortBackend> chosen;
  if (mode == "ppdev") {
    chosen = TryPpdev(index, true);
  } else if (mode == "direct") {
    chosen = TryDirect(index);
  } else if (mode != "sim") {
    if (!mode.empty()) {
      notice_.Show("VK_PORT=" + mode +
                   " is not one of ppdev, direct or sim: the parallel port is chosen as when "
                   "VK_PORT is not set.");
    }
    chosen = TryPpdev(index, false);
  }
  if (chosen == nullptr) chosen = Simulated(index);
  backends_[index] = std::move(chosen);
  return *backends_[index];
}

// Without VK_PORT a missing device is the usual case (no port on the
// machine) and goes unsaid; a device that is there but refuses is told.
std::unique_ptr<PortBackend> PortTable::TryPpdev(int index, bool asked) {
  const std::filesystem::path device = settings_.deviceDir / ("parport" + std::to_string(index));
  OpenFailure failure;
  std::unique_ptr<PortBackend> port = openers_.ppdev(device, failure);
  if (port != nullptr) return port;
  if (IsRefused(failure.errorNumber)) {
    notice_.Show("The parallel port " + device.string() + " cannot be opened (" + failure.reason +
                 ").\nAdd your user to the group lp (sudo adduser $USER lp), then log in again." +
                 kInstead);
  } else if (asked || !IsAbsent(failure.errorNumber)) {
    notice_.Show("The parallel port " + device.string() + " cannot be used (" + failure.reason +
                 ")." + kInstead);
  }
  return nullptr;
}

std::unique_ptr<PortBackend> PortTable::TryDirect(int index) {
  const std::int16_t base = kBases[index];
  OpenFailure failure;
  std::unique_ptr<PortBackend> port = openers_.direct(base, failure);
  if (port != nullptr) return port;
  notice_.Show("Direct access to the parallel port at " + Hex(base) + " is not allowed (" +
               failure.reason + "): it needs root on an x86 machine." + kInstead);
  return nullptr;
}

std::unique_ptr<PortBackend> PortTable::Simulated(int index) {
  if (simulated_ == nullptr) {
    std::string error;
    simulated_ = SimulatedPort::Open(settings_.simulatedDir, settings_.traceLimit, &error);
    if (simulated_ == nullptr) {
      notice_.Show("The simulated parallel port cannot be set up (" + error +
                   "). Port writes are lost.");
      return std::make_unique<AbsentPort>();
    }
  }
  return simulated_->Backend(kBases[index]);
}

}  // namespace input32

#include "machine_fixture.h"

#include <stdlib.h>

#include <ostream>

#include "input32/simport.h"
#include "platform/component.h"
#include "platform/lazylib.h"
#include "platform/numtext.h"

namespace machine_test {

namespace {

constexpr const char* kLibrary = VK_PROGRAM_DIR "/libinput32.so";

void ResetPort() {
  static platform::LazyLibrary library(kLibrary);
  auto reset = reinterpret_cast<void (*)()>(library.Symbol("Input32_Reset"));
  ASSERT_NE(reset, nullptr);
  reset();
}

std::filesystem::path MakeFolder() {
  std::string pattern = (std::filesystem::temp_directory_path() / "vkmachine.XXXXXX").string();
  return ::mkdtemp(pattern.data());
}

}  // namespace

void PrintTo(const MotorSteps& steps, std::ostream* out) {
  *out << "{motor " << steps.motor << (steps.direction ? " dir 1 " : " dir 0 ") << steps.count
       << " steps}";
}

input32::PortLibrary& Port() {
  static input32::PortLibrary port(nullptr, kLibrary);
  return port;
}

void MachineTest::SetUp() {
  folder_ = MakeFolder();
  setenv("VK_PORT", "sim", 1);
  setenv("VK_SIMPORT_DIR", folder_.c_str(), 1);
  ResetPort();
  platform::SetDecimalSeparator('.');
  platform::com::SetStorePath(std::filesystem::path(VK_PROGRAM_DIR) / "vkregistry.ini");
  record_.Bits = platform::com::CreateObject("VK_DLL.Bits");

  record_.Masques = config::PinMasks::AfterLoad();
  for (int motor = 1; motor <= 4; ++motor) {
    record_.avanceOf(motor) = static_cast<std::int32_t>(2 * motor);
    record_.sensOf(motor) = static_cast<std::int32_t>(2 * motor + 1);
    record_.mmOf(motor) = 0.3;
  }
  record_.Pin_Moteur = 17;
  record_.Pin_Chauffe = 16;
  record_.Port = input32::kBaseLpt1;
  record_.Longueur = 500;
  record_.Hauteur = 300.0;
  record_.Langue = "0";
  record_.Arret = 1;
  context_ = std::make_unique<machine::MachineContext>(record_, Port(), window_, window_);
}

void MachineTest::TearDown() {
  context_.reset();
  ResetPort();
  unsetenv("VK_PORT");
  unsetenv("VK_SIMPORT_DIR");
  platform::ResetDecimalSeparator();
  std::error_code ignored;
  std::filesystem::remove_all(folder_, ignored);
}

std::vector<input32::TraceRecord> MachineTest::Trace() const {
  std::string error;
  const auto trace = input32::ReadTrace(folder_ / input32::kTraceFileName, &error);
  if (!trace) return {};
  EXPECT_EQ(trace->dropped, 0u);
  return trace->records;
}

std::vector<input32::TraceRecord> MachineTest::ControlAccesses() const {
  std::vector<input32::TraceRecord> control;
  for (const auto& record : Trace()) {
    if (record.address == input32::kBaseLpt1 + 2) control.push_back(record);
  }
  return control;
}

std::vector<input32::StepEvent> MachineTest::Steps() const {
  std::vector<input32::StepLines> lines;
  for (int motor = 1; motor <= 4; ++motor) {
    lines.push_back({record_.maskAvance(2 * motor), record_.maskSensA(2 * motor + 1)});
  }
  const auto records = Trace();
  return input32::DecodeSteps(records, input32::kBaseLpt1, lines);
}

std::vector<MotorSteps> MachineTest::StepGroups() const {
  std::vector<MotorSteps> groups;
  for (const auto& step : Steps()) {
    const int motor = step.motor + 1;
    auto it = std::find_if(groups.begin(), groups.end(), [&](const MotorSteps& g) {
      return g.motor == motor && g.direction == step.direction;
    });
    if (it == groups.end()) {
      groups.push_back({motor, step.direction, 1});
    } else {
      ++it->count;
    }
  }
  return groups;
}

std::uint8_t MachineTest::Register(int offset) const {
  const auto registers = input32::ReadSimulatedRegisters(folder_, input32::kBaseLpt1);
  EXPECT_TRUE(registers.has_value());
  if (!registers) return 0;
  return offset == 0 ? registers->data : offset == 1 ? registers->status : registers->control;
}

void MachineTest::SetControl(std::uint8_t value) {
  ASSERT_TRUE(Port().Out32(input32::kBaseLpt1 + 2, value));
}

}  // namespace machine_test

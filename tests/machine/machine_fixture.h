#pragma once
// A machine on the simulated port in a folder of its own, the utility object
// created by its ProgID, a scripted message box and a fake configuration
// window whose pending-input hook lets a test act "during" a move.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "config/record.h"
#include "input32/port.h"
#include "input32/trace.h"
#include "machine/context.h"
#include "machine/window.h"
#include "platform/scripted_messagebox.h"

namespace machine_test {

class FakeWindow : public machine::ConfigWindow, public machine::EventPump {
 public:
  bool IsVisible() const override { return visible; }
  machine::ScrollBarState HScroll1() const override { return speed; }
  void SetIndice1(const std::string& text) override { indice1 = text; }
  std::string Indice() const override { return indice; }
  int HScroll11() const override { return hscroll11; }
  int PB_Chauffe() const override { return pbChauffe; }
  void SetPB_Chauffe(int state) override { pbChauffe = state; }
  std::string Text12() const override { return text12; }
  std::string Text9() const override { return text9; }
  int Check10() const override { return check10; }
  int Check11() const override { return check11; }
  void SetCommand2Colour(machine::StopButtonColour colour) override { colours.push_back(colour); }
  void StopCalibrationHeating() override { ++heatingStops; }
  void Carte_Machine() override { ++modelRebuilds; }

  // Each check is one pass; the hook may act as a click delivered there.
  std::uint32_t Messages_En_Attente() override {
    ++passes;
    if (onPass) onPass(passes);
    return 0;
  }
  void DoEvents() override { ++pumps; }

  bool visible = true;
  machine::ScrollBarState speed{6, 1, 6};
  std::string indice1;
  std::string indice = "50";
  int hscroll11 = 50;
  int pbChauffe = 0;
  std::string text12 = "1";
  std::string text9 = "1";
  int check10 = 0;
  int check11 = 0;
  std::vector<machine::StopButtonColour> colours;
  int heatingStops = 0;
  int modelRebuilds = 0;
  long passes = 0;
  long pumps = 0;
  std::function<void(long)> onPass;
};

// Steps of one motor in one direction level (true = the direction bit set).
struct MotorSteps {
  int motor = 0;  // 1..4
  bool direction = false;
  int count = 0;
  friend bool operator==(const MotorSteps&, const MotorSteps&) = default;
};
void PrintTo(const MotorSteps& steps, std::ostream* out);

class MachineTest : public ::testing::Test {
 protected:
  // Pins: X1 2/3, X2 4/5, Y1 6/7, Y2 8/9 (step/direction); motor enable 17
  // (control bit 3), heating 16 (control bit 2); 0.3 mm per step everywhere.
  static constexpr std::uint8_t kEnableBit = 0x08;
  static constexpr std::uint8_t kHeatingBit = 0x04;

  void SetUp() override;
  void TearDown() override;

  machine::MachineContext& Context() { return *context_; }
  const std::filesystem::path& Folder() const { return folder_; }

  std::vector<input32::TraceRecord> Trace() const;
  // Writes and reads of the control register, in order.
  std::vector<input32::TraceRecord> ControlAccesses() const;
  std::vector<input32::StepEvent> Steps() const;
  // Step counts grouped by motor and direction, in order of first appearance.
  std::vector<MotorSteps> StepGroups() const;
  std::uint8_t Register(int offset) const;
  void SetControl(std::uint8_t value);

  config::Configuration record_;
  FakeWindow window_;
  platform::ScopedScriptedMessageBoxes boxes_;

 private:
  std::filesystem::path folder_;
  std::unique_ptr<machine::MachineContext> context_;
};

// The bound port library, once per test program as the program binds it once.
input32::PortLibrary& Port();

}  // namespace machine_test

// Which port serves each base, from the setting and what opening gives, and
// the one message a refused port earns.
#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "port_table.h"
#include "ppdev_port.h"
#include "shown_texts.h"
#include "vk_test/temp_dir.h"

namespace {

using input32::OpenFailure;
using input32::PortBackend;
using input32::PortOpeners;
using input32::PortSettings;
using input32::PortTable;
using input32_test::ShownTexts;
using vk_test::TempDir;

// A port that keeps its registers in memory and tells its name.
class FakePort final : public PortBackend {
 public:
  explicit FakePort(const char* name) : name_(name) {}
  std::uint8_t Read(int offset) override { return registers_[offset]; }
  void Write(int offset, std::uint8_t value) override { registers_[offset] = value; }
  const char* name() const override { return name_; }

 private:
  const char* name_;
  std::uint8_t registers_[3] = {};
};

// Opens fake ports, or fails with the given errno; remembers what was asked.
struct Openers {
  Openers(int ppdevError, int directError) : ppdevError(ppdevError), directError(directError) {}

  int ppdevError;
  int directError;
  std::vector<std::string> devices;
  std::vector<std::int16_t> directBases;

  PortOpeners Make() {
    return {[this](const std::filesystem::path& device,
                   OpenFailure& failure) -> std::unique_ptr<PortBackend> {
              devices.push_back(device.string());
              if (ppdevError == 0) return std::make_unique<FakePort>("ppdev");
              failure = {ppdevError, std::strerror(ppdevError)};
              return nullptr;
            },
            [this](std::int16_t base, OpenFailure& failure) -> std::unique_ptr<PortBackend> {
              directBases.push_back(base);
              if (directError == 0) return std::make_unique<FakePort>("direct");
              failure = {directError, std::strerror(directError)};
              return nullptr;
            }};
  }
};

PortSettings Settings(const std::string& mode, const std::filesystem::path& dir) {
  PortSettings settings;
  settings.mode = mode;
  settings.deviceDir = dir / "dev";
  settings.simulatedDir = dir / "sim";
  return settings;
}

struct ChoiceRow {
  std::string name;
  std::string mode;
  int ppdevError;
  int directError;
  std::string expected;
  std::vector<std::string> messageMentions;  // empty: no message
};

void PrintTo(const ChoiceRow& row, std::ostream* out) { *out << row.name; }

class Choice : public ::testing::TestWithParam<ChoiceRow> {};

TEST_P(Choice, BackendAndMessage) {
  const ChoiceRow& row = GetParam();
  TempDir dir;
  platform::ScopedScriptedMessageBoxes box;
  input32::OnceNotice notice;
  Openers openers{row.ppdevError, row.directError};
  PortTable table(Settings(row.mode, dir.path()), notice, openers.Make());

  EXPECT_STREQ(table.BackendName(888), row.expected.c_str());
  if (row.messageMentions.empty()) {
    EXPECT_TRUE(ShownTexts(box).empty()) << ShownTexts(box).front();
  } else {
    ASSERT_EQ(ShownTexts(box).size(), 1u);
    for (const std::string& word : row.messageMentions) {
      EXPECT_NE(ShownTexts(box)[0].find(word), std::string::npos) << ShownTexts(box)[0];
    }
  }
  // Whatever serves the base keeps what was written.
  table.Write(890, 0x0B);
  EXPECT_EQ(table.Read(890), 0x0B);
}

INSTANTIATE_TEST_SUITE_P(
    Table, Choice,
    ::testing::Values(
        ChoiceRow{"default, no device: simulated, silently", "", ENOENT, EPERM, "sim", {}},
        ChoiceRow{"default, no such device node", "", ENXIO, EPERM, "sim", {}},
        ChoiceRow{"default, device opens", "", 0, EPERM, "ppdev", {}},
        ChoiceRow{"default, device refused",
                  "",
                  EACCES,
                  EPERM,
                  "sim",
                  {"dev/parport0", "group lp", "simulated"}},
        ChoiceRow{"default, device unusable", "", ENOTTY, EPERM, "sim", {"dev/parport0"}},
        ChoiceRow{
            "ppdev asked, no device", "ppdev", ENOENT, EPERM, "sim", {"dev/parport0", "simulated"}},
        ChoiceRow{"ppdev asked, device opens", "ppdev", 0, EPERM, "ppdev", {}},
        ChoiceRow{"sim asked while a device would open", "sim", 0, 0, "sim", {}},
        ChoiceRow{"direct asked, not root", "direct", 0, EPERM, "sim", {"0x378", "root"}},
        ChoiceRow{"direct asked, allowed", "direct", ENOENT, 0, "direct", {}},
        ChoiceRow{"unknown setting: default order", "serial", 0, 0, "ppdev", {"VK_PORT=serial"}}));

TEST(Choice, EachBaseOpensItsOwnDeviceOnce) {
  TempDir dir;
  platform::ScopedScriptedMessageBoxes box;
  input32::OnceNotice notice;
  Openers openers{0, 0};
  PortTable table(Settings("", dir.path()), notice, openers.Make());
  table.Write(888, 1);
  table.Write(888, 2);
  table.Read(634);
  EXPECT_EQ(openers.devices, (std::vector<std::string>{(dir.path() / "dev/parport0").string(),
                                                       (dir.path() / "dev/parport1").string()}));
}

TEST(Choice, DirectOpensTheBaseAddress) {
  TempDir dir;
  platform::ScopedScriptedMessageBoxes box;
  input32::OnceNotice notice;
  Openers openers{0, 0};
  PortTable table(Settings("direct", dir.path()), notice, openers.Make());
  table.Read(633);
  table.Read(889);
  EXPECT_EQ(openers.directBases, (std::vector<std::int16_t>{632, 888}));
  EXPECT_TRUE(openers.devices.empty());
}

TEST(Choice, SimTouchesNoDevice) {
  TempDir dir;
  platform::ScopedScriptedMessageBoxes box;
  input32::OnceNotice notice;
  Openers openers{0, 0};
  PortTable table(Settings("sim", dir.path()), notice, openers.Make());
  table.Write(888, 5);
  table.Write(632, 6);
  EXPECT_TRUE(openers.devices.empty());
  EXPECT_TRUE(openers.directBases.empty());
}

TEST(Notice, RefusedPortIsToldOncePerProcessEvenAfterReset) {
  TempDir dir;
  platform::ScopedScriptedMessageBoxes box;
  input32::OnceNotice notice;
  Openers openers{EACCES, EPERM};
  PortTable table(Settings("", dir.path()), notice, openers.Make());
  for (std::int16_t address : {888, 889, 632, 890, 634}) table.Read(address);
  table.Reset(Settings("", dir.path()));
  table.Write(888, 1);
  table.Write(632, 1);
  ASSERT_EQ(ShownTexts(box).size(), 1u);
  EXPECT_NE(ShownTexts(box)[0].find("parport0"), std::string::npos);
  EXPECT_NE(ShownTexts(box)[0].find("lp"), std::string::npos);
  EXPECT_EQ(openers.devices.size(), 4u);  // both bases, before and after the reset
}

TEST(Reset, ChoosesAgainFromTheNewSettings) {
  TempDir dir;
  platform::ScopedScriptedMessageBoxes box;
  input32::OnceNotice notice;
  Openers openers{0, 0};
  PortTable table(Settings("sim", dir.path()), notice, openers.Make());
  EXPECT_STREQ(table.BackendName(888), "sim");
  table.Reset(Settings("ppdev", dir.path()));
  EXPECT_STREQ(table.BackendName(888), "ppdev");
}

struct AddressRow {
  std::int16_t address;
  bool reachesPort;
};

class Addresses : public ::testing::TestWithParam<AddressRow> {};

TEST_P(Addresses, OnlyPortRegistersAreServed) {
  TempDir dir;
  platform::ScopedScriptedMessageBoxes box;
  input32::OnceNotice notice;
  Openers openers{0, 0};
  PortTable table(Settings("", dir.path()), notice, openers.Make());
  table.Write(GetParam().address, 0x3C);
  EXPECT_EQ(table.Read(GetParam().address), GetParam().reachesPort ? 0x3C : PortTable::kNoPort);
  EXPECT_EQ(openers.devices.size(), GetParam().reachesPort ? 1u : 0u);
}

INSTANTIATE_TEST_SUITE_P(Table, Addresses,
                         ::testing::Values(AddressRow{888, true}, AddressRow{890, true},
                                           AddressRow{632, true}, AddressRow{634, true},
                                           AddressRow{891, false}, AddressRow{887, false},
                                           AddressRow{635, false}, AddressRow{0x3BC, false}));

// The real openers, on devices that are not there or are no port.
TEST(SystemOpeners, MissingDeviceFallsBackToSimulatedSilently) {
  TempDir dir;
  platform::ScopedScriptedMessageBoxes box;
  input32::OnceNotice notice;
  PortTable table(Settings("", dir.path() / "nothing-here"), notice);
  EXPECT_STREQ(table.BackendName(888), "sim");
  EXPECT_STREQ(table.BackendName(632), "sim");
  EXPECT_TRUE(ShownTexts(box).empty());
}

TEST(SystemOpeners, PlainFileIsNoPort) {
  TempDir dir;
  std::ofstream(dir.path() / "parport0") << "";
  OpenFailure failure;
  EXPECT_EQ(input32::PpdevPort::Open(dir.path() / "parport0", failure), nullptr);
  EXPECT_EQ(failure.errorNumber, ENOTTY);
  EXPECT_NE(failure.reason.find("PPEXCL"), std::string::npos) << failure.reason;
}

TEST(SystemOpeners, SimulatedFolderUnusableLeavesAnAbsentPort) {
  TempDir dir;
  std::ofstream(dir.path() / "file") << "";
  platform::ScopedScriptedMessageBoxes box;
  input32::OnceNotice notice;
  PortSettings settings = Settings("sim", dir.path());
  settings.simulatedDir = dir.path() / "file" / "sim";
  PortTable table(settings, notice);
  table.Write(888, 0x12);
  EXPECT_EQ(table.Read(888), PortTable::kNoPort);
  EXPECT_STREQ(table.BackendName(888), "none");
  ASSERT_EQ(ShownTexts(box).size(), 1u);
  EXPECT_NE(ShownTexts(box)[0].find("simulated"), std::string::npos);
}

}  // namespace

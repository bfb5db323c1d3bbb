// libinput32.so as its callers see it: bound by name, on the simulated port.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "input32/port.h"
#include "input32/simport.h"
#include "input32/trace.h"
#include "shown_texts.h"
#include "vk_test/temp_dir.h"

namespace {

using input32::Access;
using input32::SimRegisters;
using input32::TraceRecord;
using input32_test::ShownTexts;
using vk_test::TempDir;

// Bound once for the whole test program, as the program binds it once.
input32::PortLibrary& Port() {
  static input32::PortLibrary port;
  return port;
}

template <typename Fn>
Fn* Exported(const char* name) {
  static platform::LazyLibrary library(input32::kLibraryFileName);
  return reinterpret_cast<Fn*>(library.Symbol(name));
}

void ResetPort() { Exported<void()>("Input32_Reset")(); }
std::string BackendOf(std::int16_t base) {
  return Exported<const char*(std::int16_t)>("Input32_Backend")(base);
}

std::int16_t In(std::int16_t address) {
  std::int16_t value = -1;
  EXPECT_TRUE(Port().Inp32(address, value));
  return value;
}
void Out(std::int16_t address, std::int16_t value) { EXPECT_TRUE(Port().Out32(address, value)); }

// Every test on a fresh simulated port in its own folder.
class SimulatedLibrary : public ::testing::Test {
 protected:
  void SetUp() override {
    setenv("VK_PORT", "sim", 1);
    setenv("VK_SIMPORT_DIR", dir_.path().c_str(), 1);
    ResetPort();
  }
  void TearDown() override {
    ResetPort();
    unsetenv("VK_PORT");
    unsetenv("VK_SIMPORT_DIR");
    unsetenv("VK_PARPORT_DEV_DIR");
  }
  std::vector<TraceRecord> TraceRecords() const {
    auto trace = input32::ReadTrace(dir_.path() / input32::kTraceFileName);
    EXPECT_TRUE(trace.has_value());
    return trace ? trace->records : std::vector<TraceRecord>{};
  }

  TempDir dir_;
  platform::ScopedScriptedMessageBoxes box_;
};

struct RoundTripRow {
  std::int16_t address;
  std::int16_t written;
  std::int16_t read;
};

class RoundTrip : public SimulatedLibrary, public ::testing::WithParamInterface<RoundTripRow> {};

TEST_P(RoundTrip, ReadGivesWhatTheRegisterHolds) {
  const RoundTripRow& row = GetParam();
  Out(row.address, row.written);
  EXPECT_EQ(In(row.address), row.read);
  EXPECT_TRUE(ShownTexts(box_).empty());
}

INSTANTIATE_TEST_SUITE_P(Table, RoundTrip,
                         ::testing::Values(RoundTripRow{888, 0xA5, 0xA5}, RoundTripRow{888, 0, 0},
                                           RoundTripRow{890, 0x0B, 0x0B},
                                           RoundTripRow{889, 0x55, 0},  // status is read only
                                           RoundTripRow{632, 0x5A, 0x5A},
                                           RoundTripRow{634, 0x04, 0x04},
                                           RoundTripRow{633, 0x55, 0},
                                           RoundTripRow{888, 0x1FF, 0xFF},  // low 8 bits only
                                           RoundTripRow{890, -1, 0xFF}));

TEST_F(SimulatedLibrary, BasesAreSeparatePorts) {
  Out(888, 0x11);
  Out(890, 0x02);
  Out(632, 0x22);
  Out(634, 0x08);
  EXPECT_EQ(input32::ReadSimulatedRegisters(dir_.path(), 888), (SimRegisters{0x11, 0, 0x02}));
  EXPECT_EQ(input32::ReadSimulatedRegisters(dir_.path(), 632), (SimRegisters{0x22, 0, 0x08}));
}

TEST_F(SimulatedLibrary, StatusReadsWhatTheTestSets) {
  ASSERT_TRUE(input32::SetSimulatedStatus(dir_.path(), 888, 0x20));
  EXPECT_EQ(In(889), 0x20);
  EXPECT_EQ(In(633), 0);
  // Changed while the port is open: the next read sees it.
  ASSERT_TRUE(input32::SetSimulatedStatus(dir_.path(), 632, 0xC0));
  EXPECT_EQ(In(633), 0xC0);
}

TEST_F(SimulatedLibrary, EveryAccessIsTraced) {
  Out(888, 0x02);
  Out(888, 0x03);
  In(890);
  Out(634, 0x01);
  In(889);
  std::vector<TraceRecord> records = TraceRecords();
  for (TraceRecord& record : records) record.ticks = 0;
  EXPECT_EQ(records, (std::vector<TraceRecord>{{0, 888, 0x02, Access::Write},
                                               {0, 888, 0x03, Access::Write},
                                               {0, 890, 0x00, Access::Read},
                                               {0, 634, 0x01, Access::Write},
                                               {0, 889, 0x00, Access::Read}}));
}

TEST_F(SimulatedLibrary, StepPulseDecodesFromTheTrace) {
  // X1 step on pin 2 (bit 0), direction on pin 3 (bit 1), as a jog writes it.
  for (int step = 0; step < 3; ++step) {
    Out(888, 0x02);
    Out(888, 0x03);
    Out(888, 0x02);
  }
  const std::vector<TraceRecord> records = TraceRecords();
  const input32::StepLines x1{0x01, 0x02};
  const auto events = input32::DecodeSteps(records, 888, {&x1, 1});
  ASSERT_EQ(events.size(), 3u);
  for (const auto& event : events) {
    EXPECT_TRUE(event.direction);
    EXPECT_EQ(event.data, 0x03);
    EXPECT_TRUE(event.pulseWidth.has_value());
    EXPECT_TRUE(event.directionSetup.has_value());
  }
}

TEST_F(SimulatedLibrary, SimSettingChoosesTheSimulatedPort) {
  EXPECT_EQ(BackendOf(888), "sim");
  EXPECT_EQ(BackendOf(632), "sim");
  EXPECT_EQ(BackendOf(890), "");
}

TEST_F(SimulatedLibrary, DefaultWithoutDeviceIsSimulatedWithoutMessage) {
  unsetenv("VK_PORT");
  setenv("VK_PARPORT_DEV_DIR", (dir_.path() / "no-dev").c_str(), 1);
  ResetPort();
  Out(888, 0x42);
  EXPECT_EQ(BackendOf(888), "sim");
  EXPECT_EQ(input32::ReadSimulatedRegisters(dir_.path(), 888), (SimRegisters{0x42, 0, 0}));
  EXPECT_TRUE(ShownTexts(box_).empty());
}

TEST_F(SimulatedLibrary, RemovedFilesGiveAClearPort) {
  Out(888, 0x42);
  ResetPort();
  input32::RemoveSimulatedPortFiles(dir_.path());
  EXPECT_EQ(In(888), 0);
  EXPECT_EQ(TraceRecords().size(), 1u);  // only the read just made
}

// --- a writer that is killed -------------------------------------------

struct KilledRow {
  std::vector<std::string> writes;
  SimRegisters lpt1;
  SimRegisters lpt2;
};

class KilledWriter : public SimulatedLibrary, public ::testing::WithParamInterface<KilledRow> {};

// Runs the helper with the writes, waits for "ready" and kills it hard.
void RunAndKill(const std::vector<std::string>& writes) {
  int out[2];
  ASSERT_EQ(pipe(out), 0);
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    dup2(out[1], STDOUT_FILENO);
    close(out[0]);
    std::vector<char*> argv{const_cast<char*>(INPUT32_SIM_WRITER)};
    for (const std::string& write : writes) argv.push_back(const_cast<char*>(write.c_str()));
    argv.push_back(nullptr);
    execv(INPUT32_SIM_WRITER, argv.data());
    _exit(127);
  }
  close(out[1]);
  char line[16] = {};
  const ssize_t got = read(out[0], line, sizeof line - 1);
  close(out[0]);
  kill(child, SIGKILL);
  int status = 0;
  waitpid(child, &status, 0);
  ASSERT_GT(got, 0) << "the helper ended before it was ready";
  EXPECT_EQ(std::string(line, static_cast<std::size_t>(got)), "ready\n");
  EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);
}

TEST_P(KilledWriter, RegisterFileShowsTheLastState) {
  RunAndKill(GetParam().writes);
  EXPECT_EQ(input32::ReadSimulatedRegisters(dir_.path(), 888), GetParam().lpt1);
  EXPECT_EQ(input32::ReadSimulatedRegisters(dir_.path(), 632), GetParam().lpt2);
  const std::vector<TraceRecord> records = TraceRecords();
  ASSERT_EQ(records.size(), GetParam().writes.size());
  for (const TraceRecord& record : records) EXPECT_EQ(record.access, Access::Write);
  // And this process, opening the same port now, reads the same state.
  EXPECT_EQ(In(888), GetParam().lpt1.data);
  EXPECT_EQ(In(634), GetParam().lpt2.control);
}

INSTANTIATE_TEST_SUITE_P(
    Table, KilledWriter,
    ::testing::Values(KilledRow{{"888=5"}, {5, 0, 0}, {}},
                      KilledRow{{"888=3", "888=2", "890=11"}, {2, 0, 11}, {}},
                      KilledRow{{"632=255", "634=4", "889=9"}, {}, {255, 0, 4}},
                      KilledRow{
                          {"888=1", "632=2", "890=3", "634=4", "888=0"}, {0, 0, 3}, {2, 0, 4}}));

}  // namespace

// The simulated port's files: register file, trace writing and reading, and
// where they live.
#include <fcntl.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "input32/simport.h"
#include "input32/trace.h"
#include "vk_test/temp_dir.h"
#include "trace_writer.h"

namespace {

using input32::Access;
using input32::SimRegisters;
using input32::TraceRecord;
using input32::TraceWriter;
using vk_test::TempDir;

// --- addresses ---------------------------------------------------------

struct AddressRow {
  std::int16_t address;
  std::optional<std::int16_t> base;
  std::optional<int> index;  // of the address taken as a base
};

class Addresses : public ::testing::TestWithParam<AddressRow> {};

TEST_P(Addresses, BaseAndIndex) {
  EXPECT_EQ(input32::BaseOf(GetParam().address), GetParam().base);
  EXPECT_EQ(input32::PortIndexOf(GetParam().address), GetParam().index);
}

INSTANTIATE_TEST_SUITE_P(Table, Addresses,
                         ::testing::Values(AddressRow{888, 888, 0}, AddressRow{889, 888, {}},
                                           AddressRow{890, 888, {}}, AddressRow{891, {}, {}},
                                           AddressRow{887, {}, {}}, AddressRow{632, 632, 1},
                                           AddressRow{634, 632, {}}, AddressRow{635, {}, {}},
                                           AddressRow{0, {}, {}}, AddressRow{-888, {}, {}}));

// --- folder ------------------------------------------------------------

class ScopedEnv {
 public:
  ScopedEnv(const char* name, const char* value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    if (value != nullptr) {
      setenv(name, value, 1);
    } else {
      unsetenv(name);
    }
  }
  ~ScopedEnv() {
    if (old_) {
      setenv(name_, old_->c_str(), 1);
    } else {
      unsetenv(name_);
    }
  }

 private:
  const char* name_;
  std::optional<std::string> old_;
};

struct FolderRow {
  const char* simportDir;
  const char* runtimeDir;
  std::string expected;
};

class Folder : public ::testing::TestWithParam<FolderRow> {};

TEST_P(Folder, FromEnvironment) {
  ScopedEnv own("VK_SIMPORT_DIR", GetParam().simportDir);
  ScopedEnv runtime("XDG_RUNTIME_DIR", GetParam().runtimeDir);
  EXPECT_EQ(input32::SimulatedPortDir(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, Folder,
    ::testing::Values(FolderRow{"/x/sim", "/run/user/7", "/x/sim"},
                      FolderRow{nullptr, "/run/user/7", "/run/user/7/vksetup"},
                      FolderRow{"", "/run/user/7", "/run/user/7/vksetup"},
                      FolderRow{nullptr, nullptr, "/tmp/vksetup-" + std::to_string(getuid())},
                      FolderRow{nullptr, "", "/tmp/vksetup-" + std::to_string(getuid())}));

// --- register file -----------------------------------------------------

TEST(RegisterFile, CreatesFolderAndStartsAtZero) {
  TempDir dir;
  const auto folder = dir.path() / "new" / "deeper";
  ASSERT_TRUE(input32::RegisterFile::Open(folder).has_value());
  for (std::int16_t base : {input32::kBaseLpt1, input32::kBaseLpt2}) {
    EXPECT_EQ(input32::ReadSimulatedRegisters(folder, base), SimRegisters{}) << base;
  }
}

struct CellRow {
  int portIndex;
  int offset;
  std::uint8_t value;
  std::int16_t base;
  SimRegisters expected;
};

class RegisterCells : public ::testing::TestWithParam<CellRow> {};

TEST_P(RegisterCells, WriteIsSeenByAnotherMappingAndByTheReader) {
  TempDir dir;
  const CellRow& row = GetParam();
  auto writer = input32::RegisterFile::Open(dir.path());
  auto other = input32::RegisterFile::Open(dir.path());
  ASSERT_TRUE(writer && other);
  writer->Write(row.portIndex, row.offset, row.value);
  EXPECT_EQ(other->Read(row.portIndex, row.offset), row.value);
  EXPECT_EQ(input32::ReadSimulatedRegisters(dir.path(), row.base), row.expected);
  // The other base is untouched.
  const std::int16_t otherBase = row.base == 888 ? 632 : 888;
  EXPECT_EQ(input32::ReadSimulatedRegisters(dir.path(), otherBase), SimRegisters{});
}

INSTANTIATE_TEST_SUITE_P(Table, RegisterCells,
                         ::testing::Values(CellRow{0, 0, 0xA5, 888, {0xA5, 0, 0}},
                                           CellRow{0, 1, 0x78, 888, {0, 0x78, 0}},
                                           CellRow{0, 2, 0x0F, 888, {0, 0, 0x0F}},
                                           CellRow{1, 0, 0xFF, 632, {0xFF, 0, 0}},
                                           CellRow{1, 1, 0x40, 632, {0, 0x40, 0}},
                                           CellRow{1, 2, 0x01, 632, {0, 0, 0x01}}));

TEST(RegisterFile, KeepsValuesAcrossOpens) {
  TempDir dir;
  input32::RegisterFile::Open(dir.path())->Write(0, 2, 0x0B);
  EXPECT_EQ(input32::RegisterFile::Open(dir.path())->Read(0, 2), 0x0B);
}

TEST(RegisterFile, ForeignContentIsReplacedByAClearPort) {
  TempDir dir;
  std::ofstream(dir.path() / input32::kRegisterFileName) << "not a register file at all!!!!!!";
  EXPECT_EQ(input32::ReadSimulatedRegisters(dir.path(), 888), std::nullopt);
  ASSERT_TRUE(input32::RegisterFile::Open(dir.path()).has_value());
  EXPECT_EQ(input32::ReadSimulatedRegisters(dir.path(), 888), SimRegisters{});
}

TEST(RegisterFile, FolderThatIsAFileIsRefusedWithAReason) {
  TempDir dir;
  std::ofstream(dir.path() / "plain") << "x";
  std::string error;
  EXPECT_FALSE(input32::RegisterFile::Open(dir.path() / "plain", &error).has_value());
  EXPECT_NE(error.find("plain"), std::string::npos) << error;
}

TEST(SimulatedStatus, SetCreatesTheFileAndOnlyTouchesStatus) {
  TempDir dir;
  ASSERT_TRUE(input32::SetSimulatedStatus(dir.path(), 632, 0x60));
  EXPECT_EQ(input32::ReadSimulatedRegisters(dir.path(), 632), (SimRegisters{0, 0x60, 0}));
  EXPECT_EQ(input32::ReadSimulatedRegisters(dir.path(), 888), SimRegisters{});
  EXPECT_FALSE(input32::SetSimulatedStatus(dir.path(), 889, 0x60));
  EXPECT_EQ(input32::ReadSimulatedRegisters(dir.path(), 889), std::nullopt);
}

TEST(SimulatedStatus, MissingFileReadsNothing) {
  TempDir dir;
  EXPECT_EQ(input32::ReadSimulatedRegisters(dir.path(), 888), std::nullopt);
}

TEST(SimulatedFiles, RemoveClearsBoth) {
  TempDir dir;
  ASSERT_TRUE(input32::RegisterFile::Open(dir.path()));
  ASSERT_TRUE(TraceWriter::Open(dir.path() / input32::kTraceFileName, TraceWriter::kDefaultLimit));
  input32::RemoveSimulatedPortFiles(dir.path());
  EXPECT_FALSE(std::filesystem::exists(dir.path() / input32::kRegisterFileName));
  EXPECT_FALSE(std::filesystem::exists(dir.path() / input32::kTraceFileName));
}

// --- trace -------------------------------------------------------------

std::vector<TraceRecord> Written(const std::vector<TraceRecord>& records) {
  std::vector<TraceRecord> result;
  for (TraceRecord record : records) {
    record.ticks = 0;
    result.push_back(record);
  }
  return result;
}

void Append(TraceWriter& writer, const std::vector<TraceRecord>& records) {
  for (const TraceRecord& record : records)
    writer.Append(record.address, record.value, record.access);
}

TEST(Trace, RecordsComeBackInOrderWithRisingTimes) {
  TempDir dir;
  const auto file = dir.path() / input32::kTraceFileName;
  const std::vector<TraceRecord> accesses{{0, 888, 0x02, Access::Write},
                                          {0, 888, 0x03, Access::Write},
                                          {0, 890, 0x08, Access::Read},
                                          {0, 633, 0x40, Access::Read}};
  {
    auto writer = TraceWriter::Open(file, TraceWriter::kDefaultLimit);
    ASSERT_TRUE(writer);
    Append(*writer, accesses);
  }
  const auto trace = input32::ReadTrace(file);
  ASSERT_TRUE(trace);
  EXPECT_EQ(Written(trace->records), accesses);
  EXPECT_EQ(trace->dropped, 0u);
  for (std::size_t i = 1; i < trace->records.size(); ++i) {
    EXPECT_GE(trace->records[i].ticks, trace->records[i - 1].ticks);
  }
}

TEST(Trace, ReopeningAppends) {
  TempDir dir;
  const auto file = dir.path() / input32::kTraceFileName;
  TraceWriter::Open(file, TraceWriter::kDefaultLimit)->Append(888, 1, Access::Write);
  TraceWriter::Open(file, TraceWriter::kDefaultLimit)->Append(888, 2, Access::Write);
  const auto trace = input32::ReadTrace(file);
  ASSERT_TRUE(trace);
  EXPECT_EQ(Written(trace->records),
            (std::vector<TraceRecord>{{0, 888, 1, Access::Write}, {0, 888, 2, Access::Write}}));
}

TEST(Trace, GrowsPastTheFirstChunk) {
  TempDir dir;
  const auto file = dir.path() / input32::kTraceFileName;
  const std::size_t count = TraceWriter::kChunk / sizeof(input32::trace_format::Record) + 10;
  {
    auto writer = TraceWriter::Open(file, TraceWriter::kDefaultLimit);
    for (std::size_t i = 0; i < count; ++i) {
      writer->Append(888, static_cast<std::uint8_t>(i), Access::Write);
    }
  }
  const auto trace = input32::ReadTrace(file);
  ASSERT_TRUE(trace);
  ASSERT_EQ(trace->records.size(), count);
  EXPECT_EQ(trace->records.back().value, static_cast<std::uint8_t>(count - 1));
  EXPECT_EQ(trace->dropped, 0u);
}

TEST(Trace, PastTheLimitAccessesAreCountedAsDropped) {
  TempDir dir;
  const auto file = dir.path() / input32::kTraceFileName;
  const std::size_t limit =
      sizeof(input32::trace_format::Header) + 3 * sizeof(input32::trace_format::Record);
  {
    auto writer = TraceWriter::Open(file, limit);
    for (std::uint8_t i = 0; i < 5; ++i) writer->Append(888, i, Access::Write);
  }
  const auto trace = input32::ReadTrace(file);
  ASSERT_TRUE(trace);
  ASSERT_EQ(trace->records.size(), 3u);
  EXPECT_EQ(trace->records[2].value, 2);
  EXPECT_EQ(trace->dropped, 2u);
}

TEST(Trace, FullTraceIsStartedAnewWhileItsWriterGoesOn) {
  TempDir dir;
  const auto file = dir.path() / input32::kTraceFileName;
  const std::size_t limit =
      sizeof(input32::trace_format::Header) + 2 * sizeof(input32::trace_format::Record);
  auto first = TraceWriter::Open(file, limit);
  ASSERT_TRUE(first);
  for (std::uint8_t i = 0; i < 3; ++i) first->Append(888, i, Access::Write);

  auto second = TraceWriter::Open(file, limit);
  ASSERT_TRUE(second);
  second->Append(632, 9, Access::Write);
  first->Append(888, 7, Access::Write);  // into its own, put-aside file

  const auto trace = input32::ReadTrace(file);
  ASSERT_TRUE(trace);
  EXPECT_EQ(Written(trace->records), (std::vector<TraceRecord>{{0, 632, 9, Access::Write}}));
  EXPECT_EQ(trace->dropped, 0u);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()),
                          std::filesystem::directory_iterator()),
            1);  // no temporary left behind
}

TEST(Trace, SlotClaimedButNeverFilledIsSkipped) {
  TempDir dir;
  const auto file = dir.path() / input32::kTraceFileName;
  {
    auto writer = TraceWriter::Open(file, TraceWriter::kDefaultLimit);
    writer->Append(888, 1, Access::Write);
    writer->Append(888, 2, Access::Write);
    writer->Append(888, 3, Access::Write);
  }
  // Empty the middle slot as a writer killed mid-record leaves it.
  const int fd = open(file.c_str(), O_RDWR);
  const char zero[sizeof(input32::trace_format::Record)] = {};
  ASSERT_EQ(pwrite(fd, zero, sizeof zero,
                   sizeof(input32::trace_format::Header) + sizeof(input32::trace_format::Record)),
            static_cast<ssize_t>(sizeof zero));
  close(fd);
  const auto trace = input32::ReadTrace(file);
  ASSERT_TRUE(trace);
  EXPECT_EQ(Written(trace->records),
            (std::vector<TraceRecord>{{0, 888, 1, Access::Write}, {0, 888, 3, Access::Write}}));
}

struct BadTraceRow {
  std::string name;
  std::string content;  // empty: no file at all
};

void PrintTo(const BadTraceRow& row, std::ostream* out) { *out << row.name; }

class BadTrace : public ::testing::TestWithParam<BadTraceRow> {};

TEST_P(BadTrace, IsRefusedWithAReason) {
  TempDir dir;
  const auto file = dir.path() / input32::kTraceFileName;
  if (!GetParam().content.empty()) std::ofstream(file, std::ios::binary) << GetParam().content;
  std::string error;
  EXPECT_FALSE(input32::ReadTrace(file, &error).has_value());
  EXPECT_NE(error.find(input32::kTraceFileName), std::string::npos) << error;
}

INSTANTIATE_TEST_SUITE_P(
    Table, BadTrace,
    ::testing::Values(BadTraceRow{"missing", ""}, BadTraceRow{"short", "VKSIMTRC"},
                      BadTraceRow{"foreign", std::string(64, 'x')},
                      BadTraceRow{"other version", std::string("VKSIMTRC\x09\0\0\0\x10\0\0\0", 16) +
                                                       std::string(48, '\0')}));

TEST(Trace, ForeignFileIsStartedAnewByTheWriter) {
  TempDir dir;
  const auto file = dir.path() / input32::kTraceFileName;
  std::ofstream(file, std::ios::binary) << std::string(100, 'x');
  TraceWriter::Open(file, TraceWriter::kDefaultLimit)->Append(632, 7, Access::Read);
  const auto trace = input32::ReadTrace(file);
  ASSERT_TRUE(trace);
  EXPECT_EQ(Written(trace->records), (std::vector<TraceRecord>{{0, 632, 7, Access::Read}}));
}

}  // namespace

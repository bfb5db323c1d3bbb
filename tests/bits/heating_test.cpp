// The heating bursts against a recording fake port and clock.
#include <gtest/gtest.h>

#include "bits/heating.h"
#include "bits_fixtures.h"

namespace {

using platform::Variant;
using Access = vk_test::FakeHeatingIo::Access;

// Writes to the control register, split where the heating bit changes.
struct Parts {
  int on = 0, off = 0, switches = 0;
};
Parts CountParts(const std::vector<Access>& writes, int bitMask) {
  Parts p;
  bool previous = false;
  for (std::size_t i = 0; i < writes.size(); ++i) {
    const bool on = (writes[i].value & bitMask) != 0;
    (on ? p.on : p.off)++;
    if (i > 0 && on != previous) ++p.switches;
    previous = on;
  }
  return p;
}

TEST(ThreadChauffeTest, Pin16TouchesOnlyBit2OfTheControlRegister) {
  vk_test::FakeHeatingIo io;
  io.registers[2] = 0xF1;  // other bits set; bit 2 off
  Variant indice = 50;
  std::int32_t pinTimer = 10, pinChauffe = 16;
  bits::ThreadChauffe(indice, pinTimer, pinChauffe, io);
  const std::vector<Access> writes = io.Writes();
  ASSERT_FALSE(writes.empty());
  for (const Access& a : io.log) EXPECT_EQ(a.address, 890);
  for (const Access& w : writes) EXPECT_EQ(w.value & ~0x04, 0xF1);
  const Parts parts = CountParts(writes, 0x04);
  EXPECT_GT(parts.on, 0);
  EXPECT_GT(parts.off, 0);
  EXPECT_EQ(parts.switches, 1);  // on first, then off
  EXPECT_NE(writes.front().value & 0x04, 0);
  EXPECT_EQ(io.registers[2], 0xF1);
  EXPECT_EQ(indice.toInt32(), 50);
}

struct LevelRow {
  Variant indice;
  std::int32_t pinChauffe;
  int bitMask;
  bool onPart, offPart;
  int indiceAfter;
};

TEST(ThreadChauffeTest, LevelsAndPinsChooseThePartsAndTheBit) {
  const std::vector<LevelRow> rows = {
      {0, 16, 0x04, false, true, 0}, {100, 16, 0x04, true, true, 99},
      {1, 14, 0x02, true, true, 1},  {50, 17, 0x08, true, true, 50},
      {50, 5, 0x01, true, true, 50}, {"75", 16, 0x04, true, true, 75},
  };
  for (const LevelRow& row : rows) {
    SCOPED_TRACE(row.indice.toString() + " pin " + std::to_string(row.pinChauffe));
    vk_test::FakeHeatingIo io;
    Variant indice = row.indice;
    std::int32_t pinTimer = 10, pinChauffe = row.pinChauffe;
    bits::ThreadChauffe(indice, pinTimer, pinChauffe, io);
    const Parts parts = CountParts(io.Writes(), row.bitMask);
    EXPECT_EQ(parts.on > 0, row.onPart);
    EXPECT_EQ(parts.off > 0, row.offPart);
    for (const Access& w : io.Writes()) EXPECT_EQ(w.value & ~row.bitMask, 0);
    EXPECT_EQ(indice.toInt32(), row.indiceAfter);
  }
}

TEST(ThreadChauffeTest, AClockWrapEndsAPartAtOnce) {
  vk_test::FakeHeatingIo io;
  io.now = 32767;
  io.readsPerTick = 2;  // the second reading already wraps below the start
  Variant indice = 50;
  std::int32_t pinTimer = 10, pinChauffe = 16;
  bits::ThreadChauffe(indice, pinTimer, pinChauffe, io);
  EXPECT_EQ(CountParts(io.Writes(), 0x04).on, 0);
}

TEST(ThreadChauffeTest, ANonNumericLevelFailsTheCall) {
  vk_test::FakeHeatingIo io;
  Variant indice = "chaud";
  std::int32_t pinTimer = 10, pinChauffe = 16;
  EXPECT_EQ(vk_test::ErrorOf([&] { bits::ThreadChauffe(indice, pinTimer, pinChauffe, io); }),
            platform::err::TypeMismatch);
  EXPECT_TRUE(io.log.empty());
}

struct OrigRow {
  Variant indice;
  int onSteps, offSteps, switches;
  int indiceAfter;
};

TEST(ThreadChauffeOrigTest, StepsFollowTheLevelInCyclesOf450) {
  const std::vector<OrigRow> rows = {
      {50, 225, 225, 1, 50},
      {33, 296, 602, 3, 33},  // 148 + 301 = 449: a second cycle
      {100, 441, 9, 1, 98},
      {0, 0, 450, 0, 0},
  };
  for (const OrigRow& row : rows) {
    SCOPED_TRACE(row.indice.toString());
    vk_test::FakeHeatingIo io;
    io.registers[2] = 0xC0;
    Variant indice = row.indice;
    std::int32_t pinTimer = 11, pinChauffe = 16;
    bits::ThreadChauffe_orig(indice, pinTimer, pinChauffe, io);
    const std::vector<Access> writes = io.Writes();
    const Parts parts = CountParts(writes, 0x04);
    EXPECT_EQ(parts.on, row.onSteps);
    EXPECT_EQ(parts.off, row.offSteps);
    EXPECT_EQ(parts.switches, row.switches);
    for (const Access& w : writes) {
      EXPECT_EQ(w.address, 890);
      EXPECT_EQ(w.value & ~0x04, 0xC0);
    }
    // Every step reads the status register (the timer input).
    int statusReads = 0;
    for (const Access& a : io.log) statusReads += !a.write && a.address == 889;
    EXPECT_EQ(statusReads, row.onSteps + row.offSteps);
    EXPECT_EQ(indice.toInt32(), row.indiceAfter);
    EXPECT_EQ(io.clockReads, 0);
  }
}

}  // namespace

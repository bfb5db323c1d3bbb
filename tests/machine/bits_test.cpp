// The module's bit routines on 32-bit words.
#include <gtest/gtest.h>

#include "machine/bits.h"

namespace {

using machine::BitMask;
using machine::BitSet;
using machine::BitTest;

struct MaskRow {
  int n;
  std::uint32_t mask;
};

class BitMaskTable : public ::testing::TestWithParam<MaskRow> {};

TEST_P(BitMaskTable, GivesThePowerOfTwoOrNothing) {
  EXPECT_EQ(static_cast<std::uint32_t>(BitMask(GetParam().n)), GetParam().mask);
}

INSTANTIATE_TEST_SUITE_P(Bits, BitMaskTable,
                         ::testing::Values(MaskRow{0, 1}, MaskRow{2, 4}, MaskRow{30, 0x40000000},
                                           MaskRow{31, 0x80000000}, MaskRow{32, 0},
                                           MaskRow{-1, 0}));

TEST(BitSet, SetsAndClearsOneBitInPlace) {
  std::int32_t value = 0;
  BitSet(value, 2, true);
  EXPECT_EQ(value, 4);
  BitSet(value, 31, true);
  EXPECT_EQ(static_cast<std::uint32_t>(value), 0x80000004u);
  BitSet(value, 2, false);
  EXPECT_EQ(static_cast<std::uint32_t>(value), 0x80000000u);
}

TEST(BitSet, OutOfRangeBitChangesNothingEitherWay) {
  std::int32_t value = 0x55;
  BitSet(value, 32, true);
  EXPECT_EQ(value, 0x55);
  BitSet(value, 32, false);
  EXPECT_EQ(value, 0x55);
  BitSet(value, -1, false);
  EXPECT_EQ(value, 0x55);
}

TEST(BitTest, TellsWhetherTheBitIsSet) {
  EXPECT_TRUE(BitTest(0x08, 3));
  EXPECT_FALSE(BitTest(0x08, 2));
  EXPECT_TRUE(BitTest(static_cast<std::int32_t>(0x80000000u), 31));
  EXPECT_FALSE(BitTest(-1, 32));
}

}  // namespace

// Data-register bytes of a move from the pin-mask tables.
#include <gtest/gtest.h>

#include "config/record.h"
#include "machine/composition.h"
#include "machine/move_code.h"

namespace {

// X1 2/3, X2 4/5, Y1 6/7, Y2 8/9 (step/direction).
config::Configuration WiredRecord() {
  config::Configuration record;
  record.Masques = config::PinMasks::AfterLoad();
  for (int motor = 1; motor <= 4; ++motor) {
    record.avanceOf(motor) = static_cast<std::int32_t>(2 * motor);
    record.sensOf(motor) = static_cast<std::int32_t>(2 * motor + 1);
  }
  return record;
}

struct CodeRow {
  const char* code;
  std::uint8_t sens;
  std::uint8_t pas;
};

class ComposeMoveTable : public ::testing::TestWithParam<CodeRow> {};

TEST_P(ComposeMoveTable, OrsTheMotorsBits) {
  const CodeRow& row = GetParam();
  const machine::MoveBytes bytes = machine::ComposeMove(WiredRecord(), row.code);
  EXPECT_EQ(bytes, (machine::MoveBytes{row.sens, row.pas})) << row.code;
}

INSTANTIATE_TEST_SUITE_P(
    Composition, ComposeMoveTable,
    ::testing::Values(CodeRow{"X1A", 0x02, 0x01},  // level A: the direction bit is set
                      CodeRow{"X1R", 0x00, 0x01},  // level B of a fresh load is 0
                      CodeRow{"Y1D", 0x20, 0x10}, CodeRow{"Y2M", 0x00, 0x40},
                      CodeRow{"X1AX2A", 0x0A, 0x05}, CodeRow{"Y1DY2D", 0xA0, 0x50},
                      CodeRow{"X1RX2AY1DY2M", 0x28, 0x55}, CodeRow{"", 0x00, 0x00}));

TEST(Composition, InvertedDirectionTakesTheOtherLevel) {
  config::Configuration record = WiredRecord();
  // "Inv." swaps the two entries of the direction pin.
  record.Masques->Masque_Sens_A.set(3, 0);
  record.Masques->Masque_Sens_B.set(3, 2);
  EXPECT_EQ(machine::ComposeMove(record, "X1A"), (machine::MoveBytes{0x00, 0x01}));
  EXPECT_EQ(machine::ComposeMove(record, "X1R"), (machine::MoveBytes{0x02, 0x01}));
}

TEST(Composition, UnassignedPinComposesNoBit) {
  config::Configuration record = WiredRecord();
  record.avanceOf(config::kMotorX2) = static_cast<std::int32_t>(15);
  record.sensOf(config::kMotorX2) = platform::Variant();
  EXPECT_EQ(machine::ComposeMove(record, "X2A"), (machine::MoveBytes{0x00, 0x00}));
}

TEST(MoveCode, FindsTheLetterOfEachMotor) {
  EXPECT_EQ(machine::LetterOf("X1RX2AY1DY2M", config::kMotorX1), 'R');
  EXPECT_EQ(machine::LetterOf("X1RX2AY1DY2M", config::kMotorY2), 'M');
  EXPECT_EQ(machine::LetterOf("X1AX2A", config::kMotorY1), '\0');
  EXPECT_EQ(machine::LetterOf("X1", config::kMotorX1), '\0');
}

}  // namespace

#include "config/record.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "platform/numtext.h"

namespace config {
namespace {

TEST(PinMasks, AfterLoadMapsPinToBitPMinusTwo) {
  const PinMasks masks = PinMasks::AfterLoad();
  for (int pin = 2; pin <= 9; ++pin) {
    EXPECT_EQ(masks.Masque_Avance.at(pin), 1u << (pin - 2)) << pin;
    EXPECT_EQ(masks.Masque_Sens_A.at(pin), 1u << (pin - 2)) << pin;
    EXPECT_EQ(masks.Masque_Sens_B.at(pin), 0u) << pin;
  }
}

TEST(PinMasks, PinsOutsideTheTableComposeNoBitAndCannotBeSet) {
  PinMaskTable table = PinMasks::AfterLoad().Masque_Avance;
  const PinMaskTable before = table;
  for (int pin : {-1, 0, 1, 10, 17, 32}) {
    EXPECT_EQ(table.at(pin), 0u) << pin;
    EXPECT_FALSE(table.set(pin, 0x80)) << pin;
  }
  EXPECT_EQ(table, before);
  EXPECT_TRUE(table.set(9, 0x01));
  EXPECT_EQ(table.at(9), 0x01u);
}

TEST(Configuration, InitialValuesAndAbsentTables) {
  const Configuration record;
  EXPECT_TRUE(record.X1_Avance.isEmpty());
  EXPECT_TRUE(record.Y2_Inv.isEmpty());
  EXPECT_EQ(record.Port, 888);
  EXPECT_EQ(record.Timer_Chauffe, 250);
  EXPECT_EQ(FileText(record.V_Max), "6");
  EXPECT_FALSE(record.Butees);
  EXPECT_FALSE(record.Carte_USB);
  EXPECT_FALSE(record.Masques.has_value());
  // Without tables every pin composes no bit.
  for (int pin = 0; pin <= 12; ++pin) {
    EXPECT_EQ(record.maskAvance(pin), 0u);
    EXPECT_EQ(record.maskSensA(pin), 0u);
    EXPECT_EQ(record.maskSensB(pin), 0u);
  }
}

TEST(Configuration, MotorNumbersReachTheNamedFields) {
  Configuration record;
  record.avanceOf(kMotorX2) = 5.0;
  record.sensOf(kMotorY1) = "6";
  record.nbPasOf(kMotorY2) = 400.0;
  record.invOf(kMotorX1) = 1.0;
  record.mmOf(kMotorY2) = 0.5;
  EXPECT_EQ(FileText(record.X2_Avance), "5");
  EXPECT_EQ(FileText(record.Y1_Sens), "6");
  EXPECT_EQ(FileText(record.Y2_NbPas), "400");
  EXPECT_EQ(FileText(record.X1_Inv), "1");
  EXPECT_EQ(record.Y2_mm, 0.5);
  EXPECT_TRUE(record.X1_Avance.isEmpty());
  EXPECT_THROW(record.avanceOf(0), std::out_of_range);
  EXPECT_THROW(record.mmOf(5), std::out_of_range);
}

struct TextRow {
  platform::Variant value;
  char separator;
  std::string fileText;
  std::int32_t integer;
};

TEST(FileText, WritesWhatTheFilesHaveAlwaysHeld) {
  const std::vector<TextRow> rows = {
      {platform::Variant(), '.', "", 0},
      {platform::Variant(3.0), '.', "3", 3},
      {platform::Variant(0.125), '.', "0.125", 0},
      {platform::Variant(0.125), ',', "0,125", 0},
      {platform::Variant(2.5), '.', "2.5", 2},
      {platform::Variant(std::int32_t{17}), '.', "17", 17},
      {platform::Variant("7"), '.', "7", 7},
      {platform::Variant(" "), '.', " ", 0},
      {platform::Variant("abc"), '.', "abc", 0},
      {platform::Variant("3,5"), ',', "3,5", 4},
      {platform::Variant(true), '.', "True", -1},
      {platform::Variant(1e12), '.', "1000000000000", 0},
  };
  for (const auto& row : rows) {
    platform::SetDecimalSeparator(row.separator);
    EXPECT_EQ(FileText(row.value), row.fileText) << row.fileText;
    EXPECT_EQ(IntegerOf(row.value), row.integer) << row.fileText;
  }
  platform::ResetDecimalSeparator();
}

}  // namespace
}  // namespace config

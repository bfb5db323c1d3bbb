// The widget-free rules of the window.
#include <gtest/gtest.h>

#include "platform/numtext.h"
#include "ui/field_rules.h"
#include "ui/pin_rules.h"

namespace {

class RulesTest : public ::testing::Test {
 protected:
  RulesTest() { platform::SetDecimalSeparator(','); }
  ~RulesTest() override { platform::ResetDecimalSeparator(); }
};

TEST_F(RulesTest, PinOutOfRange) {
  const struct {
    const char* text;
    bool out;
  } cases[] = {{"", false},  {"  ", false}, {"0", true},   {"-3", true}, {"abc", true},
               {"1", false}, {"9", false},  {"9.5", true}, {"10", true}};
  for (const auto& c : cases) EXPECT_EQ(ui::PinOutOfRange(c.text), c.out) << c.text;
}

TEST_F(RulesTest, UnassignedPinsConflictWithNothing) {
  ui::PinTexts texts = {"2", "0", "4", "0", "6", "7", "8", "2"};
  EXPECT_TRUE(ui::PinUsedElsewhere(texts, 0));
  EXPECT_TRUE(ui::PinUsedElsewhere(texts, 7));
  EXPECT_FALSE(ui::PinUsedElsewhere(texts, 1));
  EXPECT_FALSE(ui::PinUsedElsewhere(texts, 4));
}

TEST_F(RulesTest, PinListTextUsesTheLocaleSeparator) {
  EXPECT_EQ(ui::PinListText("2.5"), "2,5");
  EXPECT_EQ(ui::PinListText("2,5"), "2");
}

TEST_F(RulesTest, SidePinNumberRoundsHalvesToEven) {
  EXPECT_EQ(ui::SidePinNumber("16.5"), 16);
  EXPECT_EQ(ui::SidePinNumber("17.5"), 18);
  EXPECT_EQ(ui::SidePinNumber("x"), 0);
  EXPECT_EQ(ui::SidePinNumber("1e12"), 0);
}

TEST_F(RulesTest, Pourcentage) {
  const struct {
    int value, maximum, percent;
  } cases[] = {{1, 100, 1},     {50, 100, 50}, {1, 250, 0},  {249, 250, 99},
               {250, 250, 100}, {5, 0, 0},     {-1, 100, -1}};
  for (const auto& c : cases) {
    EXPECT_EQ(ui::Pourcentage(c.value, c.maximum), c.percent) << c.value << "/" << c.maximum;
  }
}

TEST_F(RulesTest, TidyDimension) {
  const struct {
    const char* text;
    bool clamp;
    const char* tidy;
  } cases[] = {{"", true, "30"},        {"", false, "30"},       {"2000", true, "1500"},
               {"2000", false, "2000"}, {"10", true, "30"},      {"0500", false, "500"},
               {"12,5", false, "12,5"}, {"7.5abc", false, "7,5"}};
  for (const auto& c : cases) {
    EXPECT_EQ(ui::TidyDimension(c.text, c.clamp).text, c.tidy) << c.text;
  }
}

TEST_F(RulesTest, StepAndMillimetreTidies) {
  EXPECT_EQ(ui::IntegerTidy(""), "0");
  EXPECT_EQ(ui::IntegerTidy("0200"), "200");
  EXPECT_DOUBLE_EQ(ui::DecimalTidy("0,0125"), 0.0125);
  EXPECT_DOUBLE_EQ(ui::DecimalTidy("0.5abc"), 0.5);
  EXPECT_DOUBLE_EQ(ui::DecimalTidy(""), 0);
}

}  // namespace

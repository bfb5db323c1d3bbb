// The pin lists, the "Inv." boxes, "Swap" and the side pins.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "config/record.h"
#include "ui/pin_panel.h"
#include "window_fixture.h"

namespace ui_test {
namespace {

class PinsTest : public WindowTest {
 protected:
  QComboBox* PinList(int index) { return Control<QComboBox>("Combo1", index); }

  // The user picks an item from the list (a popup cannot open offscreen).
  void Choose(QComboBox* list, const QString& item) {
    const int index = list->findText(item);
    ASSERT_GE(index, 0) << item.toStdString();
    list->setCurrentIndex(index);
    emit list->activated(index);
  }

  // The user types over the whole text.
  void Type(QComboBox* list, const QString& text) {
    list->lineEdit()->selectAll();
    QTest::keyClicks(list->lineEdit(), text);
  }

  std::uint8_t LevelA(int pin) const { return app->record.maskSensA(pin); }
  std::uint8_t LevelB(int pin) const { return app->record.maskSensB(pin); }
};

class InversionTest : public PinsTest, public ::testing::WithParamInterface<int> {};

TEST_P(InversionTest, X1DirectionIsSwappedExactlyOnceWhateverTheRefills) {
  Start(IniWith({{"sens", "X1_Inv", "1"}}));
  for (int round = 0; round < GetParam(); ++round) Reactivate();
  window->Afficher_Configuration();

  // X1's direction pin 5 (bit 3): the levels exchanged once.
  EXPECT_EQ(LevelA(5), 0);
  EXPECT_EQ(LevelB(5), 8);
  for (int pin : {2, 3, 4, 6, 7, 8, 9}) {
    EXPECT_EQ(LevelA(pin), 1 << (pin - 2)) << "pin " << pin;
    EXPECT_EQ(LevelB(pin), 0) << "pin " << pin;
  }
  EXPECT_TRUE(Control<QCheckBox>("Check2")->isChecked());
  EXPECT_FALSE(Control<QCheckBox>("Check4")->isChecked());
}

INSTANTIATE_TEST_SUITE_P(Refills, InversionTest, ::testing::Values(0, 1, 4));

TEST_F(PinsTest, UserToggleOfInvSwapsAndStoresProgramChangeDoesNot) {
  Start();
  auto* x2 = Control<QCheckBox>("Check4");  // X2, direction pin 3 (bit 1)
  x2->click();
  EXPECT_EQ(config::IntegerOf(app->record.X2_Inv), 1);
  EXPECT_EQ(LevelA(3), 0);
  EXPECT_EQ(LevelB(3), 2);
  x2->setChecked(false);  // by the program: no swap, no store
  EXPECT_EQ(config::IntegerOf(app->record.X2_Inv), 1);
  EXPECT_EQ(LevelB(3), 2);
  x2->click();
  x2->click();  // off then on again: back to swapped
  EXPECT_EQ(LevelA(3), 0);
  EXPECT_EQ(LevelB(3), 2);
}

TEST_F(PinsTest, InverserSensIgnoresUnknownMotorsAndUnassignedPins) {
  Start(IniWith({{"sens", "Y2_Sens", "0"}}));
  const config::PinMasks before = *app->record.Masques;
  window->pinPanel().Inverser_Sens(0);
  window->pinPanel().Inverser_Sens(5);
  window->pinPanel().Inverser_Sens(config::kMotorY2);
  EXPECT_EQ(*app->record.Masques, before);
}

struct ChoiceCase {
  const char* name;
  int element;
  const char* typed;  // typed before choosing; nullptr: an item is chosen
  const char* item;
  std::vector<std::string> titles;  // of the boxes shown, in order
  const char* listText;
  const char* field;
};

class ChoiceTest : public PinsTest, public ::testing::WithParamInterface<ChoiceCase> {};

TEST_P(ChoiceTest, ChoiceIsCheckedAndStored) {
  const ChoiceCase& c = GetParam();
  Start();
  QComboBox* list = PinList(c.element);
  if (c.typed != nullptr) {
    Type(list, QString::fromLatin1(c.typed));
    emit list->activated(list->currentIndex());
  } else {
    Choose(list, QString::fromLatin1(c.item));
  }
  ASSERT_EQ(boxes->shown().size(), c.titles.size());
  for (std::size_t i = 0; i < c.titles.size(); ++i) {
    EXPECT_EQ(boxes->shown()[i].title, c.titles[i]);
  }
  EXPECT_EQ(list->currentText().toStdString(), c.listText);
  const int motor = c.element / 2 + 1;
  const platform::Variant& field =
      c.element % 2 == 0 ? app->record.avanceOf(motor) : app->record.sensOf(motor);
  EXPECT_EQ(config::FileText(field), c.field);
}

INSTANTIATE_TEST_SUITE_P(
    Choices, ChoiceTest,
    ::testing::Values(
        // X1's direction is on 5: X2's step cannot take it.
        ChoiceCase{"ConflictBlanks", 2, nullptr, "5", {"VKSETUP"}, "0", "0"},
        ChoiceCase{"FreePinStored", 2, nullptr, "4", {}, "4", "4"},
        // Out of range: message 29 of the language (the utility's box), "2",
        // which X1's step already uses.
        ChoiceCase{"OutOfRangeThenUsed", 3, "12", nullptr, {"VELKOR", "VKSETUP"}, "0", "0"},
        ChoiceCase{"OutOfRangeFree", 0, "12", nullptr, {"VELKOR"}, "2", "2"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(PinsTest, OutOfRangeMessageComesFromTheLanguageFile) {
  Start();
  QComboBox* list = PinList(0);
  Type(list, "0");
  emit list->activated(list->currentIndex());
  ASSERT_EQ(boxes->shown().size(), 1u);
  EXPECT_NE(boxes->shown()[0].text.find("2 à 9"), std::string::npos) << boxes->shown()[0].text;
}

TEST_F(PinsTest, TypedPinIsKeptUncheckedAndReachesTheRecordOnSave) {
  Start();
  QComboBox* list = PinList(0);
  Type(list, "12");
  EXPECT_EQ(list->currentText(), "12");
  EXPECT_TRUE(boxes->shown().empty());
  EXPECT_EQ(config::FileText(app->record.X1_Avance), "2");
  Control<QPushButton>("Command3", 0)->click();
  EXPECT_EQ(IniValue(ini(), "Avance", "X1_Avance"), "12");
}

struct ChangeCase {
  const char* typed;
  const char* settled;
};

class ChangeRuleTest : public PinsTest, public ::testing::WithParamInterface<ChangeCase> {};

TEST_P(ChangeRuleTest, TextSettlesOnItsLeadingNumber) {
  Start();
  QComboBox* list = PinList(4);
  list->setEditText(QString::fromLatin1(GetParam().typed));
  EXPECT_EQ(list->currentText().toStdString(), GetParam().settled);
  EXPECT_TRUE(boxes->shown().empty());
}

INSTANTIATE_TEST_SUITE_P(Texts, ChangeRuleTest,
                         ::testing::Values(ChangeCase{"", "0"}, ChangeCase{" ", "0"},
                                           ChangeCase{"abc", "0"}, ChangeCase{"5b", "5"},
                                           ChangeCase{"07", "7"}, ChangeCase{"12", "12"}));

TEST_F(PinsTest, SwapTwiceRestoresAndLeavesTheRecordAlone) {
  Start();
  const ui::PinTexts before = window->pinPanel().pinTexts();
  const config::Configuration& record = app->record;
  auto* swap = Control<QPushButton>("Command5");
  swap->click();
  const ui::PinTexts swapped = window->pinPanel().pinTexts();
  EXPECT_EQ(swapped, (ui::PinTexts{"4", "3", "2", "5", "8", "9", "6", "7"}));
  EXPECT_EQ(config::FileText(record.X1_Avance), "2");
  EXPECT_EQ(config::FileText(record.X2_Sens), "3");
  swap->click();
  EXPECT_EQ(window->pinPanel().pinTexts(), before);
  EXPECT_TRUE(boxes->shown().empty());
}

TEST_F(PinsTest, SidePinsFallBackToTheirFirstItem) {
  Start(IniWith({{"Pins", "Pin_Chauffe", "14"}}));
  auto* heating = Control<QComboBox>("ComboP");
  EXPECT_EQ(heating->currentText(), "14");
  EXPECT_EQ(app->record.Pin_Chauffe, 14);
  heating->setEditText("abc");
  EXPECT_EQ(heating->currentText(), "14");
  EXPECT_EQ(app->record.Pin_Chauffe, 14);
  heating->setEditText("16");
  EXPECT_EQ(app->record.Pin_Chauffe, 16);
  auto* motors = Control<QComboBox>("ComboM");
  motors->setEditText("12.5");
  EXPECT_EQ(app->record.Pin_Moteur, 12);
}

}  // namespace
}  // namespace ui_test

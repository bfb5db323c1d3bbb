// The Qt motor test window over its model, and the "&Jauge" toggle.
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "machine/position.h"
#include "machine/test_avance.h"
#include "machine_fixture.h"

namespace machine_test {
namespace {

class TestAvanceWindow : public MachineTest {
 protected:
  machine::Jauge& Jauge() {
    if (!jauge_) jauge_ = std::make_unique<machine::Jauge>(Context());
    return *jauge_;
  }
  void TearDown() override {
    jauge_.reset();
    MachineTest::TearDown();
  }

 private:
  std::unique_ptr<machine::Jauge> jauge_;
};

TEST_F(TestAvanceWindow, ShowsTheControlsWithTheirTexts) {
  machine::TEST_Avance& window = Jauge().Window();
  EXPECT_EQ(window.Check1()->text(), "Butée sur 0");
  EXPECT_EQ(window.Check2()->text(), "Butée sur Max");
  EXPECT_EQ(window.Command1()->text(), "&RAZ");
  EXPECT_EQ(window.Command2()->text(), "Ret &0rigine");
  for (int i = 0; i < 4; ++i) EXPECT_EQ(window.Text27(i)->text(), "0");
  EXPECT_TRUE(window.windowFlags() & Qt::WindowStaysOnTopHint);
}

TEST_F(TestAvanceWindow, JaugeShowsThenHides) {
  EXPECT_FALSE(Jauge().IsVisible());
  Jauge().Toggle(nullptr);
  EXPECT_TRUE(Jauge().IsVisible());
  Jauge().Toggle(nullptr);
  EXPECT_FALSE(Jauge().IsVisible());
}

TEST_F(TestAvanceWindow, CountedPositionsAppearInTheFields) {
  machine::TEST_Avance& window = Jauge().Window();
  machine::Affiche_Position(Context(), "X2A");
  EXPECT_EQ(window.Text27(1)->text(), "0.30");
}

TEST_F(TestAvanceWindow, KeysPassTheDecimalFilter) {
  machine::TEST_Avance& window = Jauge().Window();
  QLineEdit* field = window.Text27(0);
  field->clear();
  QTest::keyClicks(field, "1a.5.-");
  EXPECT_EQ(field->text(), "1,5") << "letters, a second separator and a late minus are dropped";
  EXPECT_EQ(Context().TestAvance().Text27(0), "1,5");
}

TEST_F(TestAvanceWindow, TypedPositionBeyondTheTravelStops) {
  machine::TEST_Avance& window = Jauge().Window();
  QTest::mouseClick(window.Check2(), Qt::LeftButton);
  EXPECT_EQ(Context().TestAvance().Check2(), 1);
  record_.Arret = 0;
  QLineEdit* field = window.Text27(2);
  field->clear();
  QTest::keyClicks(field, "301");
  EXPECT_EQ(record_.Arret, 1);
  EXPECT_EQ(boxes_->shown().size(), 1u);
}

TEST_F(TestAvanceWindow, RazButtonAsksFirst) {
  machine::TEST_Avance& window = Jauge().Window();
  Context().TestAvance().SetText27(3, "2.00");
  boxes_->QueueAnswer(platform::Answer::No);
  QTest::mouseClick(window.Command1(), Qt::LeftButton);
  EXPECT_EQ(window.Text27(3)->text(), "2.00");
  boxes_->QueueAnswer(platform::Answer::Yes);
  QTest::mouseClick(window.Command1(), Qt::LeftButton);
  EXPECT_EQ(window.Text27(3)->text(), "0");
}

}  // namespace
}  // namespace machine_test

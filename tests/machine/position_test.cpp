// Position moves, the position display and the motor test window's model.
#include <gtest/gtest.h>

#include <array>

#include "machine/jog.h"
#include "machine/position.h"
#include "machine/test_avance_model.h"
#include "machine_fixture.h"

namespace machine_test {
namespace {

using machine::TestAvanceModel;

class Position : public MachineTest {
 protected:
  TestAvanceModel& Jauge() { return Context().TestAvance(); }
  void SetPositions(const std::array<const char*, 4>& texts) {
    for (int i = 0; i < 4; ++i) Jauge().SetText27(i, texts[static_cast<std::size_t>(i)]);
  }
  std::array<std::string, 4> Fields() {
    return {Jauge().Text27(0), Jauge().Text27(1), Jauge().Text27(2), Jauge().Text27(3)};
  }
};

struct VaRow {
  std::array<const char*, 4> from;
  double mm;
  std::vector<MotorSteps> steps;
  std::array<std::string, 4> after;
};

class VaPosition : public Position, public ::testing::WithParamInterface<VaRow> {};

TEST_P(VaPosition, StepsEveryUnfinishedMotorOncePerGroup) {
  const VaRow& row = GetParam();
  for (int motor = 1; motor <= 4; ++motor) record_.mmOf(motor) = row.mm;
  SetPositions(row.from);
  EXPECT_EQ(machine::Va_Position(Context(), 0, 0, 0, 0), machine::MoveEnd::Done);
  EXPECT_EQ(StepGroups(), row.steps);
  EXPECT_EQ(Fields(), row.after);
  EXPECT_EQ(record_.Arret, 0) << "a normal end leaves the stop flag alone";
}

INSTANTIATE_TEST_SUITE_P(Position, VaPosition,
                         ::testing::Values(
                             // Remaining 0.1 and 1.5: after one group the sum is -0.9 + 0.5 < 0.
                             VaRow{{"0.1", "1.5", "0", "0"},
                                   1,
                                   {{1, false, 1}, {2, false, 1}},
                                   {"-0.90", "0.50", "0", "0"}},
                             // Finished motors leave the code, so their fields stop moving.
                             VaRow{{"0.6", "0.3", "-0.3", "0"},
                                   0.3,
                                   {{1, false, 2}, {2, false, 1}, {3, false, 1}},
                                   {"0.00", "0.00", "0.00", "0"}},
                             VaRow{{"-0.6", "0", "0.6", "0"},
                                   0.3,
                                   {{1, true, 2}, {3, true, 2}},
                                   {"0.00", "0", "0.00", "0"}},
                             VaRow{{"0", "0", "0", "0"}, 0.3, {}, {"0", "0", "0", "0"}}));

TEST_F(Position, StopDuringAPositionMoveClearsTheControlRegister) {
  SetPositions({"3", "0", "0", "0"});
  SetControl(0x04);
  window_.onPass = [this](long) {
    if (record_.Arret == 0 && Jauge().Text27(0) == "2.40") machine::Command2_Click(Context());
  };
  EXPECT_EQ(machine::Va_Position(Context(), 0, 0, 0, 0), machine::MoveEnd::Stopped);
  EXPECT_EQ(Jauge().Text27(0), "2.40");
  EXPECT_EQ(Register(2), 0x00);
}

TEST_F(Position, RetOrigineEnablesMovesAndDisables) {
  SetControl(0x08);
  SetPositions({"0.3", "0", "0", "0"});
  EXPECT_EQ(Jauge().Command2_Click(), machine::MoveEnd::Done);
  EXPECT_EQ(StepGroups(), (std::vector<MotorSteps>{{1, false, 1}}));
  EXPECT_EQ(Jauge().Text27(0), "0.00");
  EXPECT_TRUE(Register(2) & kEnableBit);
}

TEST_F(Position, DisplayCountsUpForForwardAndUpAndDownOtherwise) {
  machine::Affiche_Position(Context(), "X1AX2A");
  machine::Affiche_Position(Context(), "Y1DY2M");
  machine::Affiche_Position(Context(), "X2R");
  EXPECT_EQ(Fields(), (std::array<std::string, 4>{"0.30", "0.00", "-0.30", "0.30"}));
  EXPECT_EQ(window_.passes, 3) << "one pending-input check per display update";
}

struct EndStopRow {
  int check1;
  int check2;
  int index;
  const char* text;
  bool stops;
  const char* fieldAfter;
};

class EndStop : public Position, public ::testing::WithParamInterface<EndStopRow> {};

TEST_P(EndStop, StopsTheMoveWithMessage38) {
  const EndStopRow& row = GetParam();
  record_.Arret = 0;
  Jauge().SetCheck1(row.check1);
  Jauge().SetCheck2(row.check2);
  Jauge().SetText27(row.index, row.text);

  EXPECT_EQ(boxes_->shown().size(), row.stops ? 1u : 0u);
  EXPECT_EQ(record_.Arret, row.stops ? 1 : 0);
  EXPECT_EQ(Jauge().Text27(row.index), row.fieldAfter);
}

INSTANTIATE_TEST_SUITE_P(
    Position, EndStop,
    ::testing::Values(EndStopRow{1, 0, 0, "-0.50", false, "-0.50"},
                      EndStopRow{1, 0, 0, "-0.51", true, "0"},
                      EndStopRow{0, 0, 0, "-0.51", false, "-0.51"},
                      EndStopRow{0, 1, 1, "500.00", false, "500.00"},
                      EndStopRow{0, 1, 1, "500.01", true, "500.01"},
                      EndStopRow{0, 1, 3, "300.01", true, "300.01"},  // Y against Hauteur
                      EndStopRow{0, 1, 2, "400", true, "400"},        // Y against Hauteur
                      EndStopRow{0, 1, 0, "400", false, "400"},       // X against Longueur
                      EndStopRow{1, 1, 2, "", false, "0"}));

TEST_F(Position, UpperEndLooksAtEveryField) {
  Jauge().SetText27(0, "600");
  Jauge().SetCheck2(1);
  record_.Arret = 0;
  Jauge().SetText27(3, "1");
  EXPECT_EQ(record_.Arret, 1);
  EXPECT_EQ(boxes_->shown().size(), 1u);
}

TEST_F(Position, LowerEndStopsARunningJog) {
  window_.speed = {100, 1, 100};
  window_.text12 = "3";  // 10 steps backward
  Jauge().SetCheck1(1);
  machine::Command1_Click(Context(), 2);

  EXPECT_EQ(StepGroups(), (std::vector<MotorSteps>{{1, false, 2}}));
  EXPECT_EQ(Jauge().Text27(0), "0");
  EXPECT_EQ(boxes_->shown().size(), 1u);
}

TEST_F(Position, LoadChecksBothBoxesWhenTheMachineHasEndStops) {
  record_.Butees = true;
  EXPECT_EQ(Jauge().Check1(), 1);
  EXPECT_EQ(Jauge().Check2(), 1);
}

TEST_F(Position, LoadLeavesBothBoxesClearWithoutEndStops) {
  EXPECT_EQ(Jauge().Check1(), 0);
  EXPECT_EQ(Jauge().Check2(), 0);
}

struct RazRow {
  platform::Answer answer;
  std::array<std::string, 4> after;
};

class Raz : public Position, public ::testing::WithParamInterface<RazRow> {};

TEST_P(Raz, ResetsThePositionsUnlessAnsweredNo) {
  SetPositions({"1.20", "-0.30", "2", "0.60"});
  boxes_->QueueAnswer(GetParam().answer);
  Jauge().Command1_Click();
  ASSERT_EQ(boxes_->shown().size(), 1u);
  EXPECT_EQ(boxes_->shown()[0].text, "RAZ ?");
  EXPECT_EQ(boxes_->shown()[0].title, "ATTENTION");
  EXPECT_EQ(boxes_->shown()[0].buttons, platform::Buttons::YesNo);
  EXPECT_EQ(Fields(), GetParam().after);
}

INSTANTIATE_TEST_SUITE_P(Position, Raz,
                         ::testing::Values(RazRow{platform::Answer::No,
                                                  {"1.20", "-0.30", "2", "0.60"}},
                                           RazRow{platform::Answer::Yes, {"0", "0", "0", "0"}}));

}  // namespace
}  // namespace machine_test

// Jogs, STOP and the control-register operations on the simulated port.
#include <gtest/gtest.h>

#include "machine/jog.h"
#include "machine/pacing.h"
#include "machine/port_control.h"
#include "machine/step_loop.h"
#include "machine/test_avance_model.h"
#include "machine_fixture.h"

namespace machine_test {
namespace {

using machine::StopButtonColour;

class Jog : public MachineTest {
 protected:
  void SetUp() override {
    MachineTest::SetUp();
    window_.speed = {100, 1, 100};  // 3 ms per step at 0.3 mm: longer than a heating window
  }
  std::string Field(int index) { return Context().TestAvance().Text27(index); }
};

TEST_F(Jog, OneMillimetreAtPointThreeMakesFourStepsAndShowsOnePointTwo) {
  window_.text12 = "1";
  machine::Command1_Click(Context(), 1);

  EXPECT_EQ(StepGroups(), (std::vector<MotorSteps>{{1, true, 4}}));
  EXPECT_EQ(Field(0), "1.20");
  EXPECT_EQ(Field(1), "0");
  EXPECT_EQ(record_.Arret, 1);
  EXPECT_EQ(window_.modelRebuilds, 1);
  EXPECT_TRUE(Register(2) & kEnableBit) << "motors disabled after the jog";
  EXPECT_EQ(window_.colours.front(), StopButtonColour::Yellow);
  EXPECT_EQ(window_.colours.back(), StopButtonColour::ButtonFace);
}

TEST_F(Jog, DirectionSettlesBeforeTheFirstStep) {
  machine::Command1_Click(Context(), 1);
  const auto steps = Steps();
  ASSERT_FALSE(steps.empty());
  ASSERT_TRUE(steps.front().directionSetup.has_value());
  EXPECT_GE(*steps.front().directionSetup, machine::kPulseWaitTicks);
  for (const auto& step : steps) {
    ASSERT_TRUE(step.pulseWidth.has_value());
    EXPECT_GE(*step.pulseWidth, machine::kPulseWaitTicks);
  }
}

struct GuillotineRow {
  int index;
  int synchroniser;
  std::vector<MotorSteps> steps;  // in order of first appearance
};

class Guillotine : public Jog, public ::testing::WithParamInterface<GuillotineRow> {};

TEST_P(Guillotine, RunsTheMirrorMoveBackOverTheSameDistance) {
  const GuillotineRow& row = GetParam();
  window_.text12 = "1.2";
  window_.text9 = "1.2";
  window_.check10 = row.synchroniser;
  window_.check11 = 1;
  machine::Command1_Click(Context(), row.index);

  EXPECT_EQ(StepGroups(), row.steps);
  for (const auto& group : row.steps) EXPECT_EQ(Field(group.motor - 1), "0.00");
}

INSTANTIATE_TEST_SUITE_P(
    Jog, Guillotine,
    ::testing::Values(
        GuillotineRow{1, 0, {{1, true, 4}, {1, false, 4}}},
        GuillotineRow{1, 1, {{1, true, 4}, {2, true, 4}, {1, false, 4}, {2, false, 4}}},
        GuillotineRow{6, 1, {{1, false, 4}, {2, false, 4}, {1, true, 4}, {2, true, 4}}},
        GuillotineRow{0, 0, {{3, true, 4}, {3, false, 4}}},
        GuillotineRow{7, 0, {{4, false, 4}, {4, true, 4}}},
        GuillotineRow{4, 1, {{3, true, 4}, {4, true, 4}, {3, false, 4}, {4, false, 4}}}));

struct PairRow {
  int index;
  std::vector<MotorSteps> steps;
  std::string y1;
  std::string y2;
};

class SynchronisedDown : public Jog, public ::testing::WithParamInterface<PairRow> {};

TEST_P(SynchronisedDown, TakesTheDistanceAndStepOfTheArrowsSide) {
  record_.mmOf(config::kMotorY1) = 0.25;
  record_.mmOf(config::kMotorY2) = 0.5;
  window_.text12 = "1";
  window_.text9 = "1";
  window_.check10 = 1;
  machine::Command1_Click(Context(), GetParam().index);

  EXPECT_EQ(StepGroups(), GetParam().steps);
  EXPECT_EQ(Field(2), GetParam().y1);
  EXPECT_EQ(Field(3), GetParam().y2);
}

INSTANTIATE_TEST_SUITE_P(Jog, SynchronisedDown,
                         ::testing::Values(  // Text9 / Y2_mm: 2 steps; Text12 / Y1_mm: 4 steps
                             PairRow{4, {{3, true, 2}, {4, true, 2}}, "-0.50", "-1.00"},
                             PairRow{0, {{3, true, 4}, {4, true, 4}}, "-1.00", "-2.00"}));

class EmptyHeatingWindow : public Jog, public ::testing::WithParamInterface<const char*> {};

TEST_P(EmptyHeatingWindow, IssuesNoStepUntilStop) {
  window_.indice = GetParam();
  window_.onPass = [this](long pass) {
    if (pass == 50) machine::Command2_Click(Context());
  };
  machine::Command1_Click(Context(), 1);

  EXPECT_TRUE(Steps().empty());
  EXPECT_GE(window_.passes, 50);
  EXPECT_EQ(window_.heatingStops, 1);
  EXPECT_EQ(record_.Arret, 1);
}

INSTANTIATE_TEST_SUITE_P(Jog, EmptyHeatingWindow, ::testing::Values("0", "1"));

TEST_F(Jog, StopEndsTheMoveAtTheEndOfItsHeatingWindowWithMotorsAndHeatingOff) {
  window_.text12 = "30";  // 100 steps
  window_.check11 = 1;    // no mirror move after a STOP
  window_.pbChauffe = 1;
  window_.onPass = [this](long) {
    if (record_.Arret == 0 && Context().TestAvanceLoaded() && Field(0) == "0.90") {
      machine::Command2_Click(Context());
    }
  };
  machine::Command1_Click(Context(), 1);

  EXPECT_EQ(StepGroups(), (std::vector<MotorSteps>{{1, true, 3}}));
  EXPECT_EQ(Field(0), "0.90");
  EXPECT_EQ(window_.pbChauffe, 0);
  EXPECT_EQ(window_.heatingStops, 1);
  const std::uint8_t control = Register(2);
  EXPECT_TRUE(control & kEnableBit);
  EXPECT_FALSE(control & kHeatingBit);
  // The heating was on during the move.
  const auto control_accesses = ControlAccesses();
  EXPECT_TRUE(std::any_of(control_accesses.begin(), control_accesses.end(), [](const auto& r) {
    return r.access == input32::Access::Write && (r.value & kHeatingBit);
  }));
}

TEST_F(Jog, HeatingThresholdOf9999KeepsTheHeatingOffFor9998Ticks) {
  window_.indice = "100";  // 2.5 ms windows
  window_.hscroll11 = 1;
  window_.pbChauffe = 1;
  window_.speed = {1, 1, 6};
  window_.onPass = [this](long pass) {
    if (pass == 15000) machine::Command2_Click(Context());
  };
  record_.Arret = 0;  // as a jog starts
  EXPECT_EQ(machine::Deplace_LPT(Context(), 1000, 0, 0x01, "X1A"), machine::MoveEnd::Stopped);

  std::vector<bool> heating;
  for (const auto& access : ControlAccesses()) {
    if (access.access == input32::Access::Write) heating.push_back(access.value & kHeatingBit);
  }
  ASSERT_GT(heating.size(), 9999u);
  EXPECT_EQ(std::count(heating.begin(), heating.begin() + 9998, true), 0);
  EXPECT_TRUE(heating[9998]) << "on from the 9999th tick";
  EXPECT_FALSE(heating.back()) << "off after the stop";
}

TEST_F(Jog, StepPeriodUsesX1sMillimetresForEveryMove) {
  record_.X1_mm = 0.01;
  record_.Y1_mm = 0.5;
  window_.speed = {7, 1, 7};
  EXPECT_EQ(machine::StepPeriodOf(Context(), 100).raw(), 14);
}

TEST_F(Jog, UnsetMillimetresPerStepMakesNoMove) {
  record_.X1_mm = 0;
  EXPECT_EQ(machine::Avance_Manuelle(Context(), 1, 0), machine::MoveEnd::Done);
  EXPECT_TRUE(Steps().empty());
}

TEST_F(Jog, UsbCardWithoutItsStepLoopIssuesNothing) {
  record_.Carte_USB = true;
  EXPECT_EQ(machine::Deplace(Context(), 4, 0x02, 0x01, "X1A"), machine::MoveEnd::UsbUnavailable);
  EXPECT_TRUE(Steps().empty());
}

TEST_F(Jog, SpeedScrollBarShowsItsValue) {
  window_.speed = {5, 1, 6};
  machine::HScroll1_Change(Context());
  EXPECT_EQ(window_.indice1, "5");
}

struct EnableRow {
  std::uint8_t before;
  std::vector<input32::Access> accesses;
  std::uint8_t after;
};

class MoteursOn : public MachineTest, public ::testing::WithParamInterface<EnableRow> {};

TEST_P(MoteursOn, ClearsTheEnableBitAndWritesOnlyWhenItWasSet) {
  SetControl(GetParam().before);
  const std::size_t skip = ControlAccesses().size();
  ASSERT_TRUE(machine::Moteurs_On(Context()));

  std::vector<input32::Access> accesses;
  const auto all = ControlAccesses();
  for (std::size_t i = skip; i < all.size(); ++i) accesses.push_back(all[i].access);
  EXPECT_EQ(accesses, GetParam().accesses);
  EXPECT_EQ(Register(2), GetParam().after);
  EXPECT_EQ(Context().Etat_Sorties_USB, 0x20);
}

using input32::Access;
INSTANTIATE_TEST_SUITE_P(Jog, MoteursOn,
                         ::testing::Values(EnableRow{0x00, {Access::Read}, 0x00},
                                           EnableRow{0x04, {Access::Read}, 0x04},
                                           EnableRow{0x0C, {Access::Read, Access::Write}, 0x04}));

TEST_F(Jog, MoteursOffAndChauffeOffChangeOnlyTheirBit) {
  SetControl(0x05);
  ASSERT_TRUE(machine::Moteurs_Off(Context()));
  EXPECT_EQ(Register(2), 0x0D);
  window_.pbChauffe = 1;
  ASSERT_TRUE(machine::Chauffe_Off(Context()));
  EXPECT_EQ(Register(2), 0x09);
  EXPECT_EQ(window_.pbChauffe, 0);
  EXPECT_EQ(window_.pumps, 1);
}

TEST_F(Jog, HeatingPinOutsideTheTableAddressesControlBitZero) {
  record_.Pin_Chauffe = 15;
  SetControl(0x0F);
  ASSERT_TRUE(machine::Chauffe_Off(Context()));
  EXPECT_EQ(Register(2), 0x0E);
}

}  // namespace
}  // namespace machine_test

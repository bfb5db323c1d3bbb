// Step period, heating window and heating threshold.
#include <gtest/gtest.h>

#include "machine/pacing.h"
#include "platform/numtext.h"

namespace {

using platform::Currency;

struct PeriodRow {
  double speed;
  double nbPas;
  double x1mm;
  std::int64_t raw;  // 0.0001 s
};

class StepPeriodTable : public ::testing::TestWithParam<PeriodRow> {};

TEST_P(StepPeriodTable, IsRoundedToATenThousandthOfASecond) {
  const PeriodRow& row = GetParam();
  EXPECT_EQ(machine::StepPeriod(row.speed, row.nbPas, row.x1mm).raw(), row.raw);
}

INSTANTIATE_TEST_SUITE_P(
    Pacing, StepPeriodTable,
    ::testing::Values(PeriodRow{7, 100, 0.01, 14},  // 1.4286 ms
                      PeriodRow{7, 3.5, 0.01, 14},  // a fraction of a step changes nothing
                      PeriodRow{6, 4, 0.3, 500},    // 50 ms
                      PeriodRow{0, 4, 0.3, 3000},   // below the bar's minimum counts as 1
                      PeriodRow{6, 1, 0.0002, 0},   // under 0.00005 s: full speed
                      PeriodRow{6, 0, 0.3, 0}));    // nothing to pace

struct WindowRow {
  const char* indice;
  std::int64_t raw;
};

class HeatingWindowTable : public ::testing::TestWithParam<WindowRow> {};

TEST_P(HeatingWindowTable, IsAQuarterMillisecondPerTenPercent) {
  EXPECT_EQ(machine::HeatingWindow(GetParam().indice).raw(), GetParam().raw);
}

INSTANTIATE_TEST_SUITE_P(Pacing, HeatingWindowTable,
                         ::testing::Values(WindowRow{"0", 0}, WindowRow{"1", 0}, WindowRow{"2", 0},
                                           WindowRow{"4", 1},
                                           WindowRow{"50", 12},  // 0.00125, halves to even
                                           WindowRow{"100", 25}, WindowRow{"", 0}));

struct ThresholdRow {
  int r;
  int threshold;
};

class HeatingThresholdTable : public ::testing::TestWithParam<ThresholdRow> {};

TEST_P(HeatingThresholdTable, FollowsTheHeatingScrollBar) {
  EXPECT_EQ(machine::HeatingThreshold(GetParam().r), GetParam().threshold);
}

INSTANTIATE_TEST_SUITE_P(Pacing, HeatingThresholdTable,
                         ::testing::Values(ThresholdRow{0, 17}, ThresholdRow{1, 9999},
                                           ThresholdRow{2, 17}, ThresholdRow{50, 14},
                                           ThresholdRow{100, 11}));

}  // namespace

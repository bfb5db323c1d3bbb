#include "platform/clock.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <limits>
#include <thread>

namespace {

using platform::Currency;

struct CurrencyRow {
  double seconds;
  std::int64_t raw;
};

class CurrencyRows : public ::testing::TestWithParam<CurrencyRow> {};

// Rounded to 0.0001 with halves to even, judged on the decimal text of the
// double: 0.00015 is a tie (to 0.0002) although its binary value x 10000 is
// 1.4999999999999998.
TEST_P(CurrencyRows, FromDoubleRoundsHalfEvenOnDecimalText) {
  EXPECT_EQ(Currency::FromDouble(GetParam().seconds).raw(), GetParam().raw) << GetParam().seconds;
}

constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();

INSTANTIATE_TEST_SUITE_P(
    Rows, CurrencyRows,
    ::testing::Values(CurrencyRow{0, 0}, CurrencyRow{0.0042, 42}, CurrencyRow{250, 2'500'000},
                      CurrencyRow{0.00145, 14}, CurrencyRow{0.00155, 16}, CurrencyRow{0.00015, 2},
                      CurrencyRow{0.00025, 2}, CurrencyRow{-0.00015, -2},
                      CurrencyRow{-0.00145, -14}, CurrencyRow{0.00005, 0},
                      CurrencyRow{0.00015000001, 2}, CurrencyRow{0.00004999, 0},
                      CurrencyRow{0.00006, 1},
                      CurrencyRow{1.0 / 700, 14},  // 0.01 mm at 7 mm/s: 1.4286 ms
                      CurrencyRow{1.23456, 12346}, CurrencyRow{99999.99995, 1'000'000'000},
                      CurrencyRow{1e-300, 0}, CurrencyRow{1e20, kMax}, CurrencyRow{-1e20, kMin},
                      CurrencyRow{std::numeric_limits<double>::infinity(), kMax},
                      CurrencyRow{std::numeric_limits<double>::quiet_NaN(), 0}));

TEST(Currency, ValueAndOrder) {
  EXPECT_DOUBLE_EQ(Currency::FromRaw(14).value(), 0.0014);
  EXPECT_EQ(Currency::FromDouble(0.0014), Currency::FromRaw(14));
  EXPECT_LT(Currency::FromDouble(0.0014), Currency::FromDouble(0.0015));
  EXPECT_EQ(Currency().raw(), 0);
}

TEST(Clock, CounterCountsHundredNanoseconds) {
  const auto steady0 = std::chrono::steady_clock::now();
  const std::int64_t counter0 = platform::CounterNow();
  const std::uint32_t millis0 = platform::MillisNow();
  std::this_thread::sleep_for(std::chrono::milliseconds(30));
  const std::uint32_t millis1 = platform::MillisNow();
  const std::int64_t counter1 = platform::CounterNow();
  const auto steady1 = std::chrono::steady_clock::now();

  const auto steadyTicks =
      std::chrono::duration_cast<std::chrono::duration<std::int64_t, std::ratio<1, 10'000'000>>>(
          steady1 - steady0)
          .count();
  EXPECT_GE(counter1 - counter0, 300'000);
  // Both read the same monotonic clock: the counter's interval lies within the steady one.
  EXPECT_LE(counter1 - counter0, steadyTicks + 1);
  EXPECT_GE(platform::CounterSeconds(counter0, counter1), 0.03);
  EXPECT_GE(static_cast<std::uint32_t>(millis1 - millis0), 30u);
}

TEST(Clock, CounterNeverGoesBack) {
  std::int64_t previous = platform::CounterNow();
  for (int i = 0; i < 100000; ++i) {
    const std::int64_t now = platform::CounterNow();
    ASSERT_GE(now, previous);
    previous = now;
  }
}

TEST(Clock, Millis16IsLowBitsOfMillis) {
  const std::uint32_t before = platform::MillisNow();
  const std::int16_t low = platform::Millis16();
  const std::uint32_t after = platform::MillisNow();
  const auto lowBits = static_cast<std::uint16_t>(low);
  // Within [before, after] in 16-bit arithmetic, which wraps as the reading does.
  EXPECT_LE(static_cast<std::uint16_t>(lowBits - before),
            static_cast<std::uint16_t>(after - before));
}

}  // namespace

// Decoding of data-register writes into steps, directions, pulse widths and
// direction set-up times.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "input32/trace.h"

namespace {

using input32::Access;
using input32::StepEvent;
using input32::StepLines;
using input32::TraceRecord;

constexpr std::int16_t kData = 888;

TraceRecord W(std::int64_t ticks, std::uint8_t value, std::int16_t address = kData) {
  return {ticks, address, value, Access::Write};
}
TraceRecord R(std::int64_t ticks, std::uint8_t value, std::int16_t address = kData) {
  return {ticks, address, value, Access::Read};
}

StepEvent Step(int motor, std::int64_t rise, bool direction, std::uint8_t data,
               std::optional<std::int64_t> pulse, std::optional<std::int64_t> setup) {
  StepEvent event;
  event.motor = motor;
  event.rise = rise;
  event.direction = direction;
  event.data = data;
  event.pulseWidth = pulse;
  event.directionSetup = setup;
  return event;
}

struct DecodeRow {
  std::string name;
  std::vector<TraceRecord> records;
  std::vector<StepLines> motors;
  std::uint8_t initialData;
  std::vector<StepEvent> expected;
};

void PrintTo(const DecodeRow& row, std::ostream* out) { *out << row.name; }

class DecodeSteps : public ::testing::TestWithParam<DecodeRow> {};

TEST_P(DecodeSteps, Events) {
  const DecodeRow& row = GetParam();
  const std::vector<StepEvent> events =
      input32::DecodeSteps(row.records, kData, row.motors, row.initialData);
  ASSERT_EQ(events.size(), row.expected.size());
  for (std::size_t i = 0; i < events.size(); ++i) {
    SCOPED_TRACE("event " + std::to_string(i));
    EXPECT_EQ(events[i].motor, row.expected[i].motor);
    EXPECT_EQ(events[i].rise, row.expected[i].rise);
    EXPECT_EQ(events[i].direction, row.expected[i].direction);
    EXPECT_EQ(events[i].data, row.expected[i].data);
    EXPECT_EQ(events[i].pulseWidth, row.expected[i].pulseWidth);
    EXPECT_EQ(events[i].directionSetup, row.expected[i].directionSetup);
  }
}

const StepLines kX1{0x01, 0x02};
const StepLines kX2{0x04, 0x08};

INSTANTIATE_TEST_SUITE_P(
    Table, DecodeSteps,
    ::testing::Values(
        DecodeRow{"one motor, both directions",
                  {W(0, 0x02), W(10, 0x03), W(30, 0x02), W(50, 0x00), W(60, 0x01), W(65, 0x00)},
                  {kX1},
                  0,
                  {Step(0, 10, true, 0x03, 20, 10), Step(0, 60, false, 0x01, 5, 10)}},
        DecodeRow{"two motors stepping in one write",
                  {W(0, 0x0A), W(5, 0x0F), W(9, 0x0A)},
                  {kX1, kX2},
                  0,
                  {Step(0, 5, true, 0x0F, 4, 5), Step(1, 5, true, 0x0F, 4, 5)}},
        DecodeRow{
            "motors stepping one after the other keep their own widths",
            {W(0, 0x01), W(3, 0x05), W(4, 0x04), W(10, 0x00)},
            {kX1, kX2},
            0,
            {Step(0, 0, false, 0x01, 4, std::nullopt), Step(1, 3, false, 0x05, 7, std::nullopt)}},
        DecodeRow{"reads, the control register and the other base are not data writes",
                  {R(0, 0x01), W(1, 0x01, 890), W(2, 0x03, 632), W(4, 0x01), W(6, 0x00)},
                  {kX1},
                  0,
                  {Step(0, 4, false, 0x01, 2, std::nullopt)}},
        DecodeRow{"direction changed in the rising write has no set-up time",
                  {W(0, 0x00), W(7, 0x03)},
                  {kX1},
                  0,
                  {Step(0, 7, true, 0x03, std::nullopt, 0)}},
        DecodeRow{"a step bit high from the start is no rise",
                  {W(0, 0x01), W(5, 0x00), W(8, 0x01), W(9, 0x00)},
                  {kX1},
                  0x01,
                  {Step(0, 8, false, 0x01, 1, std::nullopt)}},
        DecodeRow{"a write that leaves the step bit high is no new step",
                  {W(0, 0x01), W(2, 0x01), W(4, 0x03), W(6, 0x02)},
                  {kX1},
                  0,
                  {Step(0, 0, false, 0x01, 6, std::nullopt)}},
        DecodeRow{"a line without direction bit always reads forward as false",
                  {W(0, 0xFE), W(3, 0xFF), W(5, 0xFE)},
                  {StepLines{0x01, 0x00}},
                  0,
                  {Step(0, 3, false, 0xFF, 2, std::nullopt)}},
        DecodeRow{"no writes, no steps", {}, {kX1}, 0, {}}));

}  // namespace

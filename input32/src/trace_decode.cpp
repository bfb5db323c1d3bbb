#include <cstddef>

#include "input32/trace.h"

namespace input32 {

std::vector<StepEvent> DecodeSteps(std::span<const TraceRecord> records, std::int16_t dataAddress,
                                   std::span<const StepLines> motors, std::uint8_t initialData) {
  std::vector<StepEvent> events;
  // Per motor: the event whose step bit is still high, and the last change
  // of its direction bit.
  std::vector<std::optional<std::size_t>> highStep(motors.size());
  std::vector<std::optional<std::int64_t>> directionChange(motors.size());
  std::uint8_t data = initialData;

  for (const TraceRecord& record : records) {
    if (record.access != Access::Write || record.address != dataAddress) continue;
    const std::uint8_t next = record.value;
    for (std::size_t m = 0; m < motors.size(); ++m) {
      const StepLines lines = motors[m];
      if (((data ^ next) & lines.direction) != 0) directionChange[m] = record.ticks;
      const bool wasHigh = (data & lines.step) != 0;
      const bool isHigh = (next & lines.step) != 0;
      if (!wasHigh && isHigh) {
        StepEvent event;
        event.motor = static_cast<int>(m);
        event.rise = record.ticks;
        event.direction = (next & lines.direction) != 0;
        event.data = next;
        if (directionChange[m]) event.directionSetup = record.ticks - *directionChange[m];
        highStep[m] = events.size();
        events.push_back(event);
      } else if (wasHigh && !isHigh && highStep[m]) {
        StepEvent& event = events[*highStep[m]];
        event.pulseWidth = record.ticks - event.rise;
        highStep[m].reset();
      }
    }
    data = next;
  }
  return events;
}

}  // namespace input32

#pragma once
// Step pacing and heating modulation of the parallel-port step loop. All
// durations are currency values rounded to 0.0001 s.
#include <string_view>

#include "platform/clock.h"

namespace machine {

// Period of one step of a move of nbPas steps at speed mm/s. The millimetres
// per step of X1 pace every move, whichever motors it drives. A speed below
// 1 (the scroll bar's minimum) counts as 1; a move without steps has period 0.
platform::Currency StepPeriod(double speed, double nbPas, double x1mm);

// Heating window: percentage x 0.0025 s / 100 (1 % and below round to 0).
platform::Currency HeatingWindow(std::string_view indiceText);

// Heating threshold from the heating scroll bar's value R: Int(|17.5 - R/17.5|),
// 9999 when R = 1.
int HeatingThreshold(int r);

// One wait of a step pulse: 201 empty rounds, and never shorter than
// kPulseWaitTicks by the counter so that a fast processor still gives the
// drivers a pulse they see.
inline constexpr std::int64_t kPulseWaitTicks = platform::kCounterFrequency / 200'000;  // 5 us
void PulseWait();

}  // namespace machine

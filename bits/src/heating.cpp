#include "bits/heating.h"

#include <cmath>

#include "bits/bit_helpers.h"

namespace bits {

namespace {

constexpr double kBurstMilliseconds = 0.5;
constexpr int kOrigCycleSteps = 450;

// Holds the heating bit at `on` for as long as the millisecond clock stays
// within `duration` of the start (and has not wrapped below it).
void HeatingPart(HeatingIo& io, std::int32_t bit, bool on, double duration) {
  const std::int16_t start = io.Millis16();
  for (;;) {
    const int elapsed = io.Millis16() - start;
    if (!(elapsed < duration && io.Millis16() >= start)) break;
    std::int32_t control = io.Inp32(kControlRegister);
    BitSet(control, bit, platform::VBool(on));
    io.Out32(kControlRegister, static_cast<std::int16_t>(control));
  }
}

}  // namespace

void ThreadChauffe(platform::Variant& Indice, std::int32_t& /*Pin_Timer*/,
                   std::int32_t& Pin_Chauffe, HeatingIo& io) {
  if (Indice.toDouble() == 100) Indice = std::int16_t{99};
  // The 1 ms timer resolution asked for here elsewhere is the clock's own.
  const double level = Indice.toDouble();
  const double onDuration = level * kBurstMilliseconds / 100;
  const double offDuration = (100 - level) * kBurstMilliseconds / 100;
  const std::int32_t bit = Bit_Equiv(Pin_Chauffe);
  HeatingPart(io, bit, true, onDuration);
  HeatingPart(io, bit, false, offDuration);
}

void ThreadChauffe_orig(platform::Variant& Indice, std::int32_t& Pin_Timer,
                        std::int32_t& Pin_Chauffe, HeatingIo& io) {
  const std::int32_t heatBit = Bit_Equiv(Pin_Chauffe);
  const std::int32_t timerBit = Bit_Equiv(Pin_Timer);
  std::int32_t kept = io.Inp32(kControlRegister);
  std::int64_t steps = 0;
  while (steps < kOrigCycleSteps) {
    if (Indice.toDouble() == 100) Indice = std::int16_t{98};
    const double onSteps = std::floor(kOrigCycleSteps * Indice.toDouble() / 100);
    for (double i = 0; i < onSteps; ++i) {
      // The timer input is read on every step but holds none back.
      std::int32_t status = io.Inp32(kStatusRegister);
      BitTest(status, timerBit);
      BitSet(kept, heatBit, platform::VBool(true));
      io.Out32(kControlRegister, static_cast<std::int16_t>(kept));
      ++steps;
    }
    const double offSteps = std::floor(kOrigCycleSteps * (100 - Indice.toDouble()) / 100);
    for (double i = 0; i < offSteps; ++i) {
      std::int32_t status = io.Inp32(kStatusRegister);
      BitTest(status, timerBit);
      kept = io.Inp32(kControlRegister);
      BitSet(kept, heatBit, platform::VBool(false));
      io.Out32(kControlRegister, static_cast<std::int16_t>(kept));
      ++steps;
    }
  }
}

}  // namespace bits

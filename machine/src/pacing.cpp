#include "machine/pacing.h"

#include <cmath>

#include "machine/field_value.h"

namespace machine {

platform::Currency StepPeriod(double speed, double nbPas, double x1mm) {
  if (nbPas <= 0) return platform::Currency{};
  const double v = speed < 1 ? 1 : speed;
  const double d = nbPas * x1mm;
  const double q = d / v;
  const double whole = std::floor(q);
  const double totalMs = whole * 1000 + (q - whole) * 1000;
  const double perStepMs = totalMs / nbPas;
  return platform::Currency::FromDouble(perStepMs / 1000);
}

platform::Currency HeatingWindow(std::string_view indiceText) {
  return platform::Currency::FromDouble(FieldValue(indiceText) * 0.0025 / 100);
}

int HeatingThreshold(int r) {
  if (r == 1) return 9999;
  return static_cast<int>(std::floor(std::fabs(17.5 - r / 17.5)));
}

void PulseWait() {
  const std::int64_t start = platform::CounterNow();
  volatile int round = 0;
  while (round <= 200) {
    const int next = round + 1;
    round = next;
  }
  while (platform::CounterNow() - start < kPulseWaitTicks) {
  }
}

}  // namespace machine

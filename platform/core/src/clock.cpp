#include "platform/clock.h"

#include <time.h>

#include <cmath>
#include <limits>

#include "decimal_digits.h"

namespace platform {

namespace {

timespec Monotonic() {
  timespec ts{};
  ::clock_gettime(CLOCK_MONOTONIC, &ts);
  return ts;
}

}  // namespace

std::int64_t CounterNow() {
  const timespec ts = Monotonic();
  return static_cast<std::int64_t>(ts.tv_sec) * kCounterFrequency + ts.tv_nsec / 100;
}

std::uint32_t MillisNow() {
  const timespec ts = Monotonic();
  const auto ms = static_cast<std::uint64_t>(ts.tv_sec) * 1000u +
                  static_cast<std::uint64_t>(ts.tv_nsec) / 1'000'000u;
  return static_cast<std::uint32_t>(ms);
}

// Rounded on the shortest decimal text of the double, so 0.00015 is the tie
// it reads as (and goes to the even 0.0002), not the binary value below it.
// Values beyond the range saturate; NaN gives 0.
Currency Currency::FromDouble(double seconds) {
  constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
  constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();
  if (std::isnan(seconds)) return FromRaw(0);
  if (std::isinf(seconds)) return FromRaw(seconds > 0 ? kMax : kMin);
  const detail::DecimalDigits d = detail::ShortestDecimal(seconds);
  const std::string digits = detail::RoundedDigits(d, 4, detail::Tie::ToEven);
  constexpr std::uint64_t kLimit = static_cast<std::uint64_t>(kMax) + 1;  // |kMin|
  std::uint64_t magnitude = 0;
  for (const char c : digits) {
    const auto digit = static_cast<std::uint64_t>(c - '0');
    if (magnitude > (kLimit - digit) / 10) {
      magnitude = kLimit;
      break;
    }
    magnitude = magnitude * 10 + digit;
  }
  if (d.negative)
    return FromRaw(magnitude >= kLimit ? kMin : -static_cast<std::int64_t>(magnitude));
  return FromRaw(magnitude >= kLimit ? kMax : static_cast<std::int64_t>(magnitude));
}

}  // namespace platform

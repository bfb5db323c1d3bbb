#pragma once
// Time bases: a 10 MHz high-resolution counter, a millisecond clock, and the
// 4-decimal fixed-point values every step and heating duration is held in.
#include <cstdint>

namespace platform {

inline constexpr std::int64_t kCounterFrequency = 10'000'000;  // ticks per second

// Monotonic counter in 100 ns ticks.
std::int64_t CounterNow();
// Seconds elapsed from start to now, in double precision.
inline double CounterSeconds(std::int64_t start, std::int64_t now) {
  return static_cast<double>(now - start) / static_cast<double>(kCounterFrequency);
}

// Milliseconds since an arbitrary origin (wraps at 2^32).
std::uint32_t MillisNow();
// The low 16 bits of MillisNow() as a signed number, as the heating loops read it.
inline std::int16_t Millis16() { return static_cast<std::int16_t>(MillisNow() & 0xFFFF); }

// Fixed point with four decimals (0.0001 s). Conversions round halves to even.
class Currency {
 public:
  constexpr Currency() = default;
  static Currency FromDouble(double seconds);
  static constexpr Currency FromRaw(std::int64_t tenThousandths) {
    Currency c;
    c.raw_ = tenThousandths;
    return c;
  }
  constexpr std::int64_t raw() const { return raw_; }
  constexpr double value() const { return static_cast<double>(raw_) / 10000.0; }
  friend constexpr bool operator==(Currency, Currency) = default;
  friend constexpr auto operator<=>(Currency, Currency) = default;

 private:
  std::int64_t raw_ = 0;
};

}  // namespace platform

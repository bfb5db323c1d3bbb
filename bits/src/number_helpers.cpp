#include "bits/number_helpers.h"

#include <cmath>

#include "platform/clock.h"
#include "platform/dispatch.h"
#include "platform/numtext.h"

namespace bits {

namespace {

double CheckedExp(double x) {
  const double e = std::exp(x);
  if (!std::isfinite(e)) throw platform::RuntimeError(platform::err::Overflow);
  return e;
}

std::int32_t RoundedLong(const platform::Variant& v) { return v.toInt32(); }

// The generator is reseeded from the clock on every draw, so one draw is a
// pure function of the clock reading.
double RandomFromClock() {
  std::uint64_t z = static_cast<std::uint64_t>(platform::CounterNow()) + 0x9E3779B97F4A7C15ull;
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  z ^= z >> 31;
  return static_cast<double>(z >> 11) * 0x1.0p-53;
}

std::int16_t Int16OrOverflow(double v) {
  if (v < -32768.0 || v > 32767.0) throw platform::RuntimeError(platform::err::Overflow);
  return static_cast<std::int16_t>(v);
}

}  // namespace

double Sinh(double z) { return (CheckedExp(z) - CheckedExp(-z)) / 2; }

double Cosh(double z) { return (CheckedExp(z) + CheckedExp(-z)) / 2; }

platform::Variant NombrePi() { return 4 * std::atan(1.0); }

float DegreeToRadian(float& AngleDegree) {
  const double radians = static_cast<double>(AngleDegree) * 3.14159265358979 / 180;
  return platform::Variant(radians).toFloat();
}

platform::Variant MakeRandom(platform::Variant& dblValue, platform::Variant& lngMax) {
  const std::int32_t dividend = RoundedLong(dblValue);
  const std::int32_t divisor = RoundedLong(platform::Variant(lngMax.toDouble() + 1));
  if (divisor == 0) throw platform::RuntimeError(platform::err::DivisionByZero);
  std::int32_t remainder = divisor == -1 ? 0 : dividend % divisor;
  if (remainder > lngMax.toDouble()) remainder = 0;
  return remainder < 0 ? -remainder : remainder;
}

std::int16_t IntegerRandom(std::int16_t& Lower, std::int16_t& Upper) {
  const std::int16_t span = Int16OrOverflow(static_cast<double>(Upper) - Lower + 1);
  return Int16OrOverflow(std::floor(RandomFromClock() * span) + Lower);
}

std::string CStr_(const platform::Variant& S) {
  std::string text = S.toString();
  for (char& c : text) {
    if (c == ',') c = '.';
  }
  return text;
}

}  // namespace bits

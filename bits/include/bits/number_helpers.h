#pragma once
// Small numeric routines: hyperbolic functions, pi, degrees to radians,
// bounded random numbers and locale-free number text.
#include <cstdint>
#include <string>

#include "platform/variant.h"

namespace bits {

// Both raise Overflow (6) when e^z or e^-z leaves the double range.
double Sinh(double z);
double Cosh(double z);
platform::Variant NombrePi();
float DegreeToRadian(float& AngleDegree);
// |round(dblValue) mod round(lngMax + 1)|, 0 when that exceeds lngMax.
platform::Variant MakeRandom(platform::Variant& dblValue, platform::Variant& lngMax);
// A random whole number in Lower..Upper, reseeded from the clock on every call.
std::int16_t IntegerRandom(std::int16_t& Lower, std::int16_t& Upper);
// The value as text in the user's format with every "," turned into ".".
std::string CStr_(const platform::Variant& S);

}  // namespace bits

#include "view3d/colour.h"

#include <algorithm>
#include <cmath>

namespace view3d {
namespace {

// Nearest integer with halves to even (the default rounding mode), kept
// inside the 16-bit range of a channel.
std::int16_t RoundChannel(double value) {
  const double r = std::nearbyint(value);
  return static_cast<std::int16_t>(std::clamp(r, -32768.0, 32767.0));
}

}  // namespace

ColourRGB ColourFromPacked(std::int32_t packed) {
  return {static_cast<std::int16_t>(packed & 255),
          static_cast<std::int16_t>((packed & 0xFF00) / 256),
          static_cast<std::int16_t>((packed & 0xFF0000) / 65536)};
}

std::int32_t ColourToPacked(const ColourRGB& c) { return c.R + 256 * c.G + 65536 * c.B; }

ColourRGB ColourAdd(const ColourRGB& a, const ColourRGB& b) {
  return {RoundChannel(a.R + b.R), RoundChannel(a.G + b.G), RoundChannel(a.B + b.B)};
}

ColourRGB ColourScale(const ColourRGB& c, float s) {
  return {RoundChannel(static_cast<double>(c.R) * s), RoundChannel(static_cast<double>(c.G) * s),
          RoundChannel(static_cast<double>(c.B) * s)};
}

ColourRGB ColourLerp(const ColourRGB& a, const ColourRGB& b, float t) {
  auto lerp = [t](int from, int to) {
    return RoundChannel(static_cast<double>(to - from) * t + from);
  };
  return {lerp(a.R, b.R), lerp(a.G, b.G), lerp(a.B, b.B)};
}

}  // namespace view3d

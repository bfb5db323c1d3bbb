#pragma once
// Integer colour triples of the shading. Packed colours are 0xBBGGRR.
#include <cstdint>

namespace view3d {

struct ColourRGB {
  std::int16_t R = 0, G = 0, B = 0;
  friend bool operator==(const ColourRGB&, const ColourRGB&) = default;
};

ColourRGB ColourFromPacked(std::int32_t packed);
std::int32_t ColourToPacked(const ColourRGB& c);
ColourRGB ColourAdd(const ColourRGB& a, const ColourRGB& b);
// Nearest integer, halves to even: 127.5 gives 128, 126.5 gives 126.
ColourRGB ColourScale(const ColourRGB& c, float s);
ColourRGB ColourLerp(const ColourRGB& a, const ColourRGB& b, float t);

}  // namespace view3d

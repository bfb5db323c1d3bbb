#pragma once
// The raster primitives the renderer paints with, on a PixelBuffer, clipped
// to it. A pixel (x, y) is the point (x, y); a triangle covers the pixels
// inside it, and the ones on its top and left edges, so triangles sharing an
// edge paint each pixel of it once. Coordinates must stay within +-2^28.
#include <array>
#include <cstdint>

#include "view3d/pixel_buffer.h"

namespace view3d {

struct Point {
  int x = 0;
  int y = 0;
  friend bool operator==(const Point&, const Point&) = default;
};

// Raster operations by their classic numbers.
enum class RasterOp : int {
  CopyPen = 13,   // the pen replaces the pixel
  MergePen = 15,  // the pen is ORed into the pixel
};

// Interior of the triangle in the fill colour. Degenerate triangles cover nothing.
void FillTriangle(PixelBuffer& surface, const std::array<Point, 3>& corners, Pixel fill,
                  RasterOp op);

// The same, then its three edges in the outline colour drawn over the interior.
void OutlinedTriangle(PixelBuffer& surface, const std::array<Point, 3>& corners, Pixel fill,
                      Pixel outline, RasterOp op);

// A line from one point to the other, the last pixel excluded (move to the
// first, line to the second).
void DrawLine(PixelBuffer& surface, Point from, Point to, Pixel colour, RasterOp op);

// A corner of a smooth-shaded triangle: 16-bit channels, whose high byte is
// the 8-bit colour.
struct GradientVertex {
  Point at;
  std::uint16_t red = 0, green = 0, blue = 0;
};

// Colours interpolated linearly across the triangle, copied into the pixels;
// the same coverage as FillTriangle.
void GradientTriangle(PixelBuffer& surface, const std::array<GradientVertex, 3>& corners);

}  // namespace view3d

#include "view3d/raster.h"

#include <algorithm>
#include <cmath>

namespace view3d {
namespace {

std::int64_t FloorDiv(std::int64_t n, std::int64_t d) {
  std::int64_t q = n / d;
  if (n % d != 0 && ((n < 0) != (d < 0))) --q;
  return q;
}

std::int64_t CeilDiv(std::int64_t n, std::int64_t d) { return -FloorDiv(-n, d); }

// Edge function E(x, y) = a*x + b*y + c of the directed edge p -> q: positive
// on the inner side of a triangle whose corners run p, q, r with E(r) > 0.
// Points exactly on a top or left edge belong to the triangle; on the other
// edges they belong to the neighbour.
struct Edge {
  std::int64_t a, b, c;
  std::int64_t bias;  // 0 for a top or left edge, 1 otherwise

  Edge(Point p, Point q) {
    const std::int64_t dx = q.x - p.x, dy = q.y - p.y;
    a = -dy;
    b = dx;
    c = dy * p.x - dx * p.y;
    const bool topLeft = (dy == 0 && dx > 0) || dy < 0;
    bias = topLeft ? 0 : 1;
  }
  std::int64_t At(std::int64_t x, std::int64_t y) const { return a * x + b * y + c; }
};

// The triangle as three edges, corners reordered so that the inside is
// positive; edge i lies opposite corner i. Empty when degenerate.
struct Coverage {
  bool swapped;  // corners 1 and 2 exchanged
  std::array<Point, 3> v;
  std::array<Edge, 3> edges;
  std::int64_t area2;

  explicit Coverage(const std::array<Point, 3>& c)
      : swapped(Edge(c[0], c[1]).At(c[2].x, c[2].y) < 0),
        v(swapped ? std::array<Point, 3>{c[0], c[2], c[1]} : c),
        edges{Edge(v[1], v[2]), Edge(v[2], v[0]), Edge(v[0], v[1])} {
    area2 = edges[2].At(v[2].x, v[2].y);
  }

  // Calls span(y, first, last) for every row of covered pixels on the surface.
  template <class SpanFn>
  void ForEachSpan(int width, int height, SpanFn&& span) const {
    if (area2 <= 0 || width <= 0 || height <= 0) return;
    const int top = std::max(0, std::min({v[0].y, v[1].y, v[2].y}));
    const int bottom = std::min(height - 1, std::max({v[0].y, v[1].y, v[2].y}));
    for (int y = top; y <= bottom; ++y) {
      std::int64_t lo = 0, hi = width - 1;
      for (const Edge& e : edges) {
        // a*x + k >= bias
        const std::int64_t k = e.b * y + e.c;
        if (e.a > 0) {
          lo = std::max(lo, CeilDiv(e.bias - k, e.a));
        } else if (e.a < 0) {
          hi = std::min(hi, FloorDiv(k - e.bias, -e.a));
        } else if (k < e.bias) {
          hi = -1;
        }
      }
      if (lo <= hi) span(y, static_cast<int>(lo), static_cast<int>(hi));
    }
  }
};

void PaintSpan(Pixel* row, int first, int last, Pixel colour, RasterOp op) {
  if (op == RasterOp::MergePen) {
    for (int x = first; x <= last; ++x) row[x] |= colour;
  } else {
    std::fill(row + first, row + last + 1, colour);
  }
}

void Plot(PixelBuffer& surface, std::int64_t x, std::int64_t y, Pixel colour, RasterOp op) {
  if (x < 0 || y < 0 || x >= surface.width() || y >= surface.height()) return;
  Pixel& p = surface.row(static_cast<int>(y))[x];
  p = op == RasterOp::MergePen ? (p | colour) : colour;
}

// Cuts the segment to the surface grown by one pixel on each side (Liang-Barsky).
// Ends that are cut lie outside the surface, so nothing visible depends on
// whether they are painted. False when nothing of the segment is near it.
bool ClipSegment(double& x0, double& y0, double& x1, double& y1, int width, int height) {
  double t0 = 0, t1 = 1;
  const double dx = x1 - x0, dy = y1 - y0;
  const double p[4] = {-dx, dx, -dy, dy};
  const double q[4] = {x0 + 1, width - x0, y0 + 1, height - y0};
  for (int i = 0; i < 4; ++i) {
    if (p[i] == 0) {
      if (q[i] < 0) return false;
      continue;
    }
    const double t = q[i] / p[i];
    if (p[i] < 0) {
      t0 = std::max(t0, t);
    } else {
      t1 = std::min(t1, t);
    }
    if (t0 > t1) return false;
  }
  const double sx = x0, sy = y0;
  x0 = std::nearbyint(sx + t0 * dx);
  y0 = std::nearbyint(sy + t0 * dy);
  x1 = std::nearbyint(sx + t1 * dx);
  y1 = std::nearbyint(sy + t1 * dy);
  return true;
}

bool Inside(Point p, const PixelBuffer& s) {
  return p.x >= 0 && p.y >= 0 && p.x < s.width() && p.y < s.height();
}

}  // namespace

void FillTriangle(PixelBuffer& surface, const std::array<Point, 3>& corners, Pixel fill,
                  RasterOp op) {
  Coverage(corners).ForEachSpan(surface.width(), surface.height(), [&](int y, int x0, int x1) {
    PaintSpan(surface.row(y), x0, x1, fill, op);
  });
}

void OutlinedTriangle(PixelBuffer& surface, const std::array<Point, 3>& corners, Pixel fill,
                      Pixel outline, RasterOp op) {
  FillTriangle(surface, corners, fill, op);
  for (int i = 0; i < 3; ++i) DrawLine(surface, corners[i], corners[(i + 1) % 3], outline, op);
}

void DrawLine(PixelBuffer& surface, Point from, Point to, Pixel colour, RasterOp op) {
  std::int64_t x0 = from.x, y0 = from.y, x1 = to.x, y1 = to.y;
  if (!Inside(from, surface) || !Inside(to, surface)) {
    double cx0 = x0, cy0 = y0, cx1 = x1, cy1 = y1;
    if (!ClipSegment(cx0, cy0, cx1, cy1, surface.width(), surface.height())) return;
    x0 = static_cast<std::int64_t>(cx0);
    y0 = static_cast<std::int64_t>(cy0);
    x1 = static_cast<std::int64_t>(cx1);
    y1 = static_cast<std::int64_t>(cy1);
  }
  const std::int64_t dx = x1 > x0 ? x1 - x0 : x0 - x1;
  const std::int64_t dy = y1 > y0 ? y0 - y1 : y1 - y0;
  const int sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1;
  std::int64_t err = dx + dy;
  while (x0 != x1 || y0 != y1) {
    Plot(surface, x0, y0, colour, op);
    const std::int64_t e2 = 2 * err;
    if (e2 >= dy) {
      err += dy;
      x0 += sx;
    }
    if (e2 <= dx) {
      err += dx;
      y0 += sy;
    }
  }
}

void GradientTriangle(PixelBuffer& surface, const std::array<GradientVertex, 3>& corners) {
  const std::array<Point, 3> points{corners[0].at, corners[1].at, corners[2].at};
  const Coverage cover(points);
  if (cover.area2 <= 0) return;
  // Corner colours in the order of the oriented corners.
  std::array<const GradientVertex*, 3> c{&corners[0], &corners[1], &corners[2]};
  if (cover.swapped) std::swap(c[1], c[2]);
  // Colours are carried as 8-bit levels with 16 fraction bits. A small lift
  // keeps the stepping error from dropping an exact level (every corner
  // colour of the view is a whole level) to the one below.
  constexpr std::int32_t kLift = 1024;
  const double scale = 256.0 / static_cast<double>(cover.area2);
  auto channel = [&](auto member, std::int64_t w0, std::int64_t w1, std::int64_t w2) {
    return static_cast<double>(w0) * (c[0]->*member) + static_cast<double>(w1) * (c[1]->*member) +
           static_cast<double>(w2) * (c[2]->*member);
  };
  const auto& e = cover.edges;
  const std::int32_t stepR = static_cast<std::int32_t>(
      std::nearbyint(channel(&GradientVertex::red, e[0].a, e[1].a, e[2].a) * scale));
  const std::int32_t stepG = static_cast<std::int32_t>(
      std::nearbyint(channel(&GradientVertex::green, e[0].a, e[1].a, e[2].a) * scale));
  const std::int32_t stepB = static_cast<std::int32_t>(
      std::nearbyint(channel(&GradientVertex::blue, e[0].a, e[1].a, e[2].a) * scale));
  auto level = [](std::int32_t f) -> Pixel {
    return static_cast<Pixel>(std::clamp(f >> 16, 0, 255));
  };
  cover.ForEachSpan(surface.width(), surface.height(), [&](int y, int x0, int x1) {
    const std::int64_t w0 = e[0].At(x0, y), w1 = e[1].At(x0, y), w2 = e[2].At(x0, y);
    auto start = [&](auto member) {
      return static_cast<std::int32_t>(std::floor(channel(member, w0, w1, w2) * 256.0 /
                                                  static_cast<double>(cover.area2))) +
             kLift;
    };
    std::int32_t r = start(&GradientVertex::red), g = start(&GradientVertex::green),
                 b = start(&GradientVertex::blue);
    Pixel* row = surface.row(y);
    for (int x = x0; x <= x1; ++x) {
      row[x] = (level(r) << 16) | (level(g) << 8) | level(b);
      r += stepR;
      g += stepG;
      b += stepB;
    }
  });
}

}  // namespace view3d

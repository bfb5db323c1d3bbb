#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "view3d/raster.h"

namespace view3d {
namespace {

constexpr Pixel kRed = 0xFF0000, kGreen = 0x00FF00, kBlue = 0x0000FF, kWhite = 0xFFFFFF;

// The picture as text: '.' black, R G B W Y (red + green), '?' anything else.
std::vector<std::string> Picture(const PixelBuffer& b) {
  const std::map<Pixel, char> names{{0, '.'},     {kRed, 'R'},   {kGreen, 'G'},
                                    {kBlue, 'B'}, {kWhite, 'W'}, {kRed | kGreen, 'Y'}};
  std::vector<std::string> rows;
  for (int y = 0; y < b.height(); ++y) {
    std::string row;
    for (int x = 0; x < b.width(); ++x) {
      const auto it = names.find(b.at(x, y));
      row += it == names.end() ? '?' : it->second;
    }
    rows.push_back(row);
  }
  return rows;
}

using Rows = std::vector<std::string>;

TEST(RasterTest, SharedEdgePaintedOnce) {
  PixelBuffer b(5, 5);
  // Two halves of the square 0..4; OR shows a pixel painted by both as Y.
  FillTriangle(b, {Point{0, 0}, {4, 0}, {4, 4}}, kRed, RasterOp::MergePen);
  FillTriangle(b, {Point{0, 0}, {4, 4}, {0, 4}}, kGreen, RasterOp::MergePen);
  EXPECT_EQ(Picture(b), (Rows{"RRRR.", "GRRR.", "GGRR.", "GGGR.", "....."}));
}

TEST(RasterTest, WindingDoesNotMatter) {
  PixelBuffer a(6, 6), b(6, 6);
  FillTriangle(a, {Point{1, 0}, {5, 3}, {0, 5}}, kBlue, RasterOp::CopyPen);
  FillTriangle(b, {Point{1, 0}, {0, 5}, {5, 3}}, kBlue, RasterOp::CopyPen);
  EXPECT_EQ(a.pixels(), b.pixels());
  // Both top corners' pixels and the corners on right and bottom edges stay out.
  EXPECT_EQ(Picture(a), (Rows{"......", ".BB...", ".BBB..", ".BBBB.", ".BB...", "......"}));
}

TEST(RasterTest, FourTrianglesAroundACentreTileTheSquare) {
  PixelBuffer b(4, 4);
  const Point c{2, 2};
  const Point corners[4] = {{0, 0}, {4, 0}, {4, 4}, {0, 4}};
  const Pixel colours[4] = {kRed, kGreen, kBlue, kWhite};
  for (int i = 0; i < 4; ++i) {
    FillTriangle(b, {corners[i], corners[(i + 1) % 4], c}, colours[i], RasterOp::MergePen);
  }
  // Each pixel exactly one colour: nothing mixed, nothing left out.
  EXPECT_EQ(Picture(b), (Rows{"RRRR", "WRRG", "WWGG", "WBBG"}));
}

TEST(RasterTest, DegenerateTriangleCoversNothing) {
  PixelBuffer b(4, 4);
  FillTriangle(b, {Point{0, 0}, {2, 2}, {3, 3}}, kRed, RasterOp::CopyPen);
  FillTriangle(b, {Point{1, 1}, {1, 1}, {1, 1}}, kRed, RasterOp::CopyPen);
  EXPECT_EQ(Picture(b), (Rows{"....", "....", "....", "...."}));
}

TEST(RasterTest, OutlineDrawnOverTheInterior) {
  PixelBuffer b(6, 6);
  OutlinedTriangle(b, {Point{0, 0}, {5, 0}, {0, 5}}, kRed, kWhite, RasterOp::CopyPen);
  EXPECT_EQ(Picture(b), (Rows{"WWWWWW", "WRRRW.", "WRRW..", "WRW...", "WW....", "W....."}));
}

TEST(RasterTest, MergeMixesWithWhatIsThere) {
  PixelBuffer b(3, 1);
  b.Fill(kRed);
  FillTriangle(b, {Point{0, 0}, {2, 0}, {2, 2}}, kGreen, RasterOp::MergePen);
  EXPECT_EQ(Picture(b), (Rows{"YYR"}));
  FillTriangle(b, {Point{0, 0}, {2, 0}, {2, 2}}, kBlue, RasterOp::CopyPen);
  EXPECT_EQ(Picture(b), (Rows{"BBR"}));
}

struct LineRow {
  const char* name;
  Point from, to;
  Rows expected;
};

class LineTest : public ::testing::TestWithParam<LineRow> {};

TEST_P(LineTest, Pixels) {
  PixelBuffer b(5, 4);
  DrawLine(b, GetParam().from, GetParam().to, kWhite, RasterOp::CopyPen);
  EXPECT_EQ(Picture(b), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, LineTest,
    ::testing::Values(
        LineRow{"last_pixel_left_out", {0, 1}, {4, 1}, {".....", "WWWW.", ".....", "....."}},
        LineRow{"backwards", {4, 1}, {0, 1}, {".....", ".WWWW", ".....", "....."}},
        LineRow{"diagonal", {0, 0}, {3, 3}, {"W....", ".W...", "..W..", "....."}},
        LineRow{"point", {2, 2}, {2, 2}, {".....", ".....", ".....", "....."}},
        LineRow{"clipped_both_ends", {-100, 2}, {100, 2}, {".....", ".....", "WWWWW", "....."}},
        LineRow{"outside", {-10, -1}, {10, -1}, {".....", ".....", ".....", "....."}},
        LineRow{"steep_into_view", {1, -1000}, {1, 1000}, {".W...", ".W...", ".W...", ".W..."}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RasterTest, TrianglesAreClippedToTheSurface) {
  PixelBuffer b(4, 3);
  FillTriangle(b, {Point{-100, -100}, {300, -100}, {-100, 300}}, kRed, RasterOp::CopyPen);
  EXPECT_EQ(Picture(b), (Rows{"RRRR", "RRRR", "RRRR"}));
  PixelBuffer c(4, 3);
  FillTriangle(c, {Point{2, 1}, {50, 1}, {2, 60}}, kGreen, RasterOp::CopyPen);
  EXPECT_EQ(Picture(c), (Rows{"....", "..GG", "..GG"}));
}

TEST(GradientTest, CornerColoursAreExact) {
  PixelBuffer b(9, 9);
  GradientTriangle(b, {GradientVertex{{0, 0}, 0xFF00, 0, 0}, GradientVertex{{8, 0}, 0, 0xFF00, 0},
                       GradientVertex{{0, 8}, 0, 0, 0x8000}});
  EXPECT_EQ(b.at(0, 0), 0xFF0000u);
  EXPECT_EQ(b.at(0, 7), 0x1F0070u);  // one pixel above the bottom corner
  EXPECT_EQ(b.at(7, 0), 0x1FDF00u);
  // The middle of the hypotenuse-facing side mixes the first two.
  EXPECT_EQ(b.at(4, 0), 0x7F7F00u);
  // Right and bottom edges are the neighbour's: left out.
  EXPECT_EQ(b.at(8, 0), 0u);
  EXPECT_EQ(b.at(0, 8), 0u);
}

TEST(GradientTest, UniformColourAndCoverageOfAFill) {
  PixelBuffer smooth(7, 7), flat(7, 7);
  const std::array<Point, 3> corners{Point{1, 0}, {6, 4}, {0, 6}};
  GradientTriangle(smooth, {GradientVertex{corners[0], 0x8000, 0x4000, 0},
                            GradientVertex{corners[1], 0x8000, 0x4000, 0},
                            GradientVertex{corners[2], 0x8000, 0x4000, 0}});
  FillTriangle(flat, corners, 0x804000, RasterOp::CopyPen);
  EXPECT_EQ(smooth.pixels(), flat.pixels());
}

TEST(GradientTest, ClippedStartKeepsTheInterpolation) {
  PixelBuffer whole(16, 4), part(8, 4);
  const std::array<GradientVertex, 3> wide{GradientVertex{{0, 0}, 0, 0, 0},
                                           GradientVertex{{16, 0}, 0xFF00, 0xFF00, 0xFF00},
                                           GradientVertex{{0, 16}, 0, 0, 0}};
  GradientTriangle(whole, wide);
  auto shifted = wide;
  for (auto& v : shifted) v.at.x -= 8;  // the right half lands on the smaller surface
  GradientTriangle(part, shifted);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 8; ++x) EXPECT_EQ(part.at(x, y), whole.at(x + 8, y)) << x << "," << y;
}

}  // namespace
}  // namespace view3d

// Whole small frames of the machine scene against pictures checked in under
// data/. Set VK_VIEW3D_WRITE_FRAMES to a folder to write the frames there
// instead (to inspect them before replacing the expectations).
#include <gtest/gtest.h>

#include <QImage>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "view3d/machine_scene.h"
#include "view_fixture.h"

namespace view3d {
namespace {

struct FrameRow {
  const char* name;
  int option;
  MachineDimensions machine;
  std::array<const char*, 4> positions;
  float extraYaw;  // an additional left drag, in pixels to the right
};

class FrameTest : public ViewFixture, public ::testing::WithParamInterface<FrameRow> {};

QImage ImageOf(const PixelBuffer& b) {
  return QImage(reinterpret_cast<const uchar*>(b.data()), b.width(), b.height(), b.width() * 4,
                QImage::Format_RGB32)
      .copy();
}

TEST_P(FrameTest, MatchesTheCheckedInPicture) {
  const FrameRow& r = GetParam();
  PositionTexts positions;
  for (int i = 0; i < 4; ++i) positions.texts[i] = r.positions[i];
  Carte_Machine(view, r.machine, positions, r.option, pointer);
  if (r.extraYaw != 0) Picture3_MouseMove(view, pointer, kLeftButton, 0, 67 + r.extraYaw, 72);
  PixelBuffer picture(64, 48);
  ASSERT_TRUE(ServeRedraw(view, picture));
  const QImage frame = ImageOf(picture);
  const std::string file = std::string(r.name) + ".png";

  if (const char* out = std::getenv("VK_VIEW3D_WRITE_FRAMES")) {
    ASSERT_TRUE(frame.save(QString::fromStdString((std::filesystem::path(out) / file).string())));
    GTEST_SKIP() << "written";
  }
  const QImage expected =
      QImage(QString::fromStdString(std::string(VK_SOURCE_DIR) + "/tests/view3d/data/" + file))
          .convertToFormat(QImage::Format_RGB32);
  ASSERT_FALSE(expected.isNull()) << file;
  ASSERT_EQ(expected.size(), frame.size());
  int differing = 0;
  for (int y = 0; y < frame.height(); ++y)
    for (int x = 0; x < frame.width(); ++x) differing += expected.pixel(x, y) != frame.pixel(x, y);
  EXPECT_EQ(differing, 0) << file;
}

const MachineDimensions kDefault{};
const MachineDimensions kLarge{1200, 600, 1500, 1};

INSTANTIATE_TEST_SUITE_P(
    Frames, FrameTest,
    ::testing::Values(
        FrameRow{"surface", kOption3Surface, kDefault, {"", "", "", ""}, 0},
        FrameRow{"filaire", kOption3Filaire, kDefault, {"", "", "", ""}, 0},
        FrameRow{"transp", kOption3Transp, kDefault, {"", "", "", ""}, 0},
        FrameRow{
            "surface_large_turned", kOption3Surface, kLarge, {"300", "900", "200", "400"}, 120}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace view3d

#include <gtest/gtest.h>

#include "view_fixture.h"

namespace view3d {
namespace {

struct DragRow {
  const char* name;
  float yaw, pitch, distance;  // before
  std::int16_t button;
  float x, y;  // from the recorded (0, 0)
  float expectedYaw, expectedPitch, expectedDistance;
  bool redraw;
};

class DragTest : public ViewFixture, public ::testing::WithParamInterface<DragRow> {};

TEST_P(DragTest, State) {
  const DragRow& r = GetParam();
  view.ViewYaw = r.yaw;
  view.ViewPitch = r.pitch;
  view.ViewDistance = r.distance;
  Picture3_MouseMove(view, pointer, r.button, 0, r.x, r.y);
  EXPECT_NEAR(view.ViewYaw, r.expectedYaw, 1e-5f);
  EXPECT_NEAR(view.ViewPitch, r.expectedPitch, 1e-5f);
  EXPECT_NEAR(view.ViewDistance, r.expectedDistance, 1e-4f);
  EXPECT_EQ(view.ViewRedraw, r.redraw);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, DragTest,
    ::testing::Values(
        DragRow{"right_100", 0, 0, 370, 1, 100, 0, -1.0f, 0, 370, true},
        DragRow{"down_100", 0, 0, 370, 1, 0, 100, 0, 1.0f, 370, true},
        DragRow{"pitch_clamped_up", 0, 3.0f, 370, 1, 0, 72, 0, 1.5707964f, 370, true},
        DragRow{"pitch_clamped_down", 0, -1.0f, 370, 1, 0, -100, 0, -1.5707964f, 370, true},
        DragRow{"yaw_wraps_down", 3.3f, 0, 370, 1, 10, 0, 3.2f - 6.2831853f, 0, 370, true},
        DragRow{"yaw_wraps_up", -3.1f, 0, 370, 1, 10, 0, -3.2f + 6.2831853f, 0, 370, true},
        DragRow{"yaw_at_pi_stays", 3.1415927f, 0, 370, 1, 0, 0, 3.1415927f, 0, 370, true},
        DragRow{"zoom_out", 0.5f, 0.2f, 370, 2, 0, 30, 0.5f, 0.2f, 400, true},
        DragRow{"zoom_in_stops_at_origin", 0, 0, 370, 2, 0, -400, 0, 0, 0, true},
        DragRow{"middle", 0.5f, 0.2f, 370, 4, 50, 50, 0.5f, 0.2f, 370, true},
        DragRow{"left_and_right", 0.5f, 0.2f, 370, 3, 50, 50, 0.5f, 0.2f, 370, true},
        DragRow{"no_button", 0.5f, 0.2f, 370, 0, 50, 50, 0.5f, 0.2f, 370, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ViewFixture, PointerFollowsTheButtons) {
  Picture3_MouseMove(view, pointer, kLeftButton, 0, 1, 1);
  EXPECT_EQ(pointer.handCursors, 1);
  EXPECT_TRUE(pointer.pointers.empty());
  Picture3_MouseMove(view, pointer, kRightButton, 0, 1, 1);
  Picture3_MouseMove(view, pointer, 0, 0, 1, 1);
  EXPECT_EQ(pointer.pointers, (std::vector<std::int16_t>{kPointerSizeNS, kPointerDefault}));
  Picture3_MouseDown(pointer, kRightButton, 0, 1, 1);
  EXPECT_EQ(pointer.handCursors, 2);
}

TEST_F(ViewFixture, PositionIsRecordedToTheNearestEvenPixel) {
  Picture3_MouseMove(view, pointer, 0, 0, 10.5f, 11.5f);
  EXPECT_EQ(view.ViewMouseX, 10);
  EXPECT_EQ(view.ViewMouseY, 12);
  EXPECT_FALSE(view.ViewRedraw);
  // The next drag starts from there: no jump.
  Picture3_MouseMove(view, pointer, kLeftButton, 0, 10, 12);
  EXPECT_FLOAT_EQ(view.ViewYaw, 0);
  EXPECT_FLOAT_EQ(view.ViewPitch, 0);
}

struct KeyRow {
  std::int16_t key;
  bool redraw;
};

class KeyUpTest : public ViewFixture, public ::testing::WithParamInterface<KeyRow> {};

TEST_P(KeyUpTest, OnlyShiftRequestsARedraw) {
  Picture3_KeyUp(view, GetParam().key, 0);
  EXPECT_EQ(view.ViewRedraw, GetParam().redraw);
}

INSTANTIATE_TEST_SUITE_P(Keys, KeyUpTest,
                         ::testing::Values(KeyRow{16, true}, KeyRow{17, false}, KeyRow{65, false},
                                           KeyRow{0, false}));

TEST_F(ViewFixture, ServedRedrawClearsTheRequestAndPutsTheLightAtTheEye) {
  PixelBuffer picture(32, 24);
  picture.Fill(0x123456);
  EXPECT_FALSE(ServeRedraw(view, picture));
  EXPECT_EQ(picture.at(0, 0), 0x123456u);
  view.ViewYaw = -0.67f;
  view.ViewPitch = 0.72f;
  view.ViewRedraw = true;
  EXPECT_TRUE(ServeRedraw(view, picture));
  EXPECT_FALSE(view.ViewRedraw);
  EXPECT_EQ(view.Lights[view.ViewLightIndex].Position, camera().Position);
  EXPECT_NEAR(camera().Position.x, -172.74f, 0.01f);
  EXPECT_EQ(picture.at(0, 0), 0u);  // cleared, nothing to draw
}

}  // namespace
}  // namespace view3d

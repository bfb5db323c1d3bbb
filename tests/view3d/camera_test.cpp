#include <gtest/gtest.h>

#include "view3d/camera.h"
#include "view3d/mesh.h"
#include "view_fixture.h"

namespace view3d {
namespace {

using CameraTest = ViewFixture;

TEST_F(CameraTest, ViewCameraAndLight) {
  EXPECT_EQ(view.ViewCameraIndex, 1);
  EXPECT_EQ(view.ViewLightIndex, 1);
  EXPECT_EQ(camera().TanHalfFov, 0.57735026f);
  EXPECT_EQ(camera().Near, 1);
  EXPECT_EQ(camera().Far, 1600);
  EXPECT_TRUE(camera().Dirty);
  EXPECT_FALSE(camera().Specular);
  EXPECT_EQ(view.Lights[1].Colour, (ColourRGB{255, 255, 255}));
  EXPECT_EQ(view.ViewDistance, 370);
  EXPECT_EQ(view.ViewTurnStep, 0.01f);
  EXPECT_EQ(view.ViewZoomStep, 1.0f);
  // Preparing again keeps the camera and light it has.
  PrepareView(view);
  EXPECT_EQ(view.CameraList.Count, 1);
  EXPECT_EQ(view.LightList.Count, 1);
}

TEST_F(CameraTest, TablesThatAreFullGiveNoSlot) {
  view.CameraList.Count = kLastSlot;
  view.LightList.Count = kLastSlot;
  EXPECT_EQ(CreateViewCamera(view), 0);
  EXPECT_EQ(CreateViewLight(view), 0);
  EXPECT_EQ(view.CameraList.Count, kLastSlot);
}

struct OrbitRow {
  float distance, yaw, pitch;
  Vector3 eye;
};

class OrbitTest : public ViewFixture, public ::testing::WithParamInterface<OrbitRow> {};

TEST_P(OrbitTest, EyeLooksAtTheTarget) {
  const OrbitRow& r = GetParam();
  OrbitCamera(view, 1, {}, r.distance, r.yaw, r.pitch);
  EXPECT_NEAR(camera().Position.x, r.eye.x, 0.01f);
  EXPECT_NEAR(camera().Position.y, r.eye.y, 0.01f);
  EXPECT_NEAR(camera().Position.z, r.eye.z, 0.01f);
  EXPECT_EQ(camera().Rotation, (Vector3{0, r.pitch, -r.yaw}));
  BuildViewMatrix(view, 1);
  EXPECT_FALSE(camera().Dirty);
  const Vector3 target = TransformPoint({}, camera().View);
  EXPECT_NEAR(target.x, 0, 0.001f);
  EXPECT_NEAR(target.y, 0, 0.001f);
  EXPECT_NEAR(target.z, r.distance, 0.01f);
}

INSTANTIATE_TEST_SUITE_P(Rows, OrbitTest,
                         ::testing::Values(OrbitRow{370, 0, 0, {0, 0, -370}},
                                           OrbitRow{
                                               370, -0.67f, 0.72f, {-172.74f, 243.97f, -218.03f}},
                                           OrbitRow{100, 1.5707964f, 0, {100, 0, 0}},
                                           OrbitRow{50, 0, 1.5707964f, {0, 50, 0}}));

TEST_F(CameraTest, ViewMatrixOnlyRebuiltWhenDirty) {
  OrbitCamera(view, 1, {}, 370, 0, 0);
  BuildViewMatrix(view, 1);
  const Matrix4 built = camera().View;
  camera().Position = {1, 2, 3};  // moved without marking
  BuildViewMatrix(view, 1);
  EXPECT_EQ(camera().View, built);
}

struct ProjectRow {
  Vector3 point;
  float column, row, depth;
};

class ProjectionTest : public ViewFixture, public ::testing::WithParamInterface<ProjectRow> {};

TEST_P(ProjectionTest, ScreenPoint) {
  const Matrix4 p = BuildProjection(view, 1, 400, 300);
  const Vector4 h = TransformPoint4(GetParam().point, p);
  EXPECT_NEAR(h.x / h.w, GetParam().column, 0.01f);
  EXPECT_NEAR(h.y / h.w, GetParam().row, 0.01f);
  EXPECT_NEAR(h.z / h.w, GetParam().depth, 1e-5f);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ProjectionTest,
    ::testing::Values(ProjectRow{{10, 5, 370}, 209.36f, 145.32f, 0.99792f},
                      ProjectRow{{0, 0, 370}, 200, 150, 0.99792f},
                      ProjectRow{{0, 0, 1}, 200, 150, 0}, ProjectRow{{0, 0, 1600}, 200, 150, 1},
                      // x = t*z lands on the right edge
                      ProjectRow{{0.57735026f * 100, 0, 100}, 400, 150, 0.99062f}));

TEST_F(CameraTest, ProjectionScalesByTheLargerHalf) {
  const Matrix4 tall = BuildProjection(view, 1, 300, 400);
  EXPECT_EQ(tall.rows[0].x, 200);
  EXPECT_EQ(tall.rows[1].y, -200);
}

class ShadeTest : public ViewFixture {
 protected:
  void SetUp() override {
    const int slot = CreateMeshObject(view, 1, 1);
    face = view.Objects[slot].Face.First;
    view.Faces[face].Colour = {128, 128, 0};
    view.Faces[face].Gloss = 0.5f;
    camera().Position = {0, 0, -100};
    view.Lights[1].Position = camera().Position;
  }
  int face = 0;
};

struct ShadeRow {
  bool specular;
  Vector3 normal;
  ColourRGB expected;
};

class ShadeRowTest : public ShadeTest, public ::testing::WithParamInterface<ShadeRow> {};

TEST_P(ShadeRowTest, Colour) {
  camera().Specular = GetParam().specular;
  EXPECT_EQ(ShadeColour(view, {0, 0, 0}, GetParam().normal, face, 1), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ShadeRowTest,
    ::testing::Values(ShadeRow{true, {0, 0, -3}, {192, 192, 128}},   // facing the eye, clamped
                      ShadeRow{true, {1, 0, 0}, {64, 64, 0}},        // edge-on
                      ShadeRow{false, {0, 0, -1}, {192, 192, 128}},  // diffuse 1 alone
                      ShadeRow{false, {0, 0, 1}, {64, 64, 0}},       // turned away
                      ShadeRow{true, {0, 0, 0}, {64, 64, 0}},        // no normal
                      // 60 degrees: diffuse 0.5, no highlight toward the eye
                      ShadeRow{false, {0.8660254f, 0, -0.5f}, {128, 128, 64}}));

TEST_F(ShadeTest, EveryLightAdds) {
  const int second = CreateViewLight(view);
  view.Lights[second].Colour = {0, 0, 255};
  view.Lights[second].Position = {0, 0, -50};
  camera().Specular = false;
  // Second light also straight ahead: blue saturates, red and green do not change.
  view.Lights[1].Colour = {100, 100, 0};
  EXPECT_EQ(ShadeColour(view, {}, {0, 0, -1}, face, 1), (ColourRGB{114, 114, 128}));
}

}  // namespace
}  // namespace view3d

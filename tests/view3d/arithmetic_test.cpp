#include <gtest/gtest.h>

#include <cmath>

#include "view3d/colour.h"
#include "view3d/matrix.h"
#include "view3d/vector.h"

namespace view3d {
namespace {

void ExpectNear(const Vector3& actual, const Vector3& expected, float tolerance) {
  EXPECT_NEAR(actual.x, expected.x, tolerance);
  EXPECT_NEAR(actual.y, expected.y, tolerance);
  EXPECT_NEAR(actual.z, expected.z, tolerance);
}

void ExpectNear(const Matrix4& actual, const Matrix4& expected, float tolerance) {
  for (int i = 0; i < 4; ++i) {
    const Vector4 &a = actual.rows[i], &e = expected.rows[i];
    EXPECT_NEAR(a.x, e.x, tolerance) << "row " << i;
    EXPECT_NEAR(a.y, e.y, tolerance) << "row " << i;
    EXPECT_NEAR(a.z, e.z, tolerance) << "row " << i;
    EXPECT_NEAR(a.w, e.w, tolerance) << "row " << i;
  }
}

TEST(VectorTest, BasicOperations) {
  const Vector3 a{1, 2, 3}, b{4, -5, 6};
  EXPECT_EQ(VecAdd(a, b), (Vector3{5, -3, 9}));
  EXPECT_EQ(VecSub(a, b), (Vector3{-3, 7, -3}));
  EXPECT_EQ(VecScale(a, 2), (Vector3{2, 4, 6}));
  EXPECT_EQ(VecScale(Vector4{1, 2, 3, 4}, -1), (Vector4{-1, -2, -3, -4}));
  EXPECT_FLOAT_EQ(VecDot(a, b), 12);
  EXPECT_FLOAT_EQ(Vec4Dot({1, 2, 3, 4}, {1, 1, 1, 2}), 14);
  EXPECT_EQ(VecCross({1, 0, 0}, {0, 1, 0}), (Vector3{0, 0, 1}));
  EXPECT_EQ(VecCross(a, b), (Vector3{27, 6, -13}));
  EXPECT_FLOAT_EQ(VecLength({3, 4, 12}), 13);
  EXPECT_FLOAT_EQ(VecDistance({1, 1, 1}, {4, 5, 1}), 5);
  EXPECT_TRUE(VecEqual(a, {1, 2, 3}));
  EXPECT_FALSE(VecEqual(a, {1, 2, 3.0001f}));
}

TEST(VectorTest, NormalizeKeepsZeroVector) {
  EXPECT_EQ(VecNormalize({0, 0, 0}), (Vector3{0, 0, 0}));
  ExpectNear(VecNormalize({0, 3, 4}), {0, 0.6f, 0.8f}, 1e-6f);
}

struct CosRow {
  Vector3 a, b;
  float expected;
};

class CosAngleTest : public ::testing::TestWithParam<CosRow> {};

TEST_P(CosAngleTest, Value) {
  EXPECT_NEAR(VecCosAngle(GetParam().a, GetParam().b), GetParam().expected, 1e-6f);
}

INSTANTIATE_TEST_SUITE_P(Rows, CosAngleTest,
                         ::testing::Values(CosRow{{0, 0, 0}, {1, 2, 3}, 0},
                                           CosRow{{1, 2, 3}, {0, 0, 0}, 0},
                                           CosRow{{1, 2, 3}, {2, 4, 6}, 1},
                                           CosRow{{1, 0, 0}, {0, 5, 0}, 0},
                                           CosRow{{1, 0, 0}, {-3, 0, 0}, -1},
                                           CosRow{{1, 1, 0}, {1, 0, 0}, 0.70710678f}));

struct ReflectRow {
  Vector3 v, n, expected;
};

class ReflectTest : public ::testing::TestWithParam<ReflectRow> {};

TEST_P(ReflectTest, Value) {
  ExpectNear(VecReflect(GetParam().v, GetParam().n), GetParam().expected, 1e-5f);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ReflectTest,
    ::testing::Values(ReflectRow{{1, -1, 0}, {0, 1, 0}, {1, 1, 0}},   // against the surface
                      ReflectRow{{0, -2, 0}, {0, 3, 0}, {0, 2, 0}},   // head-on
                      ReflectRow{{1, 0, 0}, {0, 1, 0}, {0, 0, 0}},    // exactly 90 degrees
                      ReflectRow{{1, 1, 0}, {0, 1, 0}, {0, 0, 0}},    // along the normal side
                      ReflectRow{{0, 0, 0}, {0, 1, 0}, {0, 0, 0}}));  // no direction

TEST(VectorTest, ProjectOntoAnyLengthNormal) {
  ExpectNear(VecProject({3, 4, 5}, {0, 10, 0}), {0, 4, 0}, 1e-6f);
}

TEST(VectorTest, DirectionFromAnglesIgnoresRoll) {
  const float pitch = 0.4f, yaw = -1.1f;
  const Vector3 expected{std::cos(pitch) * std::sin(yaw), -std::sin(pitch),
                         std::cos(pitch) * std::cos(yaw)};
  ExpectNear(DirectionFromAngles({0, pitch, yaw}), expected, 1e-6f);
  ExpectNear(DirectionFromAngles({2.5f, pitch, yaw}), expected, 1e-6f);
}

TEST(MatrixTest, RotationOfAnUnknownAxisIsZero) {
  EXPECT_EQ(MatRotation(4, 0.5f), Matrix4{});
  EXPECT_EQ(MatRotation(0, 0.5f), Matrix4{});
}

struct RotationRow {
  int axis;
  Vector3 in, expected;
};

class RotationTest : public ::testing::TestWithParam<RotationRow> {};

TEST_P(RotationTest, PositiveAngleTurns) {
  const float a = 0.3f;
  ExpectNear(TransformPoint(GetParam().in, MatRotation(GetParam().axis, a)), GetParam().expected,
             1e-6f);
}

INSTANTIATE_TEST_SUITE_P(
    Axes, RotationTest,
    ::testing::Values(RotationRow{kAxisZ, {1, 0, 0}, {std::cos(0.3f), std::sin(0.3f), 0}},
                      RotationRow{kAxisX, {0, 1, 0}, {0, std::cos(0.3f), std::sin(0.3f)}},
                      RotationRow{kAxisY, {0, 0, 1}, {std::sin(0.3f), 0, std::cos(0.3f)}}));

TEST(MatrixTest, TranslationAndProductOrder) {
  EXPECT_EQ(TransformPoint({1, 2, 3}, MatTranslation({10, 0, 0})), (Vector3{11, 2, 3}));
  // A first, then B: turn (1,0,0) a quarter about Z to (0,1,0), then move it.
  const Matrix4 ab =
      MatMultiply(MatRotation(kAxisZ, static_cast<float>(M_PI / 2)), MatTranslation({5, 0, 0}));
  ExpectNear(TransformPoint({1, 0, 0}, ab), {5, 1, 0}, 1e-6f);
  const Vector4 h = TransformPoint4({1, 2, 3}, MatScaleAll(MatIdentity(), 2));
  EXPECT_EQ(h, (Vector4{2, 4, 6, 2}));
}

TEST(MatrixTest, TransposeAndDeterminant) {
  Matrix4 m;
  m.rows = {Vector4{2, 0, 0, 1}, {0, 3, 0, 2}, {0, 0, 4, 3}, {0, 0, 0, 5}};
  EXPECT_FLOAT_EQ(MatDeterminant(m), 120);
  EXPECT_EQ(MatTranspose(m).rows[3], (Vector4{1, 2, 3, 5}));
  EXPECT_FLOAT_EQ(MatDeterminant(MatRotation(kAxisY, 1.2f)), 1);
}

TEST(MatrixTest, InverseOfAPlacement) {
  const Matrix4 placement = MatMultiply(MatRotation(kAxisX, 0.3f), MatTranslation({5, 6, 7}));
  ExpectNear(MatMultiply(MatInverse(placement), placement), MatIdentity(), 1e-5f);
  ExpectNear(MatMultiply(placement, MatInverse(placement)), MatIdentity(), 1e-5f);
}

TEST(ColourTest, Packing) {
  EXPECT_EQ(ColourFromPacked(0x804020), (ColourRGB{0x20, 0x40, 0x80}));
  EXPECT_EQ(ColourToPacked({0x20, 0x40, 0x80}), 0x804020);
  EXPECT_EQ(ColourFromPacked(0xFFFFFF), (ColourRGB{255, 255, 255}));
  EXPECT_EQ(ColourAdd({1, 2, 3}, {250, 10, -3}), (ColourRGB{251, 12, 0}));
}

struct ScaleRow {
  ColourRGB c;
  float s;
  ColourRGB expected;
};

class ColourScaleTest : public ::testing::TestWithParam<ScaleRow> {};

TEST_P(ColourScaleTest, HalvesGoToEven) {
  EXPECT_EQ(ColourScale(GetParam().c, GetParam().s), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Rows, ColourScaleTest,
                         ::testing::Values(ScaleRow{{255, 255, 255}, 0.5f, {128, 128, 128}},
                                           ScaleRow{{253, 1, 3}, 0.5f, {126, 0, 2}},
                                           ScaleRow{{255, 100, 0}, 1.5f, {382, 150, 0}},
                                           ScaleRow{{10, 20, 30}, 0, {0, 0, 0}}));

TEST(ColourTest, Lerp) {
  EXPECT_EQ(ColourLerp({0, 0, 0}, {255, 255, 255}, 0.5f), (ColourRGB{128, 128, 128}));
  EXPECT_EQ(ColourLerp({128, 128, 0}, {255, 255, 255}, 0.5f), (ColourRGB{192, 192, 128}));
  EXPECT_EQ(ColourLerp({10, 20, 30}, {200, 0, 7}, 0), (ColourRGB{10, 20, 30}));
  EXPECT_EQ(ColourLerp({10, 20, 30}, {200, 0, 7}, 1), (ColourRGB{200, 0, 7}));
}

}  // namespace
}  // namespace view3d

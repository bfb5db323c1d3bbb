#pragma once
// 4x4 matrices in the row-vector convention: a point is the row (x, y, z, 1)
// multiplied on the left, so translation sits in row 4 and A*B applies A first.
#include <array>

#include "view3d/vector.h"

namespace view3d {

struct Matrix4 {
  std::array<Vector4, 4> rows{};
  friend bool operator==(const Matrix4&, const Matrix4&) = default;
};

// Rotation axes.
inline constexpr int kAxisX = 1;
inline constexpr int kAxisY = 2;
inline constexpr int kAxisZ = 3;

Matrix4 MatIdentity();
// Any axis other than 1, 2, 3 gives the all-zero matrix.
Matrix4 MatRotation(int axis, float angle);
Matrix4 MatTranslation(const Vector3& t);
Matrix4 MatMultiply(const Matrix4& a, const Matrix4& b);
Matrix4 MatTranspose(const Matrix4& m);
Matrix4 MatScaleAll(const Matrix4& m, float s);
float MatDeterminant(const Matrix4& m);
// Only asked for placements built from rotations and a translation, whose
// determinant is never 0.
Matrix4 MatInverse(const Matrix4& m);
// No division by the fourth component.
Vector3 TransformPoint(const Vector3& v, const Matrix4& m);
Vector4 TransformPoint4(const Vector3& v, const Matrix4& m);

}  // namespace view3d

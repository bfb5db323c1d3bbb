#include "view3d/matrix.h"

#include <cmath>

namespace view3d {
namespace {

float& At(Matrix4& m, int row, int col) {
  Vector4& r = m.rows[row];
  return col == 0 ? r.x : col == 1 ? r.y : col == 2 ? r.z : r.w;
}

float At(const Matrix4& m, int row, int col) { return At(const_cast<Matrix4&>(m), row, col); }

Vector4 Column(const Matrix4& m, int col) {
  return {At(m, 0, col), At(m, 1, col), At(m, 2, col), At(m, 3, col)};
}

float Det2(float a, float b, float c, float d) { return a * d - b * c; }

// Determinant of the 3x3 minor without the given row and column, expanded
// along its first row.
float Minor(const Matrix4& m, int skipRow, int skipCol) {
  float e[3][3];
  for (int r = 0, i = 0; r < 4; ++r) {
    if (r == skipRow) continue;
    for (int c = 0, j = 0; c < 4; ++c) {
      if (c == skipCol) continue;
      e[i][j++] = At(m, r, c);
    }
    ++i;
  }
  return e[0][0] * Det2(e[1][1], e[1][2], e[2][1], e[2][2]) -
         e[0][1] * Det2(e[1][0], e[1][2], e[2][0], e[2][2]) +
         e[0][2] * Det2(e[1][0], e[1][1], e[2][0], e[2][1]);
}

}  // namespace

Matrix4 MatIdentity() {
  Matrix4 m;
  for (int i = 0; i < 4; ++i) At(m, i, i) = 1;
  return m;
}

Matrix4 MatRotation(int axis, float angle) {
  const float c = static_cast<float>(std::cos(static_cast<double>(angle)));
  const float s = static_cast<float>(std::sin(static_cast<double>(angle)));
  Matrix4 m;
  switch (axis) {
    case kAxisX:
      m.rows = {Vector4{1, 0, 0, 0}, {0, c, s, 0}, {0, -s, c, 0}, {0, 0, 0, 1}};
      break;
    case kAxisY:
      m.rows = {Vector4{c, 0, -s, 0}, {0, 1, 0, 0}, {s, 0, c, 0}, {0, 0, 0, 1}};
      break;
    case kAxisZ:
      m.rows = {Vector4{c, s, 0, 0}, {-s, c, 0, 0}, {0, 0, 1, 0}, {0, 0, 0, 1}};
      break;
    default:
      break;
  }
  return m;
}

Matrix4 MatTranslation(const Vector3& t) {
  Matrix4 m = MatIdentity();
  m.rows[3] = {t.x, t.y, t.z, 1};
  return m;
}

Matrix4 MatMultiply(const Matrix4& a, const Matrix4& b) {
  Matrix4 m;
  for (int i = 0; i < 4; ++i)
    for (int j = 0; j < 4; ++j) At(m, i, j) = Vec4Dot(a.rows[i], Column(b, j));
  return m;
}

Matrix4 MatTranspose(const Matrix4& m) {
  Matrix4 t;
  for (int j = 0; j < 4; ++j) t.rows[j] = Column(m, j);
  return t;
}

Matrix4 MatScaleAll(const Matrix4& m, float s) {
  Matrix4 r;
  for (int i = 0; i < 4; ++i) r.rows[i] = VecScale(m.rows[i], s);
  return r;
}

float MatDeterminant(const Matrix4& m) {
  return At(m, 0, 0) * Minor(m, 0, 0) - At(m, 0, 1) * Minor(m, 0, 1) +
         At(m, 0, 2) * Minor(m, 0, 2) - At(m, 0, 3) * Minor(m, 0, 3);
}

Matrix4 MatInverse(const Matrix4& m) {
  Matrix4 cofactors;
  for (int i = 0; i < 4; ++i)
    for (int j = 0; j < 4; ++j) {
      const float sign = (i + j) % 2 == 0 ? 1.0f : -1.0f;
      At(cofactors, i, j) = sign * Minor(m, i, j);
    }
  return MatScaleAll(MatTranspose(cofactors), 1 / MatDeterminant(m));
}

Vector3 TransformPoint(const Vector3& v, const Matrix4& m) {
  const Vector4 h = TransformPoint4(v, m);
  return {h.x, h.y, h.z};
}

Vector4 TransformPoint4(const Vector3& v, const Matrix4& m) {
  const Vector4 row{v.x, v.y, v.z, 1};
  return {Vec4Dot(row, Column(m, 0)), Vec4Dot(row, Column(m, 1)), Vec4Dot(row, Column(m, 2)),
          Vec4Dot(row, Column(m, 3))};
}

}  // namespace view3d

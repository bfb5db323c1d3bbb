#include "view3d/vector.h"

#include <cmath>

#include "view3d/matrix.h"

namespace view3d {

Vector3 VecAdd(const Vector3& a, const Vector3& b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }

Vector3 VecSub(const Vector3& a, const Vector3& b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }

Vector3 VecScale(const Vector3& a, float s) { return {a.x * s, a.y * s, a.z * s}; }

Vector4 VecScale(const Vector4& a, float s) { return {a.x * s, a.y * s, a.z * s, a.w * s}; }

float VecDot(const Vector3& a, const Vector3& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

float Vec4Dot(const Vector4& a, const Vector4& b) {
  return a.x * b.x + a.y * b.y + a.z * b.z + a.w * b.w;
}

Vector3 VecCross(const Vector3& a, const Vector3& b) {
  return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

float VecLength(const Vector3& a) { return std::sqrt(a.x * a.x + a.y * a.y + a.z * a.z); }

float VecDistance(const Vector3& a, const Vector3& b) { return VecLength(VecSub(a, b)); }

Vector3 VecNormalize(const Vector3& a) {
  const float length = VecLength(a);
  if (length == 0) return {};
  return VecScale(a, 1 / length);
}

bool VecEqual(const Vector3& a, const Vector3& b) { return a.x == b.x && a.y == b.y && a.z == b.z; }

float VecCosAngle(const Vector3& a, const Vector3& b) {
  const Vector3 zero{};
  if (VecEqual(a, zero) || VecEqual(b, zero)) return 0;
  return VecDot(VecNormalize(a), VecNormalize(b));
}

Vector3 VecProject(const Vector3& v, const Vector3& n) {
  const Vector3 u = VecNormalize(n);
  return VecScale(u, VecDot(v, u));
}

Vector3 VecReflect(const Vector3& v, const Vector3& n) {
  if (VecCosAngle(v, n) < 0) return VecSub(v, VecScale(VecProject(v, n), 2));
  return {};
}

Vector3 DirectionFromAngles(const Vector3& r) {
  const Vector3 ahead{0, 0, 1};
  return TransformPoint(TransformPoint(ahead, MatRotation(kAxisX, r.y)), MatRotation(kAxisY, r.z));
}

}  // namespace view3d

#pragma once
// Points, directions and homogeneous points of the machine view, in 32-bit
// floats. The world is y-up; view space looks along +z, x right, y up.
namespace view3d {

struct Vector3 {
  float x = 0, y = 0, z = 0;
  friend bool operator==(const Vector3&, const Vector3&) = default;
};

struct Vector4 {
  float x = 0, y = 0, z = 0, w = 0;
  friend bool operator==(const Vector4&, const Vector4&) = default;
};

Vector3 VecAdd(const Vector3& a, const Vector3& b);
Vector3 VecSub(const Vector3& a, const Vector3& b);
Vector3 VecScale(const Vector3& a, float s);
Vector4 VecScale(const Vector4& a, float s);
float VecDot(const Vector3& a, const Vector3& b);
float Vec4Dot(const Vector4& a, const Vector4& b);
Vector3 VecCross(const Vector3& a, const Vector3& b);
float VecLength(const Vector3& a);
float VecDistance(const Vector3& a, const Vector3& b);
// The zero vector stays zero instead of becoming NaN.
Vector3 VecNormalize(const Vector3& a);
bool VecEqual(const Vector3& a, const Vector3& b);
// 0 when either vector is exactly zero.
float VecCosAngle(const Vector3& a, const Vector3& b);
Vector3 VecProject(const Vector3& v, const Vector3& n);
// Zero unless v points against the surface of normal n.
Vector3 VecReflect(const Vector3& v, const Vector3& n);
// r = (roll, pitch, yaw): (0, 0, 1) turned by the pitch about X, then by the
// yaw about Y. The roll is ignored.
Vector3 DirectionFromAngles(const Vector3& r);

}  // namespace view3d

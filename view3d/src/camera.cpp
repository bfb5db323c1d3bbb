#include "view3d/camera.h"

#include <algorithm>
#include <cmath>

namespace view3d {
namespace {

int NextSlot(const IndexRange& list) {
  const int slot = LastIndex(list) + 1;
  return slot > kLastSlot || slot <= 0 ? 0 : slot;
}

}  // namespace

int CreateViewCamera(ViewContext& view) {
  const int slot = NextSlot(view.CameraList);
  if (slot == 0) return 0;
  const float angle =
      platform::CallByName(*view.Bits, "DegreeToRadian", {platform::Variant(60.0f)}).toFloat();
  CameraRecord& c = view.Cameras[slot];
  c.TanHalfFov = static_cast<float>(std::tan(static_cast<double>(angle) / 2));
  c.Near = 1;
  c.Far = 1600;
  c.Dirty = true;
  ++view.CameraList.Count;
  return slot;
}

int CreateViewLight(ViewContext& view) {
  const int slot = NextSlot(view.LightList);
  if (slot == 0) return 0;
  view.Lights[slot].Colour = ColourFromPacked(0xFFFFFF);
  ++view.LightList.Count;
  return slot;
}

void OrbitCamera(ViewContext& view, int camera, const Vector3& target, float distance, float yaw,
                 float pitch) {
  CameraRecord& c = view.Cameras[camera];
  const Vector3 angles{0, pitch, -yaw};
  const Vector3 ahead = DirectionFromAngles(angles);
  c.Position = VecAdd(target, VecScale(ahead, -distance));
  c.Rotation.y = pitch;
  c.Rotation.z = -yaw;
  c.Dirty = true;
}

void BuildViewMatrix(ViewContext& view, int camera) {
  CameraRecord& c = view.Cameras[camera];
  if (!c.Dirty) return;
  c.Dirty = false;
  Matrix4 placement = MatIdentity();
  placement = MatMultiply(placement, MatRotation(kAxisZ, c.Rotation.x));
  placement = MatMultiply(placement, MatRotation(kAxisX, c.Rotation.y));
  placement = MatMultiply(placement, MatRotation(kAxisY, c.Rotation.z));
  placement = MatMultiply(placement, MatTranslation(c.Position));
  c.View = MatInverse(placement);
}

Matrix4 BuildProjection(const ViewContext& view, int camera, float width, float height) {
  const CameraRecord& c = view.Cameras[camera];
  const float hw = width / 2, hh = height / 2;
  const float s = hw > hh ? hw : hh;
  const float t = c.TanHalfFov, n = c.Near, f = c.Far;
  Matrix4 m;
  m.rows = {Vector4{s, 0, 0, 0},
            {0, -s, 0, 0},
            {t * hw, t * hh, f * t / (f - n), t},
            {0, 0, -f * n * t / (f - n), 0}};
  return m;
}

ColourRGB ShadeColour(const ViewContext& view, const Vector3& p, const Vector3& n, int face,
                      int camera) {
  const CameraRecord& c = view.Cameras[camera];
  const MeshFace& f = view.Faces[face];
  ColourRGB accum;
  float spec = 0;
  for (int i = view.LightList.First; i <= LastIndex(view.LightList); ++i) {
    if (i <= 0) continue;
    const LightRecord& light = view.Lights[i];
    const float diffuse = std::max(VecCosAngle(VecSub(light.Position, p), n), 0.0f);
    if (c.Specular) {
      const Vector3 reflected = VecReflect(VecSub(p, light.Position), n);
      spec = std::max(VecCosAngle(reflected, VecSub(c.Position, p)), 0.0f);
    }
    const float intensity = spec * f.Gloss + diffuse;
    accum = ColourAdd(accum, ColourScale(light.Colour, intensity));
  }
  accum.R = std::min<std::int16_t>(accum.R, 255);
  accum.G = std::min<std::int16_t>(accum.G, 255);
  accum.B = std::min<std::int16_t>(accum.B, 255);
  return ColourLerp(f.Colour, accum, f.Gloss);
}

}  // namespace view3d

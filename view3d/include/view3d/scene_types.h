#pragma once
// Records of the view's pools: triangles, objects, cameras and lights.
#include <cstdint>

#include "view3d/colour.h"
#include "view3d/index_range.h"
#include "view3d/matrix.h"
#include "view3d/vector.h"

namespace view3d {

// Every pool has the slots 0..kLastSlot; slot 0 is never used, so 0 means "none".
inline constexpr int kLastSlot = 10000;
inline constexpr int kPoolSize = kLastSlot + 1;

// A triangle whose outward side is the one VecCross(B - A, C - A) points to.
struct MeshFace {
  std::int16_t A = 0, B = 0, C = 0;
  ColourRGB Colour;
  float Gloss = 0;  // weight of the lit colour and of the highlight
};

struct MeshObject {
  IndexRange Vertex;
  IndexRange Face;
};

// Render modes of a camera.
inline constexpr std::int16_t kRenderFilaire = 1;
inline constexpr std::int16_t kRenderTransp = 3;
inline constexpr std::int16_t kRenderSurface = 5;

struct CameraRecord {
  float TanHalfFov = 0;
  float Near = 0;
  float Far = 0;
  Vector3 Rotation;  // x roll, y pitch, z yaw
  Vector3 Position;
  bool Dirty = false;  // View must be rebuilt before use
  Matrix4 View;        // world to view
  bool Specular = false;
  std::int16_t RenderMode = 0;
};

struct LightRecord {
  ColourRGB Colour;
  Vector3 Position;
};

}  // namespace view3d

#pragma once
// Everything the 3D view keeps between calls: the mesh pools, the cameras and
// lights, the per-frame tables and the interaction state. One instance lives
// for the whole run, owned by the application context; tests make their own.
#include <cstdint>
#include <vector>

#include "platform/dispatch.h"
#include "platform/variant.h"
#include "view3d/scene_types.h"

namespace view3d {

struct ViewContext {
  // The utility object the view asks for DegreeToRadian and SingleSort, by name.
  platform::Object Bits;

  // Mesh pools; objects are stored in world coordinates.
  std::vector<Vector3> Vertices = std::vector<Vector3>(kPoolSize);
  std::vector<MeshFace> Faces = std::vector<MeshFace>(kPoolSize);
  std::vector<MeshObject> Objects = std::vector<MeshObject>(kPoolSize);
  IndexRange ObjectList;

  std::vector<CameraRecord> Cameras = std::vector<CameraRecord>(kPoolSize);
  std::vector<LightRecord> Lights = std::vector<LightRecord>(kPoolSize);
  IndexRange CameraList;
  IndexRange LightList;
  std::int16_t ViewCameraIndex = 0;
  std::int16_t ViewLightIndex = 0;

  // Per-frame tables, overwritten frame by frame. The two sort arrays are
  // automation arrays because SingleSort writes them back by reference.
  std::vector<Vector3> ViewVertices = std::vector<Vector3>(kPoolSize);
  std::vector<Vector3> ScreenVertices = std::vector<Vector3>(kPoolSize);
  platform::Int16Array DrawList{0, std::vector<std::int16_t>(kPoolSize)};
  platform::FloatArray DepthKeys{0, std::vector<float>(kPoolSize)};
  std::vector<ColourRGB> FaceColours = std::vector<ColourRGB>(kPoolSize);
  std::vector<Vector3> VertexNormals = std::vector<Vector3>(kPoolSize);
  std::vector<ColourRGB> VertexColours = std::vector<ColourRGB>(kPoolSize);

  // Interaction state.
  float ViewYaw = 0;
  float ViewPitch = 0;
  float ViewDistance = 0;
  float ViewTurnStep = 0;
  float ViewZoomStep = 0;
  std::int32_t ViewMouseX = 0;
  std::int32_t ViewMouseY = 0;
  bool ViewRedraw = false;
};

}  // namespace view3d

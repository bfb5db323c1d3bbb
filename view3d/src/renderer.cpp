#include "view3d/renderer.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "view3d/camera.h"
#include "view3d/raster.h"

namespace view3d {
namespace {

// Screen coordinates to the nearest pixel, halves to even, kept inside the
// range the raster primitives accept.
int ToPixel(float value) {
  constexpr double kLimit = 1 << 28;
  return static_cast<int>(std::clamp(std::nearbyint(static_cast<double>(value)), -kLimit, kLimit));
}

Point ScreenPoint(const ViewContext& view, int vertex) {
  const Vector3& s = view.ScreenVertices[vertex];
  return {ToPixel(s.x), ToPixel(s.y)};
}

std::array<Point, 3> ScreenCorners(const ViewContext& view, const MeshFace& f) {
  return {ScreenPoint(view, f.A), ScreenPoint(view, f.B), ScreenPoint(view, f.C)};
}

template <class Fn>
void ForEachVertex(const ViewContext& view, Fn&& fn) {
  for (int i = view.ObjectList.First; i <= LastIndex(view.ObjectList); ++i) {
    if (i <= 0) continue;
    const IndexRange& run = view.Objects[i].Vertex;
    for (int v = run.First; v <= LastIndex(run); ++v) fn(v);
  }
}

void TransformVertices(ViewContext& view, int camera) {
  BuildViewMatrix(view, camera);
  const Matrix4& m = view.Cameras[camera].View;
  ForEachVertex(view, [&](int v) { view.ViewVertices[v] = TransformPoint(view.Vertices[v], m); });
}

void ProjectVertices(ViewContext& view, const PixelBuffer& surface, int camera) {
  const Matrix4 p = BuildProjection(view, camera, static_cast<float>(surface.width()),
                                    static_cast<float>(surface.height()));
  ForEachVertex(view, [&](int v) {
    const Vector4 h = TransformPoint4(view.ViewVertices[v], p);
    // A vertex in the eye's plane keeps its old screen point; the frustum
    // test rejects every face using it.
    if (h.w != 0) view.ScreenVertices[v] = {h.x / h.w, h.y / h.w, h.z / h.w};
  });
}

// The face count of the list, up to its first 0.
int ListLength(const ViewContext& view) {
  const auto& list = view.DrawList.data;
  int n = 0;
  while (n <= kLastSlot && list[n] != 0) ++n;
  return n;
}

void PaintFlat(ViewContext& view, PixelBuffer& surface, int camera, int count) {
  const CameraRecord& c = view.Cameras[camera];
  const bool wire = c.RenderMode == kRenderFilaire;
  for (int i = 0; i < count; ++i) {
    const int f = view.DrawList.data[i];
    view.FaceColours[f] =
        wire ? view.Faces[f].Colour
             : ShadeColour(view, FaceCentre(view, f), FaceNormal(view, f), f, camera);
  }
  constexpr Pixel kWhite = 0xFFFFFF;
  for (int i = 0; i < count; ++i) {
    const int f = view.DrawList.data[i];
    const auto corners = ScreenCorners(view, view.Faces[f]);
    const Pixel fill = PixelFromPacked(ColourToPacked(view.FaceColours[f]));
    if (wire) {
      OutlinedTriangle(surface, corners, fill, kWhite, RasterOp::CopyPen);
    } else {
      FillTriangle(surface, corners, fill, RasterOp::MergePen);
    }
  }
}

std::uint16_t Channel16(std::int16_t channel) {
  return static_cast<std::uint16_t>(std::clamp<int>(channel, 0, 255) * 256);
}

void PaintSmooth(ViewContext& view, PixelBuffer& surface, int camera, int count) {
  auto corners = [&](int i) {
    const MeshFace& f = view.Faces[view.DrawList.data[i]];
    return std::array<int, 3>{f.A, f.B, f.C};
  };
  for (int i = 0; i < count; ++i)
    for (int v : corners(i)) view.VertexNormals[v] = {};
  for (int i = 0; i < count; ++i) {
    const Vector3 normal = FaceNormal(view, view.DrawList.data[i]);
    for (int v : corners(i)) view.VertexNormals[v] = VecAdd(view.VertexNormals[v], normal);
  }
  for (int i = 0; i < count; ++i) {
    const int f = view.DrawList.data[i];
    for (int v : corners(i))
      view.VertexColours[v] = ShadeColour(view, view.Vertices[v], view.VertexNormals[v], f, camera);
  }
  for (int i = 0; i < count; ++i) {
    std::array<GradientVertex, 3> g;
    const auto c = corners(i);
    for (int k = 0; k < 3; ++k) {
      const ColourRGB& colour = view.VertexColours[c[k]];
      g[k] = {ScreenPoint(view, c[k]), Channel16(colour.R), Channel16(colour.G),
              Channel16(colour.B)};
    }
    GradientTriangle(surface, g);
  }
}

// Objects of exactly two vertices and one face are lines, drawn over
// everything when their first end lies between the near and far distances.
void PaintLines(const ViewContext& view, PixelBuffer& surface) {
  for (int i = view.ObjectList.First; i <= LastIndex(view.ObjectList); ++i) {
    if (i <= 0) continue;
    const MeshObject& o = view.Objects[i];
    if (o.Face.Count != 1 || o.Vertex.Count != 2) continue;
    const int first = o.Vertex.First;
    const float depth = view.ScreenVertices[first].z;
    if (!(depth > 0 && depth < 1)) continue;
    const Vector3& end = view.ScreenVertices[first + 1];
    if (std::isnan(end.x) || std::isnan(end.y)) continue;
    const Pixel colour = PixelFromPacked(ColourToPacked(view.Faces[o.Face.First].Colour));
    DrawLine(surface, ScreenPoint(view, first), ScreenPoint(view, first + 1), colour,
             RasterOp::CopyPen);
  }
}

}  // namespace

void InitView(ViewContext& view) {
  view.ObjectList.First = 1;
  view.CameraList.First = 1;
  view.LightList.First = 1;
}

void RenderScene(ViewContext& view, PixelBuffer& surface, int camera) {
  TransformVertices(view, camera);
  ProjectVertices(view, surface, camera);
  BuildDrawList(view, camera);
  DrawScene(view, surface, camera);
}

void BuildDrawList(ViewContext& view, int camera) {
  const CameraRecord& c = view.Cameras[camera];
  const float t = c.TanHalfFov;
  auto& list = view.DrawList.data;
  auto& keys = view.DepthKeys.data;
  auto outsideDepth = [&](int v) {
    const float z = view.ScreenVertices[v].z;
    return z <= 0 || z >= 1;
  };
  auto outsidePyramid = [&](int v) {
    const Vector3& p = view.ViewVertices[v];
    return std::fabs(p.x) >= p.z * t || std::fabs(p.y) >= p.z * t;
  };
  int n = 0;
  for (int i = view.ObjectList.First; i <= LastIndex(view.ObjectList); ++i) {
    if (i <= 0) continue;
    const IndexRange& run = view.Objects[i].Face;
    for (int f = run.First; f <= LastIndex(run); ++f) {
      const MeshFace& face = view.Faces[f];
      if (outsideDepth(face.A) || outsideDepth(face.B) || outsideDepth(face.C)) continue;
      if (outsidePyramid(face.A) || outsidePyramid(face.B) || outsidePyramid(face.C)) continue;
      const float toEye = VecCosAngle(VecSub(c.Position, FaceCentre(view, f)), FaceNormal(view, f));
      if (!(toEye > 0)) continue;
      keys[n] = -(view.ScreenVertices[face.A].z + view.ScreenVertices[face.B].z +
                  view.ScreenVertices[face.C].z);
      list[n] = static_cast<std::int16_t>(f);
      ++n;
    }
  }
  // Leftovers of a longer list of an earlier frame.
  for (int i = n; i <= kLastSlot && list[i] != 0; ++i) list[i] = 0;
  platform::CallByName(
      *view.Bits, "SingleSort",
      {platform::Variant::Ref(view.DepthKeys), platform::Variant::Ref(view.DrawList),
       platform::Variant(std::int16_t{0}), platform::Variant(static_cast<std::int16_t>(n - 1))});
}

void DrawScene(ViewContext& view, PixelBuffer& surface, int camera) {
  const int count = ListLength(view);
  switch (view.Cameras[camera].RenderMode) {
    case kRenderFilaire:
    case kRenderTransp:
      PaintFlat(view, surface, camera, count);
      break;
    case kRenderSurface:
      PaintSmooth(view, surface, camera, count);
      break;
    default:
      break;
  }
  PaintLines(view, surface);
}

Vector3 FaceCentre(const ViewContext& view, int face) {
  const MeshFace& f = view.Faces[face];
  const Vector3 &a = view.Vertices[f.A], &b = view.Vertices[f.B], &c = view.Vertices[f.C];
  return {(a.x + b.x + c.x) / 3, (a.y + b.y + c.y) / 3, (a.z + b.z + c.z) / 3};
}

Vector3 FaceNormal(const ViewContext& view, int face) {
  const MeshFace& f = view.Faces[face];
  const Vector3& a = view.Vertices[f.A];
  return VecCross(VecSub(view.Vertices[f.B], a), VecSub(view.Vertices[f.C], a));
}

}  // namespace view3d

#include "view3d/builders.h"

#include <array>
#include <cstdint>

#include "view3d/mesh.h"

namespace view3d {
namespace {

// Writes a growing object's vertices and faces at consecutive slots after its
// first ones, failing once a slot would leave the pool.
class GrowingObject {
 public:
  explicit GrowingObject(ViewContext& view) : view_(view), slot_(CreateMeshObject(view, 0, 0)) {
    if (slot_ != 0) {
      nextVertex_ = view.Objects[slot_].Vertex.First;
      nextFace_ = view.Objects[slot_].Face.First;
    }
  }
  bool ok() const { return slot_ != 0 && !full_; }
  int vertexSlot(int index) const { return view_.Objects[slot_].Vertex.First + index; }

  void AddVertex(const Vector3& v) {
    if (!ok()) return;
    if (nextVertex_ > kLastSlot) return Fail();
    view_.Vertices[nextVertex_++] = v;
  }
  void AddFace(int a, int b, int c) {
    if (!ok()) return;
    if (nextFace_ > kLastSlot) return Fail();
    view_.Faces[nextFace_++] = {static_cast<std::int16_t>(a),
                                static_cast<std::int16_t>(b),
                                static_cast<std::int16_t>(c),
                                {},
                                0};
  }
  // Sets the counts, welds and moves the mesh into runs of its final length.
  int Finish() {
    if (!ok()) return 0;
    MeshObject& o = view_.Objects[slot_];
    o.Vertex.Count = static_cast<std::int16_t>(nextVertex_ - o.Vertex.First);
    o.Face.Count = static_cast<std::int16_t>(nextFace_ - o.Face.First);
    OptimizeMeshObject(view_, slot_);
    return RelocateMeshObject(view_, slot_);
  }

 private:
  void Fail() {
    DeleteMeshObject(view_, slot_);
    full_ = true;
  }
  ViewContext& view_;
  int slot_;
  int nextVertex_ = 0;
  int nextFace_ = 0;
  bool full_ = false;
};

}  // namespace

int BuildBox(ViewContext& view, const Vector3& size) {
  const int slot = CreateMeshObject(view, 8, 12);
  if (slot == 0) return 0;
  const float sx = size.x, sy = size.y, sz = size.z;
  const std::array<Vector3, 8> corners{Vector3{0, 0, 0}, {sx, 0, 0},  {sx, 0, sz},  {0, 0, sz},
                                       {0, sy, 0},       {sx, sy, 0}, {sx, sy, sz}, {0, sy, sz}};
  static constexpr int kFaces[12][3] = {{0, 4, 5}, {0, 5, 1}, {1, 5, 6}, {1, 6, 2},
                                        {2, 6, 7}, {2, 7, 3}, {3, 7, 4}, {3, 4, 0},
                                        {3, 0, 1}, {3, 1, 2}, {4, 7, 6}, {4, 6, 5}};
  const MeshObject& o = view.Objects[slot];
  for (int i = 0; i < 8; ++i) view.Vertices[o.Vertex.First + i] = corners[i];
  for (int i = 0; i < 12; ++i) {
    auto corner = [&](int k) { return static_cast<std::int16_t>(o.Vertex.First + kFaces[i][k]); };
    view.Faces[o.Face.First + i] = {corner(0), corner(1), corner(2), {}, 0};
  }
  return slot;
}

int BuildGrid(ViewContext& view, float width, float depth, int cellsAcross, int cellsDeep,
              bool twoSided) {
  GrowingObject grid(view);
  if (!grid.ok()) return 0;
  const int nx = cellsAcross, ny = cellsDeep;
  for (int j = 0; j <= ny; ++j)
    for (int i = 0; i <= nx; ++i) grid.AddVertex({i * width / nx, 0, j * depth / ny});
  auto p = [&](int i, int j) { return grid.vertexSlot(j * (nx + 1) + i); };
  for (int j = 0; j < ny; ++j) {
    for (int i = 0; i < nx; ++i) {
      grid.AddFace(p(i, j), p(i, j + 1), p(i + 1, j + 1));
      grid.AddFace(p(i, j), p(i + 1, j + 1), p(i + 1, j));
      if (twoSided) {
        grid.AddFace(p(i, j), p(i + 1, j + 1), p(i, j + 1));
        grid.AddFace(p(i, j), p(i + 1, j), p(i + 1, j + 1));
      }
    }
  }
  return grid.Finish();
}

int BuildCylinder(ViewContext& view, float radius, float length, int segments) {
  GrowingObject cylinder(view);
  if (!cylinder.ok()) return 0;
  const int n = segments;
  const Vector3 top{0, length, 0};
  constexpr float kTwoPi = static_cast<float>(2 * 3.14159265358979);
  for (int k = 0; k <= n; ++k) cylinder.AddVertex(top);
  for (int ring = 0; ring < 2; ++ring) {
    const Vector3 centre = ring == 0 ? top : Vector3{};
    for (int k = 0; k <= n; ++k) {
      const float angle = k * kTwoPi / n;
      cylinder.AddVertex(VecAdd(VecScale(DirectionFromAngles({0, 0, angle}), radius), centre));
    }
  }
  for (int k = 0; k <= n; ++k) cylinder.AddVertex({});
  auto q = [&](int ring, int k) { return cylinder.vertexSlot((ring - 1) * (n + 1) + k); };
  for (int m = 1; m <= 3; ++m) {
    for (int k = 0; k < n; ++k) {
      cylinder.AddFace(q(m, k), q(m + 1, k), q(m + 1, k + 1));
      cylinder.AddFace(q(m, k), q(m + 1, k + 1), q(m, k + 1));
    }
  }
  return cylinder.Finish();
}

int BuildLine(ViewContext& view, const Vector3& from, const Vector3& to) {
  const int slot = CreateMeshObject(view, 2, 1);
  if (slot == 0) return 0;
  const MeshObject& o = view.Objects[slot];
  view.Vertices[o.Vertex.First] = from;
  view.Vertices[o.Vertex.First + 1] = to;
  view.Faces[o.Face.First] = {};
  return slot;
}

}  // namespace view3d

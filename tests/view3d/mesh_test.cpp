#include <gtest/gtest.h>

#include <set>

#include "view3d/builders.h"
#include "view3d/mesh.h"
#include "view3d/renderer.h"

namespace view3d {
namespace {

class MeshTest : public ::testing::Test {
 protected:
  void SetUp() override { InitView(view); }
  const MeshObject& object(int slot) const { return view.Objects[slot]; }
  // Every face of the object uses only vertices of the object's own run.
  void ExpectSelfContained(int slot) const {
    const MeshObject& o = object(slot);
    for (int f = o.Face.First; f <= LastIndex(o.Face); ++f) {
      for (int v : {view.Faces[f].A, view.Faces[f].B, view.Faces[f].C}) {
        EXPECT_GE(v, o.Vertex.First) << "face " << f;
        EXPECT_LE(v, LastIndex(o.Vertex)) << "face " << f;
      }
    }
  }
  ViewContext view;
};

struct BuilderRow {
  const char* name;
  int (*build)(ViewContext&);
  int vertices;
  int faces;
  bool solid;  // faces use the object's vertices (a line's face uses none)
};

class BuilderCountTest : public MeshTest, public ::testing::WithParamInterface<BuilderRow> {};

TEST_P(BuilderCountTest, Counts) {
  const int slot = GetParam().build(view);
  ASSERT_EQ(slot, 1);
  EXPECT_EQ(object(slot).Vertex.Count, GetParam().vertices);
  EXPECT_EQ(object(slot).Face.Count, GetParam().faces);
  EXPECT_EQ(view.ObjectList.Count, 1);
  if (GetParam().solid) ExpectSelfContained(slot);
}

INSTANTIATE_TEST_SUITE_P(
    Builders, BuilderCountTest,
    ::testing::Values(
        BuilderRow{"box",
                   [](ViewContext& v) {
                     return BuildBox(v, {1, 2, 3});
                   },
                   8, 12, true},
        BuilderRow{"flat_box",
                   [](ViewContext& v) {
                     return BuildBox(v, {0, 0, 0});
                   },
                   8, 12, true},
        BuilderRow{"cylinder16", [](ViewContext& v) { return BuildCylinder(v, 5, 5, 16); }, 34, 64,
                   true},
        BuilderRow{"cylinder5", [](ViewContext& v) { return BuildCylinder(v, 1, 30, 5); }, 12, 20,
                   true},
        BuilderRow{"grid_two_sided",
                   [](ViewContext& v) { return BuildGrid(v, 50, 30, 4, 4, true); }, 25, 64, true},
        BuilderRow{"grid_one_sided",
                   [](ViewContext& v) { return BuildGrid(v, 50, 30, 4, 4, false); }, 25, 32, true},
        BuilderRow{"line",
                   [](ViewContext& v) {
                     return BuildLine(v, {1, 2, 3}, {4, 5, 6});
                   },
                   2, 1, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(MeshTest, BoxLayout) {
  const int slot = BuildBox(view, {2, 3, 4});
  const MeshObject& o = object(slot);
  EXPECT_EQ(view.Vertices[o.Vertex.First + 6], (Vector3{2, 3, 4}));
  EXPECT_EQ(view.Vertices[o.Vertex.First + 3], (Vector3{0, 0, 4}));
  const MeshFace& last = view.Faces[LastIndex(o.Face)];
  EXPECT_EQ(last.A, o.Vertex.First + 4);
  EXPECT_EQ(last.B, o.Vertex.First + 6);
  EXPECT_EQ(last.C, o.Vertex.First + 5);
}

// Every face of a closed convex solid looks away from a point inside it.
TEST_F(MeshTest, BuildersFaceOutward) {
  const int box = BuildBox(view, {2, 2, 2});
  const int cylinder = BuildCylinder(view, 5, 5, 16);
  for (auto [slot, inside] : {std::pair{box, Vector3{1, 1, 1}}, {cylinder, Vector3{0, 2.5f, 0}}}) {
    const IndexRange& faces = object(slot).Face;
    for (int f = faces.First; f <= LastIndex(faces); ++f) {
      EXPECT_GT(VecDot(FaceNormal(view, f), VecSub(FaceCentre(view, f), inside)), 0)
          << "object " << slot << " face " << f;
    }
  }
}

TEST_F(MeshTest, CylinderWeldsCapsAndSeam) {
  const int slot = BuildCylinder(view, 5, 5, 16);
  const MeshObject& o = object(slot);
  std::set<std::tuple<float, float, float>> distinct;
  for (int v = o.Vertex.First; v <= LastIndex(o.Vertex); ++v)
    distinct.insert({view.Vertices[v].x, view.Vertices[v].y, view.Vertices[v].z});
  EXPECT_EQ(distinct.size(), 34u);
  for (int f = o.Face.First; f <= LastIndex(o.Face); ++f) {
    const MeshFace& face = view.Faces[f];
    EXPECT_TRUE(face.A != face.B && face.B != face.C && face.C != face.A);
  }
}

TEST_F(MeshTest, GrowingBuildersRelocateIntoExactRuns) {
  const int box = BuildBox(view, {1, 1, 1});  // vertices 1-8, faces 1-12
  const int grid = BuildGrid(view, 50, 30, 4, 4, true);
  ASSERT_EQ(grid, 2);
  // Built at 9-33 / 13-76, copied behind itself, the first copy deleted.
  EXPECT_EQ(object(grid).Vertex, (IndexRange{34, 25}));
  EXPECT_EQ(object(grid).Face, (IndexRange{77, 64}));
  EXPECT_EQ(object(box).Vertex, (IndexRange{1, 8}));
  ExpectSelfContained(grid);
  // The next object fits first in the space the grid was built in.
  const int next = BuildBox(view, {1, 1, 1});
  EXPECT_EQ(object(next).Vertex, (IndexRange{9, 8}));
  EXPECT_EQ(object(next).Face, (IndexRange{13, 12}));
}

TEST_F(MeshTest, FirstFitTakesTheFirstGapThatHolds) {
  BuildBox(view, {1, 1, 1});  // 1-8
  BuildBox(view, {1, 1, 1});  // 9-16
  BuildBox(view, {1, 1, 1});  // 17-24
  DeleteMeshObject(view, 2);  // frees 9-16
  EXPECT_EQ(AllocateVertices(view, 8), 9);
  EXPECT_EQ(AllocateVertices(view, 9), 25);
  EXPECT_EQ(AllocateVertices(view, 0), 25);
  DeleteMeshObject(view, 1);
  EXPECT_EQ(AllocateVertices(view, 16), 1);
}

TEST_F(MeshTest, DeleteShiftsRecordsDown) {
  const int a = BuildBox(view, {1, 1, 1});
  BuildBox(view, {2, 2, 2});
  const IndexRange secondRun = object(2).Vertex;
  DeleteMeshObject(view, a);
  EXPECT_EQ(view.ObjectList.Count, 1);
  EXPECT_EQ(object(1).Vertex, secondRun);
  EXPECT_EQ(object(2).Vertex, IndexRange{});
  DeleteMeshObject(view, 5);  // not an object: nothing
  EXPECT_EQ(view.ObjectList.Count, 1);
}

TEST_F(MeshTest, CloneShiftsFaceCorners) {
  const int a = BuildBox(view, {1, 2, 3});
  const int b = CloneMeshObject(view, a);
  ASSERT_EQ(b, 2);
  const int shift = object(b).Vertex.First - object(a).Vertex.First;
  EXPECT_EQ(shift, 8);
  for (int i = 0; i < 12; ++i) {
    EXPECT_EQ(view.Faces[object(b).Face.First + i].A,
              view.Faces[object(a).Face.First + i].A + shift);
  }
  for (int i = 0; i < 8; ++i)
    EXPECT_EQ(view.Vertices[object(b).Vertex.First + i], view.Vertices[object(a).Vertex.First + i]);
}

TEST_F(MeshTest, RemoveVertexRenumbersFaces) {
  const int slot = CreateMeshObject(view, 4, 2);
  const MeshObject& o = object(slot);
  for (int i = 0; i < 4; ++i) view.Vertices[o.Vertex.First + i] = {float(i), 0, 0};
  view.Faces[1] = {1, 2, 4, {}, 0};
  view.Faces[2] = {2, 3, 4, {}, 0};
  RemoveVertex(view, 2, 1);
  EXPECT_EQ(o.Vertex.Count, 3);
  EXPECT_EQ(view.Vertices[2], (Vector3{2, 0, 0}));
  EXPECT_EQ(view.Vertices[4], (Vector3{}));
  EXPECT_EQ(view.Faces[1].B, 1);
  EXPECT_EQ(view.Faces[1].C, 3);
  EXPECT_EQ(view.Faces[2].A, 1);
  EXPECT_EQ(view.Faces[2].B, 2);
}

TEST_F(MeshTest, OptimizeDropsUnusedVerticesAndBrokenFaces) {
  const int slot = CreateMeshObject(view, 5, 4);
  const MeshObject& o = object(slot);
  view.Vertices[1] = {0, 0, 0};
  view.Vertices[2] = {1, 0, 0};
  view.Vertices[3] = {7, 7, 7};  // unused
  view.Vertices[4] = {0, 1, 0};
  view.Vertices[5] = {1, 0.00001f, 0};  // a copy of 2
  view.Faces[1] = {1, 2, 4, {}, 0};
  view.Faces[2] = {1, 5, 4, {}, 0};  // the same triangle once welded
  view.Faces[3] = {2, 5, 4, {}, 0};  // degenerate once welded
  view.Faces[4] = {1, 2, 9, {}, 0};  // outside the run
  OptimizeMeshObject(view, slot);
  EXPECT_EQ(o.Vertex.Count, 3);
  EXPECT_EQ(o.Face.Count, 2);
  ExpectSelfContained(slot);
}

TEST_F(MeshTest, PlacementAndColourOfSlotZeroChangeNothing) {
  BuildBox(view, {1, 1, 1});
  const auto before = view.Vertices;
  TransformMeshObject(view, 0, MatTranslation({5, 5, 5}));
  SetMeshColour(view, 0, {1, 2, 3}, 0.5f);
  EXPECT_EQ(view.Vertices, before);
  EXPECT_EQ(view.Faces[1].Colour, ColourRGB{});
}

TEST_F(MeshTest, FullPoolsLeaveNoObjectBehind) {
  // Fill the vertex pool up to a few slots short of the end.
  ASSERT_NE(CreateMeshObject(view, kLastSlot - 20, 1), 0);
  EXPECT_EQ(BuildCylinder(view, 5, 5, 16), 0);
  EXPECT_EQ(BuildGrid(view, 10, 10, 4, 4, true), 0);
  EXPECT_EQ(BuildBox(view, {1, 1, 1}), 1 + 1);  // 8 vertices still fit
  EXPECT_EQ(view.ObjectList.Count, 2);
  EXPECT_EQ(CreateMeshObject(view, 20, 1), 0);
  EXPECT_EQ(view.ObjectList.Count, 2);
}

TEST_F(MeshTest, ClearSceneKeepsTheViewCameraAndLight) {
  BuildBox(view, {1, 1, 1});
  BuildLine(view, {}, {1, 1, 1});
  view.CameraList.Count = 1;
  view.LightList.Count = 2;
  ClearScene(view, 0, 1, 1);
  EXPECT_EQ(view.ObjectList.Count, 0);
  EXPECT_EQ(view.CameraList.Count, 1);
  EXPECT_EQ(view.LightList.Count, 1);
}

}  // namespace
}  // namespace view3d

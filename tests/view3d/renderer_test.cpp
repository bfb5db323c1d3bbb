#include <gtest/gtest.h>

#include <cmath>

#include "view3d/camera.h"
#include "view3d/mesh.h"
#include "view3d/raster.h"
#include "view3d/renderer.h"
#include "view_fixture.h"

namespace view3d {
namespace {

// The eye at (0, 0, -370) looking along +z: world (x, y, z) is view (x, y, z + 370).
class RendererTest : public ViewFixture {
 protected:
  RendererTest() : picture(64, 48) {
    camera().RenderMode = kRenderFilaire;
    OrbitCamera(view, 1, {}, 370, 0, 0);
    view.Lights[1].Position = camera().Position;
  }
  // A triangle whose outward side faces the eye, at world depth z.
  int Triangle(const Vector3& a, const Vector3& b, const Vector3& c,
               const ColourRGB& colour = {200, 100, 50}) {
    const int slot = CreateMeshObject(view, 3, 1);
    const MeshObject& o = view.Objects[slot];
    view.Vertices[o.Vertex.First] = a;
    view.Vertices[o.Vertex.First + 1] = b;
    view.Vertices[o.Vertex.First + 2] = c;
    view.Faces[o.Face.First] = {o.Vertex.First, static_cast<std::int16_t>(o.Vertex.First + 1),
                                static_cast<std::int16_t>(o.Vertex.First + 2), colour, 0.5f};
    return slot;
  }
  int FacingTriangle(float x, float y, float z, float size = 10) {
    return Triangle({x, y, z}, {x, y + size, z}, {x + size, y, z});
  }
  void Render() {
    picture.Fill(0);
    RenderScene(view, picture, 1);
  }
  int ListLength() const {
    int n = 0;
    while (n <= kLastSlot && view.DrawList.data[n] != 0) ++n;
    return n;
  }
  PixelBuffer picture;
};

TEST_F(RendererTest, EmptySceneGivesAnEmptyListAndABlackFrame) {
  Render();
  EXPECT_EQ(view.DrawList.data[0], 0);
  for (Pixel p : picture.pixels()) ASSERT_EQ(p, 0u);
}

struct RejectRow {
  const char* name;
  Vector3 a, b, c;
  bool drawn;
};

class RejectionTest : public RendererTest, public ::testing::WithParamInterface<RejectRow> {};

TEST_P(RejectionTest, WholeFaces) {
  Triangle(GetParam().a, GetParam().b, GetParam().c);
  Render();
  EXPECT_EQ(ListLength(), GetParam().drawn ? 1 : 0);
}

// With t = tan 30: the side of the view pyramid at view depth 370 is x = 370 t.
const float kEdge = 370 * 0.57735026f;

INSTANTIATE_TEST_SUITE_P(
    Rows, RejectionTest,
    ::testing::Values(
        RejectRow{"in_view", {0, 0, 0}, {0, 10, 0}, {10, 0, 0}, true},
        RejectRow{"corner_at_near", {0, 0, -369}, {0, 0.1f, 0}, {0.1f, 0, 0}, false},
        RejectRow{"just_past_near", {0, 0, -368}, {0, 0.1f, -368}, {0.1f, 0, -368}, true},
        RejectRow{"corner_beyond_far", {0, 0, 0}, {0, 10, 0}, {10, 0, 1300}, false},
        RejectRow{"before_far", {0, 0, 1000}, {0, 10, 1000}, {10, 0, 1000}, true},
        RejectRow{"corner_on_side", {0, 0, 0}, {0, 10, 0}, {kEdge, 0, 0}, false},
        RejectRow{"corner_inside_side", {0, 0, 0}, {0, 10, 0}, {kEdge - 0.5f, 0, 0}, true},
        RejectRow{"corner_on_top", {0, 0, 0}, {0, kEdge, 0}, {10, 0, 0}, false},
        RejectRow{"corner_behind_eye", {0, 0, 0}, {0, 10, -400}, {10, 0, 0}, false},
        RejectRow{"back_facing", {0, 0, 0}, {10, 0, 0}, {0, 10, 0}, false},
        RejectRow{"edge_on", {0, 0, 0}, {0, 10, 0}, {0, 0, 10}, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(RendererTest, LineFaceIsNeverListed) {
  const int slot = CreateMeshObject(view, 2, 1);
  view.Vertices[view.Objects[slot].Vertex.First] = {0, 0, 0};
  view.Vertices[view.Objects[slot].Vertex.First + 1] = {10, 10, 0};
  view.Faces[view.Objects[slot].Face.First] = {};
  Render();
  EXPECT_EQ(ListLength(), 0);
}

TEST_F(RendererTest, FarthestFaceFirst) {
  const int near = FacingTriangle(0, 0, 0);
  const int far = FacingTriangle(-5, -5, 200);
  const int middle = FacingTriangle(5, 5, 100);
  Render();
  ASSERT_EQ(ListLength(), 3);
  EXPECT_EQ(view.DrawList.data[0], view.Objects[far].Face.First);
  EXPECT_EQ(view.DrawList.data[1], view.Objects[middle].Face.First);
  EXPECT_EQ(view.DrawList.data[2], view.Objects[near].Face.First);
  EXPECT_LT(view.DepthKeys.data[0], view.DepthKeys.data[2]);
}

TEST_F(RendererTest, ShrinkingListLeavesNoStaleEntries) {
  FacingTriangle(0, 0, 0);
  FacingTriangle(0, 0, 50);
  FacingTriangle(0, 0, 100);
  Render();
  ASSERT_EQ(ListLength(), 3);
  DeleteMeshObject(view, 3);
  DeleteMeshObject(view, 2);
  Render();
  EXPECT_EQ(ListLength(), 1);
  EXPECT_EQ(view.DrawList.data[1], 0);
  EXPECT_EQ(view.DrawList.data[2], 0);
}

// The screen point of a world point in this fixture's view, to the pixel.
Point Screen(const Vector3& p) {
  const float s = 32, t = 0.57735026f, z = p.z + 370;
  return {static_cast<int>(std::nearbyint(32 + s * p.x / (t * z))),
          static_cast<int>(std::nearbyint(24 - s * p.y / (t * z)))};
}

TEST_F(RendererTest, FilaireShowsWhiteEdgesOverTheFlatColour) {
  FacingTriangle(-60, -60, 0, 120);
  Render();
  const Point a = Screen({-60, -60, 0});
  EXPECT_EQ(picture.at(a.x, a.y), 0xFFFFFFu);
  const Point inside = Screen({-40, -40, 0});
  EXPECT_EQ(picture.at(inside.x, inside.y), 0xC86432u);  // (200, 100, 50), unlit
}

TEST_F(RendererTest, TranspOrsTheShadedColours) {
  camera().RenderMode = kRenderTransp;
  picture.Fill(0);
  FacingTriangle(-60, -60, 0, 120);
  picture.Fill(0x000001);  // what is already there stays in
  RenderScene(view, picture, 1);
  const Point inside = Screen({-40, -40, 0});
  // Lit at the face centre (-20, -20, 0): cosine 370 / 371.08 toward the
  // light, 254 of its white; halfway from (200, 100, 50) gives (227, 177, 152).
  EXPECT_EQ(picture.at(inside.x, inside.y), 0xE3B198u | 1u);
  const Point outside = Screen({70, 70, 0});
  EXPECT_EQ(picture.at(outside.x, outside.y), 0x000001u);
}

TEST_F(RendererTest, SurfaceShadesEveryVertex) {
  camera().RenderMode = kRenderSurface;
  const int slot = FacingTriangle(-60, -60, 0, 120);
  SetMeshColour(view, slot, {0, 0, 0}, 0.5f);
  Render();
  // Each corner sees the light at cosine 370 / 379.605: 249 of its white,
  // halfway from black is 124.5, which goes to the even 124 (0x7C00 for the fill).
  for (const Vector3& p : {Vector3{-40, -40, 0}, Vector3{-54, -54, 0}, Vector3{-54, 45, 0}}) {
    const Point at = Screen(p);
    EXPECT_EQ(picture.at(at.x, at.y), 0x7C7C7Cu) << p.x << "," << p.y;
  }
}

TEST_F(RendererTest, VertexNormalsSumOnlyListedFaces) {
  camera().RenderMode = kRenderSurface;
  const int slot = FacingTriangle(0, 0, 0, 20);
  Render();
  const int v = view.Objects[slot].Vertex.First;
  EXPECT_EQ(view.VertexNormals[v], FaceNormal(view, view.Objects[slot].Face.First));
}

struct LineRow {
  const char* name;
  Vector3 first, second;
  bool drawn;
};

class WireTest : public RendererTest, public ::testing::WithParamInterface<LineRow> {};

TEST_P(WireTest, OnlyTheFirstEndIsTested) {
  const int slot = CreateMeshObject(view, 2, 1);
  view.Vertices[view.Objects[slot].Vertex.First] = GetParam().first;
  view.Vertices[view.Objects[slot].Vertex.First + 1] = GetParam().second;
  view.Faces[view.Objects[slot].Face.First] = {0, 0, 0, {0, 255, 0}, 0.5f};
  Render();
  const Point at = Screen(GetParam().first);
  bool green = false;
  for (Pixel p : picture.pixels()) green = green || p == 0x00FF00u;
  EXPECT_EQ(green, GetParam().drawn);
  if (GetParam().drawn) {
    EXPECT_EQ(picture.at(at.x, at.y), 0x00FF00u);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, WireTest,
    ::testing::Values(LineRow{"both_in", {0, 0, 0}, {50, 50, 0}, true},
                      LineRow{"second_beyond_far", {0, 0, 0}, {300, 300, 3000}, true},
                      LineRow{"first_behind_eye", {0, 0, -380}, {10, 10, 0}, false},
                      LineRow{"first_beyond_far", {10, 10, 3000}, {0, 0, 0}, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(RendererTest, WireIsDrawnOverNearerFaces) {
  FacingTriangle(-60, -60, -100, 120);
  const int slot = CreateMeshObject(view, 2, 1);
  view.Vertices[view.Objects[slot].Vertex.First] = {-10, 0, 100};
  view.Vertices[view.Objects[slot].Vertex.First + 1] = {10, 0, 100};
  view.Faces[view.Objects[slot].Face.First] = {0, 0, 0, {0, 0, 255}, 0.5f};
  Render();
  const Point at = Screen({-10, 0, 100});
  EXPECT_EQ(picture.at(at.x, at.y), 0x0000FFu);  // blue
}

}  // namespace
}  // namespace view3d

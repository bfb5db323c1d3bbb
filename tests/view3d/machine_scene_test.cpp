#include <gtest/gtest.h>

#include <algorithm>
#include <limits>

#include "platform/numtext.h"
#include "view3d/machine_scene.h"
#include "view_fixture.h"

namespace view3d {
namespace {

class MachineSceneTest : public ViewFixture {
 protected:
  ~MachineSceneTest() override { platform::ResetDecimalSeparator(); }
  int Build(int option = kOption3Surface) {
    return Carte_Machine(view, machine, positions, option, pointer);
  }
  // Smallest and largest x of an object's vertices.
  std::pair<float, float> XRange(int slot) const {
    const IndexRange& run = view.Objects[slot].Vertex;
    float lo = std::numeric_limits<float>::max(), hi = -lo;
    for (int v = run.First; v <= LastIndex(run); ++v) {
      lo = std::min(lo, view.Vertices[v].x);
      hi = std::max(hi, view.Vertices[v].x);
    }
    return {lo, hi};
  }
  MachineDimensions machine;  // 300 x 100 x 500
  PositionTexts positions;
};

TEST_F(MachineSceneTest, FourteenPiecesWithTheWireLast) {
  const int wire = Build();
  EXPECT_EQ(view.ObjectList.Count, 14);
  EXPECT_EQ(wire, 14);
  EXPECT_EQ(view.Objects[wire].Vertex.Count, 2);
  EXPECT_EQ(view.Objects[wire].Face.Count, 1);
  EXPECT_EQ(view.Faces[view.Objects[wire].Face.First].Colour, (ColourRGB{128, 128, 0}));
  // The camera and light survive the rebuild.
  EXPECT_EQ(view.CameraList.Count, 1);
  EXPECT_EQ(view.LightList.Count, 1);
}

TEST_F(MachineSceneTest, SlotLayoutAfterARebuild) {
  Build();
  Build();
  const MeshObject& table = view.Objects[1];
  EXPECT_EQ(table.Vertex, (IndexRange{26, 25}));
  EXPECT_EQ(table.Face, (IndexRange{65, 64}));
  EXPECT_EQ(view.Objects[2].Vertex, (IndexRange{1, 8}));
  EXPECT_EQ(view.Objects[2].Face, (IndexRange{1, 12}));
}

TEST_F(MachineSceneTest, WireRunsBetweenTheHeads) {
  positions.texts = {"100", "200", "50", "75"};
  const int wire = Build();
  const int first = view.Objects[wire].Vertex.First;
  // x1 = -30, x2 = -20, y1 = -25, y2 = -20, W = 30
  EXPECT_EQ(view.Vertices[first], (Vector3{-28, -12.5f, 15}));
  EXPECT_EQ(view.Vertices[first + 1], (Vector3{-18, -10, -15}));
}

struct MotorRow {
  int position;
  float lo, hi;
};

class MotorSideTest : public MachineSceneTest, public ::testing::WithParamInterface<MotorRow> {};

TEST_P(MotorSideTest, XMotorsCover) {
  machine.Position_Moteur = GetParam().position;
  Build();
  for (int slot : {6, 8}) {
    const auto [lo, hi] = XRange(slot);
    EXPECT_NEAR(lo, GetParam().lo, 1e-4f) << "object " << slot;
    EXPECT_NEAR(hi, GetParam().hi, 1e-4f) << "object " << slot;
  }
}

// Longueur 500: P - 40 = 10.
INSTANTIATE_TEST_SUITE_P(Sides, MotorSideTest,
                         ::testing::Values(MotorRow{0, 10, 15}, MotorRow{1, -45, -40}));

struct PositionTextRow {
  const char* text;
  char separator;
  const char* rewritten;
};

class PositionTextTest : public MachineSceneTest,
                         public ::testing::WithParamInterface<PositionTextRow> {};

TEST_P(PositionTextTest, RewrittenToItsLeadingNumber) {
  platform::SetDecimalSeparator(GetParam().separator);
  positions.texts = {GetParam().text, "0", "0", "0"};
  Build();
  EXPECT_EQ(positions.texts[0], GetParam().rewritten);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, PositionTextTest,
    ::testing::Values(PositionTextRow{"abc", ',', "0"}, PositionTextRow{"", ',', "0"},
                      PositionTextRow{"12.5mm", ',', "12,5"}, PositionTextRow{"12,5", ',', "12,5"},
                      PositionTextRow{"12.5", '.', "12.5"}, PositionTextRow{"-3", '.', "-3"}));

struct ModeRow {
  int option;
  std::int16_t mode;
};

class RenderModeTest : public MachineSceneTest, public ::testing::WithParamInterface<ModeRow> {};

TEST_P(RenderModeTest, FromTheSelectedButton) {
  Option3_Click(view, machine, positions, GetParam().option, pointer);
  EXPECT_EQ(camera().RenderMode, GetParam().mode);
}

INSTANTIATE_TEST_SUITE_P(Buttons, RenderModeTest,
                         ::testing::Values(ModeRow{kOption3Surface, kRenderSurface},
                                           ModeRow{kOption3Filaire, kRenderFilaire},
                                           ModeRow{kOption3Transp, kRenderTransp}));

TEST_F(MachineSceneTest, SpecularStaysOnOnceSurfaceWasChosen) {
  Build(kOption3Filaire);
  EXPECT_FALSE(camera().Specular);
  Build(kOption3Surface);
  Build(kOption3Transp);
  EXPECT_TRUE(camera().Specular);
}

TEST_F(MachineSceneTest, FirstBuildTurnsToTheOpeningView) {
  Build();
  EXPECT_FLOAT_EQ(view.ViewYaw, -0.67f);
  EXPECT_FLOAT_EQ(view.ViewPitch, 0.72f);
  EXPECT_TRUE(view.ViewRedraw);
  EXPECT_EQ(view.ViewMouseX, 67);
  EXPECT_EQ(view.ViewMouseY, 72);
}

TEST_F(MachineSceneTest, LaterBuildTurnsByTheDistanceFromTheLastPosition) {
  Build();
  view.ViewRedraw = false;
  Picture3_MouseMove(view, pointer, 0, 0, 200, 100);  // the drag ended there
  const float yaw = view.ViewYaw, pitch = view.ViewPitch;
  machine.Largeur = 400;
  Build();
  EXPECT_NEAR(view.ViewYaw - yaw, 1.33f, 1e-5f);
  EXPECT_NEAR(view.ViewPitch - pitch, -0.28f, 1e-5f);
  EXPECT_TRUE(view.ViewRedraw);
}

}  // namespace
}  // namespace view3d

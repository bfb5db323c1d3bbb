#include "view3d/machine_scene.h"

#include <optional>

#include "platform/numtext.h"
#include "view3d/builders.h"
#include "view3d/mesh.h"

namespace view3d {
namespace {

constexpr float kHalfPi = static_cast<float>(3.14159265358979 / 2);
constexpr float kGloss = 0.5f;

// A box that does not read as a regional number is rewritten to its leading
// decimal number first, so the motor test window shows what the scene uses.
float PositionValue(PositionBoxes& boxes, int index) {
  std::optional<double> value = platform::StrictNumber(boxes.Text(index));
  if (!value) {
    const double leading = platform::Val(boxes.Text(index));
    boxes.SetText(index, platform::NumberText(leading));
    value = leading;
  }
  return static_cast<float>(*value);
}

void Place(ViewContext& view, int slot, const Vector3& translation, const ColourRGB& colour) {
  TransformMeshObject(view, slot, MatTranslation(translation));
  SetMeshColour(view, slot, colour, kGloss);
}

void PlaceTurned(ViewContext& view, int slot, const Vector3& translation, int axis, float angle,
                 const ColourRGB& colour) {
  TransformMeshObject(view, slot, MatTranslation(translation));
  TransformMeshObject(view, slot, MatRotation(axis, angle));
  SetMeshColour(view, slot, colour, kGloss);
}

}  // namespace

int Carte_Machine(ViewContext& view, const MachineDimensions& machine, PositionBoxes& positions,
                  int selectedOption3, ViewPointer& pointer) {
  // Scene units are 10 mm.
  const float W = machine.Largeur / 10, H = machine.Hauteur / 10, P = machine.Longueur / 10;
  ClearScene(view, 0, view.ViewCameraIndex, view.ViewLightIndex);

  const float x1 = PositionValue(positions, 0) / 10 - 40;
  const float x2 = PositionValue(positions, 1) / 10 - 40;
  const float y1 = PositionValue(positions, 2) / 5 - 35;
  const float y2 = PositionValue(positions, 3) / 5 - 35;

  const ColourRGB wood{255, 192, 128}, olive{128, 128, 0}, grey{128, 128, 128}, teal{0, 128, 128};
  const bool motorsAtFarEnd = machine.Position_Moteur == 0;

  Place(view, BuildGrid(view, P, W, 4, 4, true), {-40, -20, -20}, wood);
  Place(view, BuildBox(view, {15, H, 2}), {x2, -20, -20}, olive);
  Place(view, BuildBox(view, {15, H, 2}), {x1, -20, W - 17}, olive);
  Place(view, BuildBox(view, {P, 1, 5}), {-40, -20, -20}, grey);
  Place(view, BuildBox(view, {P, 1, 5}), {-40, -20, W - 20}, grey);
  PlaceTurned(view, BuildCylinder(view, 5, 5, 16),
              motorsAtFarEnd ? Vector3{15, P - 40, -15} : Vector3{15, -45, -15}, kAxisZ, -kHalfPi,
              teal);
  PlaceTurned(view, BuildCylinder(view, 1, P, 16), {15, -40, -15}, kAxisZ, -kHalfPi, grey);
  PlaceTurned(view, BuildCylinder(view, 5, 5, 16),
              motorsAtFarEnd ? Vector3{15, P - 40, W - 20} : Vector3{15, -45, W - 20}, kAxisZ,
              -kHalfPi, teal);
  PlaceTurned(view, BuildCylinder(view, 1, P, 16), {15, -40, W - 20}, kAxisZ, -kHalfPi, grey);
  PlaceTurned(view, BuildCylinder(view, 5, 5, 16), {-15, H - 20, -x2 - 8}, kAxisY, -kHalfPi, teal);
  PlaceTurned(view, BuildCylinder(view, 5, 5, 16), {W - 20, H - 20, -x1 - 8}, kAxisY, -kHalfPi,
              teal);
  Place(view, BuildBox(view, {15, 2, 10}), {x2, H - 21, -20}, olive);
  Place(view, BuildBox(view, {15, 2, 10}), {x1, H - 21, W - 25}, olive);
  const int wire = BuildLine(view, {x1, y1 / 2, W / 2}, {x2, y2 / 2, -W / 2});
  Place(view, wire, {2, 0, W / 2 - 15}, olive);

  CameraRecord& camera = view.Cameras[view.ViewCameraIndex];
  if (selectedOption3 == kOption3Surface) {
    camera.RenderMode = kRenderSurface;
    camera.Specular = true;
  } else if (selectedOption3 == kOption3Filaire) {
    camera.RenderMode = kRenderFilaire;
  } else {
    camera.RenderMode = kRenderTransp;
  }

  Picture3_MouseMove(view, pointer, kLeftButton, 0, 67, 72);
  return wire;
}

int Option3_Click(ViewContext& view, const MachineDimensions& machine, PositionBoxes& positions,
                  int index, ViewPointer& pointer) {
  return Carte_Machine(view, machine, positions, index, pointer);
}

}  // namespace view3d

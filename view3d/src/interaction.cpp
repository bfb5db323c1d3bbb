#include "view3d/interaction.h"

#include <cmath>
#include <limits>

#include "view3d/camera.h"
#include "view3d/renderer.h"

namespace view3d {
namespace {

constexpr double kPi = 3.14159265358979;
constexpr float kPiSingle = static_cast<float>(kPi);
constexpr float kHalfPiSingle = static_cast<float>(kPi / 2);
constexpr double kTwoPi = 6.28318530717958;

// Nearest pixel, halves to even, kept inside the 32-bit range.
std::int32_t ToPosition(float value) {
  const double r = std::nearbyint(static_cast<double>(value));
  if (!(r > -2147483648.0)) return std::numeric_limits<std::int32_t>::min();
  if (!(r < 2147483647.0)) return std::numeric_limits<std::int32_t>::max();
  return static_cast<std::int32_t>(r);
}

}  // namespace

void PrepareView(ViewContext& view) {
  InitView(view);
  if (view.ViewCameraIndex == 0)
    view.ViewCameraIndex = static_cast<std::int16_t>(CreateViewCamera(view));
  if (view.ViewLightIndex == 0)
    view.ViewLightIndex = static_cast<std::int16_t>(CreateViewLight(view));
  view.ViewDistance = 370;
  view.ViewTurnStep = 0.01f;
  view.ViewZoomStep = 1.0f;
}

void Picture3_MouseMove(ViewContext& view, ViewPointer& pointer, std::int16_t button,
                        std::int16_t /*shift*/, float x, float y) {
  const double dx = static_cast<double>(x) - view.ViewMouseX;
  const double dy = static_cast<double>(y) - view.ViewMouseY;
  if (button == kLeftButton) {
    pointer.ShowHandCursor();
    view.ViewYaw = static_cast<float>(view.ViewYaw - dx * view.ViewTurnStep);
    view.ViewPitch = static_cast<float>(dy * view.ViewTurnStep + view.ViewPitch);
    if (view.ViewYaw > kPiSingle) view.ViewYaw = static_cast<float>(view.ViewYaw - kTwoPi);
    if (view.ViewYaw < -kPiSingle) view.ViewYaw = static_cast<float>(view.ViewYaw + kTwoPi);
    if (view.ViewPitch > kHalfPiSingle) view.ViewPitch = kHalfPiSingle;
    if (view.ViewPitch < -kHalfPiSingle) view.ViewPitch = -kHalfPiSingle;
  } else if (button == kRightButton) {
    pointer.SetMousePointer(kPointerSizeNS);
    view.ViewDistance = static_cast<float>(dy * view.ViewZoomStep + view.ViewDistance);
    if (view.ViewDistance < 0) view.ViewDistance = 0;
  }
  if (button != 0) {
    view.ViewRedraw = true;
  } else {
    pointer.SetMousePointer(kPointerDefault);
  }
  view.ViewMouseX = ToPosition(x);
  view.ViewMouseY = ToPosition(y);
}

void Picture3_MouseDown(ViewPointer& pointer, std::int16_t, std::int16_t, float, float) {
  pointer.ShowHandCursor();
}

void Picture3_KeyUp(ViewContext& view, std::int16_t keyCode, std::int16_t) {
  if (keyCode == kShiftKey) view.ViewRedraw = true;
}

void RedrawView(ViewContext& view, PixelBuffer& picture) {
  const int camera = view.ViewCameraIndex;
  OrbitCamera(view, camera, {}, view.ViewDistance, view.ViewYaw, view.ViewPitch);
  view.Lights[view.ViewLightIndex].Position = view.Cameras[camera].Position;
  picture.Fill(0);
  RenderScene(view, picture, camera);
}

bool ServeRedraw(ViewContext& view, PixelBuffer& picture) {
  if (!view.ViewRedraw) return false;
  view.ViewRedraw = false;
  RedrawView(view, picture);
  return true;
}

}  // namespace view3d

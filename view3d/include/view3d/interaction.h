#pragma once
// The view's handlers: drags on the picture turn the eye about the model
// (left button) or move it nearer or farther (right button); handlers only
// request a redraw, which the main loop serves with ServeRedraw.
#include <cstdint>

#include "view3d/pixel_buffer.h"
#include "view3d/view_context.h"

namespace view3d {

// The picture's mouse pointer, as the widget that shows the view sets it.
class ViewPointer {
 public:
  virtual ~ViewPointer() = default;
  // The system's hand cursor (standard cursor 32649); nothing when it is missing.
  virtual void ShowHandCursor() = 0;
  // 0 the default pointer, 7 the north-south sizing arrows.
  virtual void SetMousePointer(std::int16_t pointer) = 0;
};

// For drawing without a window (tools, benchmarks).
class NoViewPointer final : public ViewPointer {
 public:
  void ShowHandCursor() override {}
  void SetMousePointer(std::int16_t) override {}
};

inline constexpr std::int16_t kHandCursor = 32649;
inline constexpr std::int16_t kPointerDefault = 0;
inline constexpr std::int16_t kPointerSizeNS = 7;

// Mouse buttons, summed when several are down; the key code of Shift.
inline constexpr std::int16_t kLeftButton = 1;
inline constexpr std::int16_t kRightButton = 2;
inline constexpr std::int16_t kMiddleButton = 4;
inline constexpr std::int16_t kShiftKey = 16;

// At window load: the lists, the view's camera and light, the drag factors.
void PrepareView(ViewContext& view);

void Picture3_MouseMove(ViewContext& view, ViewPointer& pointer, std::int16_t button,
                        std::int16_t shift, float x, float y);
void Picture3_MouseDown(ViewPointer& pointer, std::int16_t button, std::int16_t shift, float x,
                        float y);
void Picture3_KeyUp(ViewContext& view, std::int16_t keyCode, std::int16_t shift);

// One served request: orbit, light at the eye, black picture, frame.
void RedrawView(ViewContext& view, PixelBuffer& picture);
// The main loop's step: serves a pending request; true when a frame was drawn.
bool ServeRedraw(ViewContext& view, PixelBuffer& picture);

}  // namespace view3d

#pragma once
// Picture3: shows the view's off-screen image and hands its mouse and key
// events to the view's handlers. The image follows the widget's size.
#include <QFrame>

#include "view3d/interaction.h"
#include "view3d/pixel_buffer.h"
#include "view3d/view_context.h"

namespace ui {

class ViewPicture : public QFrame, public view3d::ViewPointer {
  Q_OBJECT
 public:
  explicit ViewPicture(view3d::ViewContext& view, QWidget* parent = nullptr);

  view3d::PixelBuffer& image() { return image_; }
  // The main loop's step: draws a pending request; true when a frame was drawn.
  bool ServeRedraw();

  // view3d::ViewPointer
  void ShowHandCursor() override;
  void SetMousePointer(std::int16_t pointer) override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;

 private:
  view3d::ViewContext& view_;
  view3d::PixelBuffer image_;
};

}  // namespace ui

#include "ui/view_picture.h"

#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace ui {
namespace {

std::int16_t ButtonsOf(Qt::MouseButtons buttons) {
  std::int16_t sum = 0;
  if (buttons & Qt::LeftButton) sum += view3d::kLeftButton;
  if (buttons & Qt::RightButton) sum += view3d::kRightButton;
  if (buttons & Qt::MiddleButton) sum += view3d::kMiddleButton;
  return sum;
}

std::int16_t ShiftOf(Qt::KeyboardModifiers modifiers) {
  std::int16_t shift = 0;
  if (modifiers & Qt::ShiftModifier) shift += 1;
  if (modifiers & Qt::ControlModifier) shift += 2;
  if (modifiers & Qt::AltModifier) shift += 4;
  return shift;
}

}  // namespace

ViewPicture::ViewPicture(view3d::ViewContext& view, QWidget* parent) : QFrame(parent), view_(view) {
  setMouseTracking(true);
  setFocusPolicy(Qt::ClickFocus);
}

bool ViewPicture::ServeRedraw() {
  // A picture on a tab not shown yet has no layout: it draws at its least size.
  QSize size = contentsRect().size();
  if (!isVisible() || size.isEmpty()) size = minimumSize();
  if (size.width() != image_.width() || size.height() != image_.height()) {
    image_.Resize(size.width(), size.height());
  }
  if (!view3d::ServeRedraw(view_, image_)) return false;
  update();
  return true;
}

void ViewPicture::ShowHandCursor() { setCursor(Qt::PointingHandCursor); }

void ViewPicture::SetMousePointer(std::int16_t pointer) {
  if (pointer == view3d::kPointerSizeNS) {
    setCursor(Qt::SizeVerCursor);
  } else {
    unsetCursor();
  }
}

void ViewPicture::paintEvent(QPaintEvent* event) {
  QFrame::paintEvent(event);
  if (image_.width() == 0) return;
  const QImage frame(reinterpret_cast<const uchar*>(image_.data()), image_.width(), image_.height(),
                     QImage::Format_RGB32);
  QPainter painter(this);
  painter.drawImage(contentsRect().topLeft(), frame);
}

void ViewPicture::resizeEvent(QResizeEvent* event) {
  QFrame::resizeEvent(event);
  // The next served redraw draws at the new size.
  view_.ViewRedraw = true;
}

void ViewPicture::mouseMoveEvent(QMouseEvent* event) {
  const QPointF at = event->position() - contentsRect().topLeft();
  view3d::Picture3_MouseMove(view_, *this, ButtonsOf(event->buttons()), ShiftOf(event->modifiers()),
                             static_cast<float>(at.x()), static_cast<float>(at.y()));
}

void ViewPicture::mousePressEvent(QMouseEvent* event) {
  const QPointF at = event->position() - contentsRect().topLeft();
  view3d::Picture3_MouseDown(*this, ButtonsOf(event->buttons()), ShiftOf(event->modifiers()),
                             static_cast<float>(at.x()), static_cast<float>(at.y()));
}

void ViewPicture::keyReleaseEvent(QKeyEvent* event) {
  const std::int16_t key = event->key() == Qt::Key_Shift ? view3d::kShiftKey : 0;
  view3d::Picture3_KeyUp(view_, key, ShiftOf(event->modifiers()));
}

}  // namespace ui

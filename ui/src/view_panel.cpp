#include "ui/view_panel.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QVBoxLayout>

namespace ui {

ViewPanel::ViewPanel(view3d::ViewContext& view, platform::ControlTable& controls,
                     std::function<void(int)> carteMachine, QWidget* parent)
    : QWidget(parent) {
  picture_ = new ViewPicture(view, this);
  picture_->setMinimumSize(280, 210);
  auto* frame = new QGroupBox(QStringLiteral("Vue"), this);
  auto* modes = new QVBoxLayout(frame);
  static constexpr const char* kModes[] = {"Surface", "Filaire", "Transp."};
  for (std::size_t index = 0; index < modes_.size(); ++index) {
    modes_[index] = new QRadioButton(QString::fromLatin1(kModes[index]), frame);
    modes->addWidget(modes_[index]);
  }
  modes_[0]->setChecked(true);
  controls.Add(picture_, QStringLiteral("Picture3"));
  controls.Add(frame, QStringLiteral("Frame101"));
  for (std::size_t index = 0; index < modes_.size(); ++index) {
    controls.Add(modes_[index], QStringLiteral("Option3"), static_cast<int>(index));
  }
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(picture_, 1);
  layout->addWidget(frame);

  for (std::size_t index = 0; index < modes_.size(); ++index) {
    connect(modes_[index], &QRadioButton::clicked, this,
            [carteMachine, index] { carteMachine(static_cast<int>(index)); });
  }
}

void ViewPanel::PreparePicture() {
  picture_->setFrameStyle(QFrame::Box | QFrame::Plain);
  picture_->setLineWidth(1);
  picture_->setAutoFillBackground(true);
  QPalette palette = picture_->palette();
  palette.setColor(QPalette::Window, Qt::black);
  picture_->setPalette(palette);
}

int ViewPanel::renderMode() const {
  for (std::size_t index = 0; index < modes_.size(); ++index) {
    if (modes_[index]->isChecked()) return static_cast<int>(index);
  }
  return 0;
}

}  // namespace ui

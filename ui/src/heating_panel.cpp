#include "ui/heating_panel.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>
#include <cmath>

#include "machine/port_control.h"
#include "platform/numtext.h"
#include "ui/field_rules.h"

namespace ui {
namespace {

QScrollBar* NewScrollBar(int minimum, int maximum, QWidget* parent) {
  auto* bar = new QScrollBar(Qt::Horizontal, parent);
  bar->setRange(minimum, maximum);
  bar->setSingleStep(5);
  bar->setPageStep(10);
  bar->setValue(1);
  return bar;
}

// The image list: 1 connected (green), 2 disconnected or input on (red),
// 3 input off (grey).
QPixmap ImageOf(int picture) {
  static const QColor kColours[] = {Qt::transparent, QColor(0, 200, 0), QColor(220, 0, 0),
                                    QColor(128, 128, 128)};
  QPixmap pixmap(14, 14);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setBrush(kColours[picture]);
  painter.setPen(Qt::black);
  painter.drawEllipse(1, 1, 12, 12);
  return pixmap;
}

}  // namespace

HeatingPanel::HeatingPanel(config::Configuration& record, machine::MachineContext& machine,
                           const Seams& seams, platform::ControlTable& controls, QWidget* parent)
    : QWidget(parent), record_(record), machine_(machine), seams_(seams) {
  chauffe_ = new QGroupBox(QStringLiteral("Chauffe"), this);
  auto* heatingLayout = new QHBoxLayout(chauffe_);
  hscroll11_ = NewScrollBar(0, 100, chauffe_);
  indice_ = new QLineEdit(QString::number(Pourcentage(1, 100)), chauffe_);
  indice_->setReadOnly(true);
  onOff_ = new platform::OnOffButton(QStringLiteral("On/Off"), chauffe_);
  heatingLayout->addWidget(hscroll11_, 1);
  heatingLayout->addWidget(indice_);
  heatingLayout->addWidget(onOff_);

  auto* frame8 = new QGroupBox(QStringLiteral("Etalonnage de la Chauffe"), this);
  auto* grid = new QGridLayout(frame8);
  hscroll2_ = NewScrollBar(1, 250, frame8);
  text5_ = new QLineEdit(QString::number(Pourcentage(1, 250)), frame8);
  text5_->setReadOnly(true);
  static constexpr const char* kCommand4Captions[] = {"Chauffe", "Arrêt Chauffe", "Entrées",
                                                      "Arrêt Entrées"};
  for (std::size_t index = 0; index < command4_.size(); ++index) {
    command4_[index] = new QPushButton(QString::fromUtf8(kCommand4Captions[index]), frame8);
  }
  label42_ = new QLabel(frame8);
  text11_ = new QLineEdit(frame8);
  text11_->setReadOnly(true);
  ledEntree_ = new QLabel(frame8);
  grid->addWidget(hscroll2_, 0, 0, 1, 3);
  grid->addWidget(text5_, 0, 3);
  grid->addWidget(command4_[0], 1, 0);
  grid->addWidget(command4_[1], 1, 0);
  grid->addWidget(command4_[2], 1, 1);
  grid->addWidget(command4_[3], 1, 1);
  grid->addWidget(label42_, 1, 2);
  grid->addWidget(text11_, 1, 3);
  grid->addWidget(ledEntree_, 1, 4);
  command4_[1]->hide();
  command4_[3]->hide();
  label42_->hide();

  controls.Add(chauffe_, QStringLiteral("Frame9"));
  controls.Add(hscroll11_, QStringLiteral("HScroll11"));
  controls.Add(indice_, QStringLiteral("Indice"));
  controls.Add(onOff_, QStringLiteral("PB_Chauffe"));
  controls.Add(frame8, QStringLiteral("Frame8"));
  controls.Add(hscroll2_, QStringLiteral("HScroll2"));
  controls.Add(text5_, QStringLiteral("Text5"));
  for (std::size_t index = 0; index < command4_.size(); ++index) {
    controls.Add(command4_[index], QStringLiteral("Command4"), static_cast<int>(index));
  }
  controls.Add(label42_, QStringLiteral("Label42"));
  controls.Add(text11_, QStringLiteral("Text11"));
  controls.Add(ledEntree_, QStringLiteral("Led_Entré"), 6);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(chauffe_);
  layout->addWidget(frame8);

  connect(hscroll11_, &QScrollBar::valueChanged, this, &HeatingPanel::OnHeatingChanged);
  connect(hscroll2_, &QScrollBar::valueChanged, this, &HeatingPanel::OnCalibrationChanged);
  connect(command4_[0], &QPushButton::clicked, this, &HeatingPanel::StartCalibrationHeating);
  connect(command4_[1], &QPushButton::clicked, this, &HeatingPanel::StopCalibrationHeating);
  connect(command4_[2], &QPushButton::clicked, this, &HeatingPanel::StartInputWatch);
  connect(command4_[3], &QPushButton::clicked, this, &HeatingPanel::StopInputWatch);
}

void HeatingPanel::AlignCalibration() {
  hscroll2_->setMaximum(hscroll11_->maximum());
  hscroll2_->setValue(hscroll11_->value());
  text5_->setText(QString::number(Pourcentage(hscroll2_->value(), hscroll2_->maximum())));
}

void HeatingPanel::ShowInputImage(int picture) {
  if (picture < 1 || picture > 3) return;
  inputImage_ = picture;
  ledEntree_->setPixmap(ImageOf(picture));
}

void HeatingPanel::OnHeatingChanged() {
  const int percent = Pourcentage(hscroll11_->value(), hscroll11_->maximum());
  indice_->setText(QString::number(percent));
  record_.Duree_Chauffe = std::floor(percent * record_.Timer_Chauffe / 100);
}

void HeatingPanel::OnCalibrationChanged() {
  text5_->setText(QString::number(Pourcentage(hscroll2_->value(), hscroll2_->maximum())));
  hscroll11_->setValue(hscroll2_->value());
}

void HeatingPanel::StartCalibrationHeating() {
  onOff_->setState(platform::OnOffButton::kBusy);
  command4_[1]->show();
  command4_[0]->hide();
  chauffe_->setEnabled(false);
  hscroll2_->setFocus();
  seams_.Boucle_Chauffe();
}

void HeatingPanel::StopCalibrationHeating() {
  chauffe_->setEnabled(true);
  machine::Chauffe_Off(machine_);
  command4_[1]->hide();
  command4_[0]->show();
  onOff_->setState(platform::OnOffButton::kOff);
  command4_[2]->show();
  command4_[3]->hide();
}

void HeatingPanel::StartInputWatch() {
  label42_->show();
  command4_[2]->hide();
  command4_[3]->show();
  seams_.Surveille_Entrees();
}

void HeatingPanel::StopInputWatch() {
  label42_->hide();
  command4_[2]->show();
  command4_[3]->hide();
}

}  // namespace ui

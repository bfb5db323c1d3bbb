#include "ui/motor_panel.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "platform/numtext.h"
#include "ui/field_rules.h"

namespace ui {

MotorPanel::MotorPanel(config::Configuration& record, platform::ControlTable& controls,
                       QWidget* parent)
    : QWidget(parent), record_(record) {
  auto* frame = new QGroupBox(QStringLiteral("Caractéristiques des Moteurs"), this);
  auto* grid = new QGridLayout(frame);
  grid->addWidget(new QLabel(QStringLiteral("Nbre de pas par tour"), frame), 0, 1);
  grid->addWidget(new QLabel(QStringLiteral("Nbre de mm par Pas"), frame), 0, 2);
  static constexpr const char* kRows[] = {"X1", "X2", "Y1", "Y2"};
  static constexpr const char* kStepNames[] = {"Text1", "Text2", "Text3", "Text4"};
  static constexpr const char* kMmNames[] = {"Text17", "Text16", "Text15", "Text13"};
  for (std::size_t motor = 0; motor < 4; ++motor) {
    const int row = static_cast<int>(motor) + 1;
    grid->addWidget(new QLabel(QString::fromLatin1(kRows[motor]), frame), row, 0);
    stepCounts_[motor] = new QLineEdit(frame);
    millimetres_[motor] = new QLineEdit(frame);
    grid->addWidget(stepCounts_[motor], row, 1);
    grid->addWidget(millimetres_[motor], row, 2);
  }
  for (std::size_t motor = 0; motor < 4; ++motor) {
    controls.Add(stepCounts_[motor], QString::fromLatin1(kStepNames[motor]));
  }
  for (std::size_t motor = 0; motor < 4; ++motor) {
    controls.Add(millimetres_[motor], QString::fromLatin1(kMmNames[motor]));
  }
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(frame);

  // Losing the focus = editingFinished (also raised by Return).
  for (std::size_t motor = 0; motor < 4; ++motor) {
    QLineEdit* box = stepCounts_[motor];
    connect(box, &QLineEdit::editingFinished, this, [box] {
      box->setText(QString::fromStdString(IntegerTidy(box->text().toStdString())));
    });
    connect(millimetres_[motor], &QLineEdit::editingFinished, this,
            [this, motor] { OnMillimetresLeft(static_cast<int>(motor) + 1); });
  }
}

void MotorPanel::ShowStepCounts() {
  for (int motor = 1; motor <= 4; ++motor) {
    stepCounts_[static_cast<std::size_t>(motor - 1)]->setText(
        QString::fromStdString(config::FileText(record_.nbPasOf(motor))));
  }
}

void MotorPanel::ShowMillimetres() {
  for (int motor = 1; motor <= 4; ++motor) {
    millimetres_[static_cast<std::size_t>(motor - 1)]->setText(
        QString::fromStdString(platform::NumberText(record_.mmOf(motor))));
  }
}

std::array<std::string, 4> MotorPanel::stepCountTexts() const {
  std::array<std::string, 4> texts;
  for (std::size_t motor = 0; motor < 4; ++motor)
    texts[motor] = stepCounts_[motor]->text().toStdString();
  return texts;
}

std::array<std::string, 4> MotorPanel::millimetreTexts() const {
  std::array<std::string, 4> texts;
  for (std::size_t motor = 0; motor < 4; ++motor)
    texts[motor] = millimetres_[motor]->text().toStdString();
  return texts;
}

void MotorPanel::OnMillimetresLeft(int motor) {
  QLineEdit* box = millimetres_[static_cast<std::size_t>(motor - 1)];
  record_.mmOf(motor) = DecimalTidy(box->text().toStdString());
  box->setText(QString::fromStdString(platform::NumberText(record_.mmOf(motor))));
}

}  // namespace ui

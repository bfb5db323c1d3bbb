#include "ui/jog_panel.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QToolButton>

#include "machine/jog.h"
#include "ui/field_rules.h"

namespace ui {
namespace {

// Index order of the arrows: down, forward, backward, up; left tower 0..3,
// right tower 4..7.
constexpr Qt::ArrowType kArrowOf[] = {Qt::DownArrow, Qt::RightArrow, Qt::LeftArrow, Qt::UpArrow};
// Cell of each arrow in its tower's cross.
constexpr struct { int row, column; } kCellOf[] = {{2, 1}, {1, 2}, {1, 0}, {0, 1}};

}  // namespace

JogPanel::JogPanel(config::Configuration& record, machine::MachineContext& machine,
                   platform::ControlTable& controls, QWidget* parent)
    : QWidget(parent), record_(record) {
  auto* frame = new QGroupBox(QStringLiteral("Vitesse Avance"), this);
  auto* grid = new QGridLayout(frame);
  for (int index = 0; index < 8; ++index) {
    auto* arrow = new QToolButton(frame);
    arrow->setArrowType(kArrowOf[index % 4]);
    arrows_[static_cast<std::size_t>(index)] = arrow;
    const int columnOffset = index < 4 ? 0 : 4;
    grid->addWidget(arrow, kCellOf[index % 4].row, kCellOf[index % 4].column + columnOffset);
  }
  stop_ = new QPushButton(QStringLiteral("STOP"), frame);
  grid->addWidget(stop_, 1, 3);

  // Right of the two crosses: the distances and the speed box; below them
  // the speed scroll bar and the two options.
  text12_ = new QLineEdit(QStringLiteral("10"), frame);
  text9_ = new QLineEdit(QStringLiteral("10"), frame);
  vmax_ = new QLineEdit(frame);
  grid->addWidget(new QLabel(QStringLiteral("Axe gauche"), frame), 0, 7);
  grid->addWidget(text12_, 0, 8);
  grid->addWidget(new QLabel(QStringLiteral("Axe Droit"), frame), 1, 7);
  grid->addWidget(text9_, 1, 8);
  grid->addWidget(new QLabel(QStringLiteral("V max (mm/sec)"), frame), 2, 7);
  grid->addWidget(vmax_, 2, 8);

  speed_ = new QScrollBar(Qt::Horizontal, frame);
  speed_->setMinimum(1);
  speed_->setMaximum(6);
  indice1_ = new QLabel(frame);
  check10_ = new QCheckBox(QStringLiteral("Synchroniser"), frame);
  check11_ = new QCheckBox(QStringLiteral("Guillotine"), frame);
  grid->addWidget(speed_, 3, 0, 1, 6);
  grid->addWidget(indice1_, 3, 6);
  grid->addWidget(check10_, 3, 7);
  grid->addWidget(check11_, 3, 8);

  for (int index = 0; index < 8; ++index) {
    controls.Add(arrows_[static_cast<std::size_t>(index)], QStringLiteral("Command1"), index);
  }
  controls.Add(stop_, QStringLiteral("Command2"));
  controls.Add(text12_, QStringLiteral("Text12"));
  controls.Add(text9_, QStringLiteral("Text9"));
  controls.Add(speed_, QStringLiteral("HScroll1"));
  controls.Add(indice1_, QStringLiteral("Indice1"));
  controls.Add(vmax_, QStringLiteral("VMax"));
  controls.Add(check10_, QStringLiteral("Check10"));
  controls.Add(check11_, QStringLiteral("Check11"));

  auto* layout = new QGridLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(frame);

  for (int index = 0; index < 8; ++index) {
    connect(arrows_[static_cast<std::size_t>(index)], &QToolButton::clicked, this,
            [&machine, index] { machine::Command1_Click(machine, index); });
  }
  connect(stop_, &QPushButton::clicked, this, [&machine] { machine::Command2_Click(machine); });
  // Change of a scroll bar = valueChanged; of a text box = textChanged
  // (typing and program alike).
  connect(speed_, &QScrollBar::valueChanged, this, &JogPanel::ShowSpeed);
  connect(vmax_, &QLineEdit::textChanged, this, &JogPanel::OnVMaxChanged);
  // Guillotine follows toggled: checked by the user or by the program, it
  // takes "Synchroniser" along.
  connect(check11_, &QCheckBox::toggled, this, &JogPanel::OnGuillotineToggled);
}

void JogPanel::ShowVMax() {
  vmax_->setText(QString::fromStdString(config::FileText(record_.V_Max)));
}

void JogPanel::ShowSpeed() { indice1_->setText(QString::number(speed_->value())); }

void JogPanel::OnVMaxChanged() {
  const std::string text = vmax_->text().toStdString();
  record_.V_Max = platform::Variant(text);
  if (const std::optional<int> maximum = JogSpeedMaximumFor(text)) speed_->setMaximum(*maximum);
}

void JogPanel::OnGuillotineToggled(bool checked) {
  if (checked) check10_->setChecked(true);
  check10_->setEnabled(!checked);
}

}  // namespace ui

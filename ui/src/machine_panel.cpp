#include "ui/machine_panel.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include "platform/numtext.h"
#include "ui/field_rules.h"

namespace ui {
namespace {

constexpr int kMotorSideCount = 2;  // "AR", "AV"

QGroupBox* NewOptionFrame(const QString& caption, QRadioButton* first, QRadioButton* second,
                          QWidget* parent) {
  auto* frame = new QGroupBox(caption, parent);
  auto* layout = new QHBoxLayout(frame);
  first->setParent(frame);
  second->setParent(frame);
  layout->addWidget(first);
  layout->addWidget(second);
  return frame;
}

}  // namespace

MachinePanel::MachinePanel(config::Configuration& record, platform::ControlTable& controls,
                           std::function<void()> carteMachine, QWidget* parent)
    : QWidget(parent), record_(record), carteMachine_(std::move(carteMachine)) {
  auto* frame = new QGroupBox(QStringLiteral("Caractéristiques de la Machine"), this);
  auto* form = new QFormLayout(frame);
  largeur_ = new QLineEdit(frame);
  longueur_ = new QLineEdit(frame);
  hauteur_ = new QLineEdit(frame);
  motorSide_ = new QComboBox(frame);
  motorSide_->addItems({"AR", "AV"});
  form->addRow(QStringLiteral("Largeur Machine  (mm)"), largeur_);
  form->addRow(QStringLiteral("Longueur Machine (mm)"), longueur_);
  form->addRow(QStringLiteral("Hauteur Potences  (mm)"), hauteur_);
  form->addRow(QStringLiteral("Moteurs :"), motorSide_);
  wingsLeftRight_ = new QRadioButton(QStringLiteral("G/D"));
  wingsRightLeft_ = new QRadioButton(QStringLiteral("D/G"));
  endStopsOn_ = new QRadioButton(QStringLiteral("On"));
  endStopsOff_ = new QRadioButton(QStringLiteral("Off"));
  auto* options = new QHBoxLayout;
  options->addWidget(
      NewOptionFrame(QStringLiteral("Ailes"), wingsLeftRight_, wingsRightLeft_, frame));
  options->addWidget(NewOptionFrame(QStringLiteral("Butées"), endStopsOn_, endStopsOff_, frame));
  form->addRow(options);

  controls.Add(largeur_, QStringLiteral("Text7"));
  controls.Add(longueur_, QStringLiteral("Text6"));
  controls.Add(hauteur_, QStringLiteral("Text8"));
  controls.Add(motorSide_, QStringLiteral("Combo3"));
  controls.Add(wingsLeftRight_, QStringLiteral("Option6"));
  controls.Add(wingsRightLeft_, QStringLiteral("Option7"));
  controls.Add(endStopsOn_, QStringLiteral("Option8"), 0);
  controls.Add(endStopsOff_, QStringLiteral("Option8"), 1);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(frame);

  // Plain line edits tidy when left (editingFinished): tidying at every
  // keystroke would turn the first digit of "500" into the minimum 30.
  for (Field field : {Field::Largeur, Field::Longueur, Field::Hauteur}) {
    connect(EditOf(field), &QLineEdit::editingFinished, this,
            [this, field] { TidyAndStore(field); });
  }
  // Click = activated (the user's choice); ShowMotorSide raises it too.
  connect(motorSide_, &QComboBox::activated, this, [this](int index) {
    record_.Position_Moteur = index;
    carteMachine_();
  });
  // The wings store on the user's click only, so a refill never rewrites
  // Panneau_Moteur (a loaded 5 still shows "D/G" and stays 5).
  connect(wingsLeftRight_, &QRadioButton::clicked, this, [this] { record_.Panneau_Moteur = 0; });
  connect(wingsRightLeft_, &QRadioButton::clicked, this, [this] { record_.Panneau_Moteur = 1; });
  for (QRadioButton* option : {endStopsOn_, endStopsOff_}) {
    connect(option, &QRadioButton::clicked, this,
            [this] { record_.Butees = endStopsOn_->isChecked(); });
  }
}

void MachinePanel::ShowDimensions() {
  largeur_->setText(QString::fromStdString(config::FileText(record_.Largeur)));
  TidyAndStore(Field::Largeur);
  longueur_->setText(QString::fromStdString(platform::NumberText(record_.Longueur)));
  TidyAndStore(Field::Longueur);
  hauteur_->setText(QString::fromStdString(config::FileText(record_.Hauteur)));
  TidyAndStore(Field::Hauteur);
}

void MachinePanel::ShowMotorSide() {
  const int index = record_.Position_Moteur;
  if (index < 0 || index >= kMotorSideCount) {
    motorSide_->setCurrentIndex(-1);
    return;
  }
  motorSide_->setCurrentIndex(index);
  emit motorSide_->activated(index);
}

void MachinePanel::ShowWings() {
  if (record_.Panneau_Moteur == 0) {
    wingsLeftRight_->setChecked(true);
  } else {
    wingsRightLeft_->setChecked(true);
  }
}

void MachinePanel::ShowEndStops() {
  if (record_.Butees) {
    endStopsOn_->setChecked(true);
  } else {
    endStopsOff_->setChecked(true);
  }
}

void MachinePanel::TidyAndStore(Field field) {
  QLineEdit* edit = EditOf(field);
  const Dimension tidy = TidyDimension(edit->text().toStdString(), field == Field::Largeur);
  const QString text = QString::fromStdString(tidy.text);
  if (edit->text() != text) edit->setText(text);
  switch (field) {
    case Field::Largeur:
      record_.Largeur = platform::Variant(tidy.text);
      break;
    case Field::Longueur:
      record_.Longueur = tidy.value;
      break;
    case Field::Hauteur:
      record_.Hauteur = platform::Variant(tidy.text);
      break;
  }
  carteMachine_();
}

QLineEdit* MachinePanel::EditOf(Field field) const {
  switch (field) {
    case Field::Largeur:
      return largeur_;
    case Field::Longueur:
      return longueur_;
    case Field::Hauteur:
      return hauteur_;
  }
  return largeur_;
}

}  // namespace ui

#include "ui/pin_panel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/dispatch.h"
#include "platform/messagebox.h"
#include "ui/program_title.h"
#include "ui/utility_calls.h"

namespace ui {
namespace {

QComboBox* NewPinList(const QStringList& items, QWidget* parent) {
  auto* list = new QComboBox(parent);
  list->setEditable(true);
  list->setInsertPolicy(QComboBox::NoInsert);
  list->setCompleter(nullptr);
  list->addItems(items);
  return list;
}

QString Text(const std::string& text) { return QString::fromStdString(text); }

// Element i of Combo1: motor i / 2 + 1, step pin when i is even.
platform::Variant& PinFieldOf(config::Configuration& record, int index) {
  const int motor = index / 2 + 1;
  return index % 2 == 0 ? record.avanceOf(motor) : record.sensOf(motor);
}

}  // namespace

PinPanel::PinPanel(config::Configuration& record, platform::ControlTable& controls, QWidget* parent)
    : QWidget(parent), record_(record) {
  auto* frame = new QGroupBox(QStringLiteral("Connexions Parallèle DB25"), this);
  auto* grid = new QGridLayout(frame);
  grid->addWidget(new QLabel(QStringLiteral("Avance"), frame), 0, 1);
  grid->addWidget(new QLabel(QStringLiteral("Sens"), frame), 0, 2);
  const QStringList dataPins = {"2", "3", "4", "5", "6", "7", "8", "9"};
  static constexpr const char* kMotorRows[] = {"Moteur X1", "Moteur X2", "Moteur Y1", "Moteur Y2"};
  static constexpr const char* kInversionNames[] = {"Check2", "Check4", "Check6", "Check8"};
  for (int motor = 0; motor < 4; ++motor) {
    auto* label = new QLabel(QString::fromUtf8(kMotorRows[motor]), frame);
    if (motor == 3) controls.Add(label, QStringLiteral("Label3"));
    grid->addWidget(label, motor + 1, 0);
    for (int column = 0; column < 2; ++column) {
      const int index = motor * 2 + column;
      QComboBox* list = NewPinList(dataPins, frame);
      pins_[static_cast<std::size_t>(index)] = list;
      grid->addWidget(list, motor + 1, column + 1);
    }
    auto* box = new QCheckBox(QStringLiteral("Inv."), frame);
    inversions_[static_cast<std::size_t>(motor)] = box;
    grid->addWidget(box, motor + 1, 3);
  }
  for (int index = 0; index < kPinListCount; ++index) {
    controls.Add(pins_[static_cast<std::size_t>(index)], QStringLiteral("Combo1"), index);
  }
  for (int motor = 0; motor < 4; ++motor) {
    controls.Add(inversions_[static_cast<std::size_t>(motor)],
                 QString::fromLatin1(kInversionNames[motor]));
  }
  swap_ = new QPushButton(QStringLiteral("Swap"), frame);
  controls.Add(swap_, QStringLiteral("Command5"));
  grid->addWidget(swap_, 5, 1, 1, 2);

  // The connector drawing: data-register bit b is on pin b + 2.
  auto* connector =
      new QLabel(QStringLiteral("Reg D : 7 6 5 4 3 2 1 0\nPin   : 9 8 7 6 5 4 3 2"), frame);
  connector->setFont(QFont(QStringLiteral("monospace")));
  grid->addWidget(connector, 6, 0, 1, 4);

  auto* sides = new QGroupBox(QStringLiteral("Sorties"), this);
  auto* sideGrid = new QGridLayout(sides);
  pinMoteur_ = NewPinList({"17"}, sides);
  pinChauffe_ = NewPinList({"14", "16"}, sides);
  pinTimer_ = NewPinList({"10"}, sides);
  sideGrid->addWidget(new QLabel(QStringLiteral("Pin Moteur"), sides), 0, 0);
  sideGrid->addWidget(pinMoteur_, 0, 1);
  sideGrid->addWidget(new QLabel(QStringLiteral("Pin Chauffe"), sides), 1, 0);
  sideGrid->addWidget(pinChauffe_, 1, 1);
  sideGrid->addWidget(new QLabel(QStringLiteral("Pin Timer"), sides), 2, 0);
  sideGrid->addWidget(pinTimer_, 2, 1);
  controls.Add(pinMoteur_, QStringLiteral("ComboM"));
  controls.Add(pinChauffe_, QStringLiteral("ComboP"));
  controls.Add(pinTimer_, QStringLiteral("ComboT"));

  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(frame);
  layout->addWidget(sides, 0, Qt::AlignTop);

  // Change = editTextChanged (typing and program alike); Click = activated
  // (an item chosen by the user only). "Inv." acts on clicked, which a
  // program change of the box does not raise.
  for (int index = 0; index < kPinListCount; ++index) {
    QComboBox* list = pins_[static_cast<std::size_t>(index)];
    connect(list, &QComboBox::editTextChanged, this, [this, index] { OnPinTextChanged(index); });
    connect(list, &QComboBox::activated, this, [this, index] { OnPinChosen(index); });
  }
  for (int motor = 1; motor <= 4; ++motor) {
    connect(inversions_[static_cast<std::size_t>(motor - 1)], &QCheckBox::clicked, this,
            [this, motor](bool checked) { OnInversionClicked(motor, checked); });
  }
  connect(swap_, &QPushButton::clicked, this, &PinPanel::OnSwap);
  const struct {
    QComboBox* list;
    std::int32_t* field;
  } sidePins[] = {{pinMoteur_, &record_.Pin_Moteur},
                  {pinChauffe_, &record_.Pin_Chauffe},
                  {pinTimer_, &record_.Pin_Timer}};
  for (const auto& side : sidePins) {
    QComboBox* list = side.list;
    std::int32_t* field = side.field;
    connect(list, &QComboBox::editTextChanged, this,
            [this, list, field] { OnSidePinChanged(list, *field); });
    connect(list, &QComboBox::activated, this,
            [list, field] { *field = SidePinNumber(list->currentText().toStdString()); });
  }
}

void PinPanel::ShowPins() {
  for (int index : {0, 2, 4, 6, 1, 3, 5, 7}) {
    SetPinText(index, config::FileText(PinFieldOf(record_, index)));
  }
}

void PinPanel::ShowInversions(const Seam<>& brochageUsb) {
  if (record_.Carte_USB) {
    brochageUsb();
  } else if (record_.Masques) {
    const config::PinMasks loaded = config::PinMasks::AfterLoad();
    record_.Masques->Masque_Sens_A = loaded.Masque_Sens_A;
    record_.Masques->Masque_Sens_B = loaded.Masque_Sens_B;
  }
  for (QCheckBox* box : inversions_) box->setChecked(false);
  for (int motor = 1; motor <= 4; ++motor) {
    if (config::IntegerOf(record_.invOf(motor)) != 1) continue;
    Inverser_Sens(motor);
    inversions_[static_cast<std::size_t>(motor - 1)]->setChecked(true);
  }
}

void PinPanel::ShowSidePins() {
  pinChauffe_->setEditText(QString::number(record_.Pin_Chauffe));
  pinTimer_->setEditText(QString::number(record_.Pin_Timer));
  pinMoteur_->setEditText(QString::number(record_.Pin_Moteur));
}

void PinPanel::Inverser_Sens(int motor) {
  if (motor < config::kMotorX1 || motor > config::kMotorY2 || !record_.Masques) return;
  const int pin = config::IntegerOf(record_.sensOf(motor));
  if (!config::PinMaskTable::HasPin(pin)) return;
  config::PinMaskTable& levelA = record_.Masques->Masque_Sens_A;
  config::PinMaskTable& levelB = record_.Masques->Masque_Sens_B;
  platform::Variant a(static_cast<std::int16_t>(levelA.at(pin)));
  platform::Variant b(static_cast<std::int16_t>(levelB.at(pin)));
  if (!CallUtility(record_, "IntegerSwap",
                   {platform::Variant::Ref(a), platform::Variant::Ref(b)})) {
    return;
  }
  levelA.set(pin, static_cast<std::uint8_t>(a.toInt32()));
  levelB.set(pin, static_cast<std::uint8_t>(b.toInt32()));
}

PinTexts PinPanel::pinTexts() const {
  PinTexts texts;
  for (int index = 0; index < kPinListCount; ++index) {
    texts[static_cast<std::size_t>(index)] =
        pins_[static_cast<std::size_t>(index)]->currentText().toStdString();
  }
  return texts;
}

std::array<std::int32_t, 4> PinPanel::inversions() const {
  std::array<std::int32_t, 4> values{};
  for (std::size_t motor = 0; motor < values.size(); ++motor) {
    values[motor] = inversions_[motor]->isChecked() ? 1 : 0;
  }
  return values;
}

void PinPanel::SetPinText(int index, const std::string& text) {
  pins_[static_cast<std::size_t>(index)]->setEditText(Text(text));
}

void PinPanel::OnPinTextChanged(int index) {
  QComboBox* list = pins_[static_cast<std::size_t>(index)];
  const QString settled = Text(PinListText(list->currentText().toStdString()));
  // The rewrite raises the change again, which then finds the text settled.
  if (settled != list->currentText()) list->setEditText(settled);
}

void PinPanel::OnPinChosen(int index) {
  QComboBox* list = pins_[static_cast<std::size_t>(index)];
  if (PinOutOfRange(list->currentText().toStdString())) {
    CallUtility(
        record_, "Messagebox",
        {platform::Variant(static_cast<std::int16_t>(29)), platform::Variant(record_.Langue)});
    SetPinText(index, "2");
  }
  if (PinUsedElsewhere(pinTexts(), index)) {
    platform::ShowMessage("Sortie déjà utilisée", kProgramTitle, platform::Buttons::Ok);
    SetPinText(index, " ");  // settles on "0": unassigned
  }
  PinFieldOf(record_, index) = platform::Variant(list->currentText().toStdString());
}

void PinPanel::OnInversionClicked(int motor, bool checked) {
  record_.invOf(motor) = platform::Variant(static_cast<std::int32_t>(checked ? 1 : 0));
  Inverser_Sens(motor);
}

void PinPanel::OnSwap() {
  const PinTexts swapped = SwapTowers(pinTexts());
  for (int index = 0; index < kPinListCount; ++index) {
    SetPinText(index, swapped[static_cast<std::size_t>(index)]);
  }
}

void PinPanel::OnSidePinChanged(QComboBox* list, std::int32_t& field) {
  if (SidePinNumber(list->currentText().toStdString()) == 0 && list->count() > 0) {
    list->setCurrentIndex(0);
    list->setEditText(list->itemText(0));
    return;  // the rewrite raised this handler again with the first item
  }
  field = SidePinNumber(list->currentText().toStdString());
}

}  // namespace ui

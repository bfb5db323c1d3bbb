#include "ui/card_panel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QVBoxLayout>

namespace ui {

CardPanel::CardPanel(config::Configuration& record, platform::ControlTable& controls,
                     QWidget* parent)
    : QWidget(parent), record_(record) {
  auto* frame = new QGroupBox(QStringLiteral("Caractéristiques de la Carte"), this);
  auto* inner = new QVBoxLayout(frame);
  card_ = new QComboBox(frame);
  card_->addItems({"BB2001", "MM2001", "AXEMOTION", "CENECE"});
  card_->setCurrentIndex(-1);
  timerExterne_ = new QCheckBox(QStringLiteral("Timer externe"), frame);
  inner->addWidget(card_);
  inner->addWidget(timerExterne_);
  controls.Add(card_, QStringLiteral("Combo2"));
  controls.Add(timerExterne_, QStringLiteral("Check1"));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(frame);

  // Click = activated (the user's choice); ShowCard raises it for the program.
  connect(card_, &QComboBox::activated, this, &CardPanel::OnCardChosen);
  // The box shown is the box saved: a user's click stores it. A program
  // change (a refill, the BB2001 card) leaves Timer_Externe alone.
  connect(timerExterne_, &QCheckBox::clicked, this,
          [this](bool checked) { record_.Timer_Externe = checked ? 1 : 0; });
}

void CardPanel::ShowCard() {
  const int index = card_->findText(QString::fromStdString(record_.Carte));
  card_->setCurrentIndex(index);
  if (index >= 0) OnCardChosen();
}

void CardPanel::ShowTimerExterne() { timerExterne_->setChecked(record_.Timer_Externe == 1); }

void CardPanel::OnCardChosen() {
  record_.Carte = card_->currentText().toStdString();
  const bool bb2001 = record_.Carte == "BB2001";
  if (bb2001) timerExterne_->setChecked(false);
  timerExterne_->setEnabled(!bb2001);
}

}  // namespace ui

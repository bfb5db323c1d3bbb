#pragma once
// "Caractéristiques de la Carte": the card type list Combo2 and the
// "Timer externe" box Check1.
#include <QWidget>

#include "config/record.h"
#include "platform/control_table.h"

class QCheckBox;
class QComboBox;

namespace ui {

class CardPanel : public QWidget {
  Q_OBJECT
 public:
  CardPanel(config::Configuration& record, platform::ControlTable& controls,
            QWidget* parent = nullptr);

  // Combo2 <- Carte. Selecting the item raises the list's click as a user
  // choice would; a card name the list does not hold selects nothing.
  void ShowCard();
  void ShowTimerExterne();

 private:
  void OnCardChosen();

  config::Configuration& record_;
  QComboBox* card_ = nullptr;
  QCheckBox* timerExterne_ = nullptr;
};

}  // namespace ui

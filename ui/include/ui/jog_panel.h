#pragma once
// Frame "Vitesse Avance": the eight jog arrows Command1(0..7), "STOP"
// (Command2), the speed scroll bar HScroll1 with its label Indice1, the
// speed box VMax, the jog distances Text12 ("Axe gauche") and Text9 ("Axe
// Droit"), and the options "Synchroniser" (Check10) and "Guillotine"
// (Check11). The moves themselves are the motion engine's.
#include <QWidget>
#include <array>

#include "config/record.h"
#include "machine/context.h"
#include "platform/control_table.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;
class QToolButton;

namespace ui {

class JogPanel : public QWidget {
  Q_OBJECT
 public:
  JogPanel(config::Configuration& record, machine::MachineContext& machine,
           platform::ControlTable& controls, QWidget* parent = nullptr);

  // VMax <- V_Max (its change sets the scroll bar's maximum).
  void ShowVMax();
  // Indice1 <- the scroll bar's position.
  void ShowSpeed();

  QScrollBar* speed() const { return speed_; }
  QLineEdit* leftDistance() const { return text12_; }
  QLineEdit* rightDistance() const { return text9_; }
  QCheckBox* synchroniser() const { return check10_; }
  QCheckBox* guillotine() const { return check11_; }
  QLabel* speedLabel() const { return indice1_; }
  QPushButton* stop() const { return stop_; }

 private:
  void OnVMaxChanged();
  void OnGuillotineToggled(bool checked);

  config::Configuration& record_;
  std::array<QToolButton*, 8> arrows_{};
  QPushButton* stop_ = nullptr;
  QScrollBar* speed_ = nullptr;
  QLabel* indice1_ = nullptr;
  QLineEdit* vmax_ = nullptr;
  QLineEdit* text12_ = nullptr;
  QLineEdit* text9_ = nullptr;
  QCheckBox* check10_ = nullptr;
  QCheckBox* check11_ = nullptr;
};

}  // namespace ui

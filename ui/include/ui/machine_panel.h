#pragma once
// Machine characteristics: the dimension fields Text7 (width), Text6
// (length), Text8 (height), the motor side Combo3, the wings Option6/Option7
// and the end stops Option8(0..1). Dimension and side changes rebuild the 3D
// model through the given callback.
#include <QWidget>
#include <functional>

#include "config/record.h"
#include "platform/control_table.h"

class QComboBox;
class QLineEdit;
class QRadioButton;

namespace ui {

class MachinePanel : public QWidget {
  Q_OBJECT
 public:
  MachinePanel(config::Configuration& record, platform::ControlTable& controls,
               std::function<void()> carteMachine, QWidget* parent = nullptr);

  // Text7 <- Largeur, Text6 <- Longueur, Text8 <- Hauteur, each tidied and
  // stored back as a change would.
  void ShowDimensions();
  void ShowMotorSide();
  void ShowWings();
  void ShowEndStops();

 private:
  enum class Field { Largeur, Longueur, Hauteur };
  void TidyAndStore(Field field);
  QLineEdit* EditOf(Field field) const;

  config::Configuration& record_;
  std::function<void()> carteMachine_;
  QLineEdit* largeur_ = nullptr;   // Text7
  QLineEdit* longueur_ = nullptr;  // Text6
  QLineEdit* hauteur_ = nullptr;   // Text8
  QComboBox* motorSide_ = nullptr;
  QRadioButton* wingsLeftRight_ = nullptr;  // Option6 "G/D"
  QRadioButton* wingsRightLeft_ = nullptr;  // Option7 "D/G"
  QRadioButton* endStopsOn_ = nullptr;      // Option8(0)
  QRadioButton* endStopsOff_ = nullptr;     // Option8(1)
};

}  // namespace ui

#pragma once
// Motor characteristics: steps per turn Text1..Text4 (reach the record on
// save) and millimetres per step Text17, Text16, Text15, Text13 (reach it
// when the box is left, and on save).
#include <QWidget>
#include <array>
#include <string>

#include "config/record.h"
#include "platform/control_table.h"

class QLineEdit;

namespace ui {

class MotorPanel : public QWidget {
  Q_OBJECT
 public:
  MotorPanel(config::Configuration& record, platform::ControlTable& controls,
             QWidget* parent = nullptr);

  void ShowStepCounts();
  void ShowMillimetres();

  // In motor order X1, X2, Y1, Y2.
  std::array<std::string, 4> stepCountTexts() const;
  std::array<std::string, 4> millimetreTexts() const;

 private:
  void OnMillimetresLeft(int motor);

  config::Configuration& record_;
  std::array<QLineEdit*, 4> stepCounts_{};   // Text1, Text2, Text3, Text4
  std::array<QLineEdit*, 4> millimetres_{};  // Text17, Text16, Text15, Text13
};

}  // namespace ui

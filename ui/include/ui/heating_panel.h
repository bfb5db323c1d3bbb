#pragma once
// Frame "Chauffe" (heating scroll bar HScroll11, its percentage Indice, the
// On/Off button PB_Chauffe) and frame "Etalonnage de la Chauffe" (Frame8:
// calibration scroll bar HScroll2 with Text5, the buttons Command4(0..3),
// the mode label Label42, the timer field Text11 and the input indicator
// Led_Entré(6)). The heating loop and the input watch run through seams.
#include <QWidget>
#include <array>

#include "config/record.h"
#include "machine/context.h"
#include "platform/control_table.h"
#include "platform/onoff_button.h"
#include "ui/seams.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;

namespace ui {

class HeatingPanel : public QWidget {
  Q_OBJECT
 public:
  HeatingPanel(config::Configuration& record, machine::MachineContext& machine, const Seams& seams,
               platform::ControlTable& controls, QWidget* parent = nullptr);

  // Activation: the calibration scroll bar takes the heating scroll bar's
  // maximum and position, Text5 its percentage.
  void AlignCalibration();
  // Led_Entré(6) shows picture 1..3 of the image list.
  void ShowInputImage(int picture);
  int inputImage() const { return inputImage_; }

  QScrollBar* heating() const { return hscroll11_; }
  QScrollBar* calibration() const { return hscroll2_; }
  QLineEdit* indice() const { return indice_; }
  QLineEdit* text5() const { return text5_; }
  platform::OnOffButton* onOff() const { return onOff_; }
  QPushButton* command4(int index) const { return command4_[static_cast<std::size_t>(index)]; }

  // Command4(1): the calibration heating stops (also the STOP button's
  // heating action).
  void StopCalibrationHeating();

 private:
  void OnHeatingChanged();
  void OnCalibrationChanged();
  void StartCalibrationHeating();
  void StartInputWatch();
  void StopInputWatch();

  config::Configuration& record_;
  machine::MachineContext& machine_;
  const Seams& seams_;
  QGroupBox* chauffe_ = nullptr;
  QScrollBar* hscroll11_ = nullptr;
  QLineEdit* indice_ = nullptr;
  platform::OnOffButton* onOff_ = nullptr;
  QScrollBar* hscroll2_ = nullptr;
  QLineEdit* text5_ = nullptr;
  std::array<QPushButton*, 4> command4_{};
  QLabel* label42_ = nullptr;
  QLineEdit* text11_ = nullptr;
  QLabel* ledEntree_ = nullptr;
  int inputImage_ = 0;
};

}  // namespace ui

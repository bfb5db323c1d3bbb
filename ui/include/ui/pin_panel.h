#pragma once
// The DB25 connections: the eight step and direction pin lists Combo1(0..7),
// the four "Inv." boxes, "Swap", and the motor-enable, heating and timer pin
// lists. Owns their handlers and the direction inversion of the pin masks.
#include <QWidget>
#include <array>

#include "config/record.h"
#include "platform/control_table.h"
#include "ui/pin_rules.h"
#include "ui/seams.h"

class QCheckBox;
class QComboBox;
class QPushButton;

namespace ui {

class PinPanel : public QWidget {
  Q_OBJECT
 public:
  PinPanel(config::Configuration& record, platform::ControlTable& controls,
           QWidget* parent = nullptr);

  // Refill steps: the eight pin lists from the record.
  void ShowPins();
  // The direction masks back to their unswapped values (the USB card's own
  // layout while it is connected), then the inversions of the record applied
  // once each and shown in the "Inv." boxes.
  void ShowInversions(const Seam<>& brochageUsb);
  // ComboP, ComboT, ComboM from the record.
  void ShowSidePins();

  // Exchanges both direction masks of the motor's direction pin (1 X1, 2 X2,
  // 3 Y1, 4 Y2) through the utility object; any other motor, or a pin
  // outside 2..9, changes nothing.
  void Inverser_Sens(int motor);

  PinTexts pinTexts() const;
  // "Inv." values of X1, X2, Y1, Y2.
  std::array<std::int32_t, 4> inversions() const;

 private:
  void SetPinText(int index, const std::string& text);
  void OnPinTextChanged(int index);
  void OnPinChosen(int index);
  void OnInversionClicked(int motor, bool checked);
  void OnSwap();
  void OnSidePinChanged(QComboBox* list, std::int32_t& field);

  config::Configuration& record_;
  std::array<QComboBox*, kPinListCount> pins_{};
  std::array<QCheckBox*, 4> inversions_{};  // Check2, Check4, Check6, Check8
  QPushButton* swap_ = nullptr;
  QComboBox* pinMoteur_ = nullptr;
  QComboBox* pinChauffe_ = nullptr;
  QComboBox* pinTimer_ = nullptr;
};

}  // namespace ui

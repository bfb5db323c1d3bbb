#pragma once
// The motor test window ("Jauge") without its widgets: the four counted
// positions of X1, X2, Y1, Y2 as the texts of Text27(0..3), the end-stop
// options, reset and return to the origin. The Qt window is a thin view on it.
#include <array>
#include <functional>
#include <string>

#include "machine/step_loop.h"
#include "platform/variant.h"

namespace machine {

class TestAvanceModel {
 public:
  static constexpr int kFieldCount = 4;
  static constexpr int kEndStopMessage = 38;

  explicit TestAvanceModel(MachineContext& context);

  // Both end-stop boxes checked when the machine has end stops.
  void Load();

  const std::string& Text27(int index) const { return fields_.at(Slot(index)); }
  // The field's number (as the motion reads it).
  double Position(int index) const;
  // A change of the field: typed, reset or counted; runs the end-stop check.
  void SetText27(int index, std::string text);

  int Check1() const { return check1_; }  // "Butée sur 0"
  int Check2() const { return check2_; }  // "Butée sur Max"
  void SetCheck1(int value);
  void SetCheck2(int value);

  // "&RAZ": asks "RAZ ?"; unless answered No every position becomes "0".
  void Command1_Click();
  // "Ret &0rigine": motors on, every motor to 0, motors off.
  MoveEnd Command2_Click();
  // Key filter of Text27(index): the key replaced by the utility object's
  // Verif_Decimal verdict on it (0 drops it). textBox is the field as an object.
  int Text27_KeyPress(int index, int keyAscii, const platform::Object& textBox);

  // Called after any change of a field or a box, for the view.
  void SetChangeListener(std::function<void()> listener) { listener_ = std::move(listener); }

 private:
  static std::size_t Slot(int index) { return static_cast<std::size_t>(index); }
  void EndStopCheck(int index);
  void EndStopReached();
  void Changed() const;

  MachineContext& context_;
  std::array<std::string, kFieldCount> fields_ = {"0", "0", "0", "0"};
  int check1_ = 0;
  int check2_ = 0;
  std::function<void()> listener_;
};

}  // namespace machine

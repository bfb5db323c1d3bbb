#pragma once
// Stand-in for the outside On/Off button control: a push button that holds a
// state number (0 off, 1 on, 2 busy) which the program reads and sets, and
// raises stateChanged whenever that number changes, by the user or by the
// program. A user click toggles between off and on; while busy (2) the user
// cannot change it, only the program can.
#include <QPushButton>

namespace platform {

class OnOffButton : public QPushButton {
  Q_OBJECT
 public:
  static constexpr int kOff = 0;
  static constexpr int kOn = 1;
  static constexpr int kBusy = 2;

  explicit OnOffButton(const QString& caption, QWidget* parent = nullptr);

  int state() const { return state_; }
  // Values outside 0..2 are ignored.
  void setState(int state);

 signals:
  void stateChanged(int state);

 private:
  void OnUserClick();
  void ShowState();

  int state_ = kOff;
};

}  // namespace platform

#include "platform/onoff_button.h"

namespace platform {

OnOffButton::OnOffButton(const QString& caption, QWidget* parent) : QPushButton(caption, parent) {
  connect(this, &QPushButton::clicked, this, &OnOffButton::OnUserClick);
  ShowState();
}

void OnOffButton::setState(int state) {
  if (state < kOff || state > kBusy || state == state_) return;
  state_ = state;
  ShowState();
  emit stateChanged(state_);
}

void OnOffButton::OnUserClick() {
  if (state_ == kBusy) return;
  setState(state_ == kOn ? kOff : kOn);
}

void OnOffButton::ShowState() {
  // Off grey, on red (the wire is hot), busy orange (calibration heating).
  static constexpr const char* kStyles[] = {
      "", "background-color: rgb(255, 64, 64); font-weight: bold;",
      "background-color: rgb(255, 160, 0); font-weight: bold;"};
  setStyleSheet(QString::fromLatin1(kStyles[state_]));
}

}  // namespace platform

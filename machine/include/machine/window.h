#pragma once
// What the motion engine reads and writes on the configuration window, and
// the event pump it breathes through. The window implements these; tests and
// benchmarks use fakes, so the engine runs without a display.
#include <cstdint>
#include <string>

namespace machine {

struct ScrollBarState {
  int value = 1;
  int min = 1;
  int max = 1;
};

enum class StopButtonColour {
  Yellow,      // motors enabled (RGB 255, 255, 0)
  ButtonFace,  // the system button-face colour
};

class ConfigWindow {
 public:
  virtual ~ConfigWindow() = default;

  virtual bool IsVisible() const = 0;
  // "Vitesse Avance", millimetres per second.
  virtual ScrollBarState HScroll1() const = 0;
  // The label beside it.
  virtual void SetIndice1(const std::string& text) = 0;
  // Heating percentage text of frame "Chauffe" and its scroll bar.
  virtual std::string Indice() const = 0;
  virtual int HScroll11() const = 0;
  // On/Off button: 0 off, 1 on, 2 while the calibration heating runs.
  virtual int PB_Chauffe() const = 0;
  virtual void SetPB_Chauffe(int state) = 0;
  // Jog distances in millimetres: "Axe gauche" and "Axe Droit".
  virtual std::string Text12() const = 0;
  virtual std::string Text9() const = 0;
  // "Synchroniser" and "Guillotine" check box values (0, 1).
  virtual int Check10() const = 0;
  virtual int Check11() const = 0;
  // STOP button back colour.
  virtual void SetCommand2Colour(StopButtonColour colour) = 0;
  // The stop action of the calibration heating (a click of Command4(1)).
  virtual void StopCalibrationHeating() = 0;
  // Rebuilds the 3D machine model from the positions of the test window.
  virtual void Carte_Machine() = 0;
};

class EventPump {
 public:
  virtual ~EventPump() = default;
  // Non-zero when input waits.
  virtual std::uint32_t Messages_En_Attente() = 0;
  // One pass of the event loop.
  virtual void DoEvents() = 0;
};

// The program's pump: the platform's pending-input check.
class PlatformEventPump : public EventPump {
 public:
  std::uint32_t Messages_En_Attente() override;
  void DoEvents() override;
};

}  // namespace machine

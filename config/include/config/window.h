#pragma once
// What the configuration load and save need from the configuration window.
// The Qt window implements it; tests use a fake.
#include <array>
#include <cstdint>
#include <string>

namespace config {

// The controls whose values reach the record only when the configuration is
// saved (or a table written).
struct WindowValues {
  // Combo1(0..7): X1_Avance, X1_Sens, X2_Avance, X2_Sens, Y1_Avance, Y1_Sens, Y2_Avance, Y2_Sens.
  std::array<std::string, 8> pinLists;
  // Text1..Text4: X1_NbPas, X2_NbPas, Y1_NbPas, Y2_NbPas.
  std::array<std::string, 4> nbPas;
  // Check2, Check4, Check6, Check8 values (0/1): X1_Inv, X2_Inv, Y1_Inv, Y2_Inv.
  std::array<std::int32_t, 4> inv{};
  // Text17, Text16, Text15, Text13: X1_mm, X2_mm, Y1_mm, Y2_mm.
  std::array<std::string, 4> mm;
  // Option1 "LPT1" selected (otherwise "LPT2").
  bool lpt1Selected = true;
};

class ConfigWindow {
 public:
  virtual ~ConfigWindow() = default;

  // Checks the language menu entry of that index (0 French, 1 English, 2 Spanish).
  virtual void CheckLanguageEntry(int index) = 0;
  // The jog-speed scroll bar.
  virtual int JogSpeedMaximum() const = 0;
  virtual void SetJogSpeedValue(int value) = 0;
  virtual void SetTitle(const std::string& title) = 0;
  virtual WindowValues TakeValues() const = 0;
  // Fills the controls from the record.
  virtual void Afficher_Configuration() = 0;
};

}  // namespace config

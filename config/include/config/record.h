#pragma once
// The configuration record: the whole description of the machine, the
// program's own state and the shared object references. One instance lives in
// the application context for the whole run; every module reads and writes
// its fields directly and nothing copies it.
#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "platform/variant.h"

namespace config {

// Motor numbers as they are passed around: 1 = X1, 2 = X2, 3 = Y1, 4 = Y2.
inline constexpr int kMotorX1 = 1;
inline constexpr int kMotorX2 = 2;
inline constexpr int kMotorY1 = 3;
inline constexpr int kMotorY2 = 4;

// One byte table indexed by DB25 pin number 2..9: the data-register bit that
// drives the pin. A pin outside 2..9 reads as 0 and cannot be set: reading
// outside the table used to crash the program; here an unassigned pin simply
// composes no bit.
class PinMaskTable {
 public:
  static constexpr int kFirstPin = 2;
  static constexpr int kLastPin = 9;
  static constexpr std::size_t kSize = kLastPin - kFirstPin + 1;

  PinMaskTable() = default;
  explicit PinMaskTable(const std::array<std::uint8_t, kSize>& bits) : bits_(bits) {}

  static constexpr bool HasPin(int pin) { return pin >= kFirstPin && pin <= kLastPin; }

  std::uint8_t at(int pin) const { return HasPin(pin) ? bits_[Index(pin)] : 0; }
  // Returns false (and changes nothing) for a pin outside 2..9.
  bool set(int pin, std::uint8_t bit) {
    if (!HasPin(pin)) return false;
    bits_[Index(pin)] = bit;
    return true;
  }

  bool operator==(const PinMaskTable&) const = default;

 private:
  static constexpr std::size_t Index(int pin) { return static_cast<std::size_t>(pin - kFirstPin); }
  std::array<std::uint8_t, kSize> bits_{};
};

// The three tables are created together by a load of VELKOR.INI.
struct PinMasks {
  PinMaskTable Masque_Avance;
  PinMaskTable Masque_Sens_A;
  PinMaskTable Masque_Sens_B;

  // Values after a load: pin p drives bit p - 2; level B of every direction is 0.
  static PinMasks AfterLoad();

  bool operator==(const PinMasks&) const = default;
};

struct Configuration {
  // Motors. Pins, step counts and inversion flags hold a number after a load
  // and the control's text after an edit; empty until assigned.
  platform::Variant X1_Avance, X2_Avance, Y1_Avance, Y2_Avance;  // step pins
  platform::Variant X1_Sens, X2_Sens, Y1_Sens, Y2_Sens;          // direction pins
  platform::Variant X1_NbPas, X2_NbPas, Y1_NbPas, Y2_NbPas;      // steps per turn
  double X1_mm = 0, X2_mm = 0, Y1_mm = 0, Y2_mm = 0;             // travel per step
  platform::Variant X1_Inv, X2_Inv, Y1_Inv, Y2_Inv;              // 1 = direction inverted

  // Machine.
  platform::Variant V_Max = 6.0;     // mm/s, also the jog-speed scroll bar's maximum
  platform::Variant Largeur;         // mm
  platform::Variant Hauteur;         // mm
  double Longueur = 0;               // mm
  std::int32_t Position_Moteur = 0;  // 0 "AR", 1 "AV"
  std::int32_t Panneau_Moteur = 0;   // 0 "G/D", otherwise "D/G"
  bool Butees = false;
  std::string Carte;        // "BB2001", "MM2001", "AXEMOTION", "CENECE"
  std::int32_t Port = 888;  // 888 LPT1, 632 LPT2
  std::int32_t Pin_Moteur = 0;
  std::int32_t Pin_Chauffe = 0;
  std::int32_t Pin_Timer = 0;
  double Timer_Chauffe = 250;
  double Duree_Chauffe = 0;  // Timer_Chauffe / 2 at startup
  double Timer_Externe = 0;  // 1 = heating timed by the external timer

  // Foam block (mm); Marge_Droite is computed by each load, never stored.
  double Bloc_Largeur = 0, Bloc_Longueur = 0, Bloc_Hauteur = 0;
  double Marge_Gauche = 0, Marge_Haute = 0, Marge_Basse = 0;
  double Marge_a_vide = 0, Marge_inferieure = 0;
  double Marge_Droite = 0;

  // Project and language.
  std::string Machine;  // "Default", or the full path of the current table file
  std::string Langue;   // "0" French, "1" English, "2" Spanish (the menu adds a leading blank)

  // Program state.
  std::string Etat;        // "Loading", "", "FIN"; also the last chosen file name
  std::int32_t Arret = 0;  // 1 = stop the running motion
  platform::Object Bits;   // the utility object, created by ProgID at startup

  // Owned by the USB link; the save needs it to leave [Pins] alone.
  bool Carte_USB = false;

  // Absent until a load reaches its pin-mask step.
  std::optional<PinMasks> Masques;

  std::uint8_t maskAvance(int pin) const { return Masques ? Masques->Masque_Avance.at(pin) : 0; }
  std::uint8_t maskSensA(int pin) const { return Masques ? Masques->Masque_Sens_A.at(pin) : 0; }
  std::uint8_t maskSensB(int pin) const { return Masques ? Masques->Masque_Sens_B.at(pin) : 0; }

  // Per-motor access by motor number 1..4; throws std::out_of_range otherwise.
  platform::Variant& avanceOf(int motor);
  platform::Variant& sensOf(int motor);
  platform::Variant& nbPasOf(int motor);
  platform::Variant& invOf(int motor);
  double& mmOf(int motor);
  const platform::Variant& avanceOf(int motor) const;
  const platform::Variant& sensOf(int motor) const;
  const platform::Variant& nbPasOf(int motor) const;
  const platform::Variant& invOf(int motor) const;
  double mmOf(int motor) const;
};

// The text a dynamically typed field is written as: numbers in their shortest
// decimal form with the locale separator, texts as they are, booleans
// "True"/"False", empty as "".
std::string FileText(const platform::Variant& value);
// The same for a plain number.
std::string FileText(double value);

// A pin or flag as an integer: blank, empty or unreadable text gives 0
// (unassigned), numbers round halves to even, out-of-range values give 0.
std::int32_t IntegerOf(const platform::Variant& value);
// A length or speed as a double: text is read in the user's locale; blank,
// empty or unreadable text gives 0.
double NumberOf(const platform::Variant& value);

}  // namespace config

#include "machine_keys.h"

#include <algorithm>
#include <array>

namespace config {

namespace {

constexpr std::array<const char*, 4> kMotorNames = {"X1", "X2", "Y1", "Y2"};

std::string KeyOf(int motor, const char* suffix) {
  return std::string(kMotorNames[static_cast<std::size_t>(motor - kMotorX1)]) + suffix;
}

// The entry whose key and value are each one blank, ending [Avance] and [sens].
ProfileEntry Separator(const char* section) { return {section, " ", " "}; }

}  // namespace

void ReadMotorKeys(const KeyReader& file, Configuration& record) {
  for (int motor = kMotorX1; motor <= kMotorY2; ++motor) {
    record.avanceOf(motor) =
        file.Strict("Avance", KeyOf(motor, "_Avance"), motor == kMotorX1 ? "0" : "");
  }
  for (int motor = kMotorX1; motor <= kMotorY2; ++motor) {
    record.mmOf(motor) = file.Strict("Avance", KeyOf(motor, "_mm"));
  }
  for (int motor = kMotorX1; motor <= kMotorY2; ++motor) {
    record.sensOf(motor) = file.Lenient("Sens", KeyOf(motor, "_Sens"));
  }
  for (int motor = kMotorX1; motor <= kMotorY2; ++motor) {
    record.nbPasOf(motor) = file.Lenient("Pas", KeyOf(motor, "_NbPas"));
  }
  for (int motor = kMotorX1; motor <= kMotorY2; ++motor) {
    record.invOf(motor) = file.Lenient("Sens", KeyOf(motor, "_Inv"));
  }
  record.V_Max = file.Strict("Vitesse", "V_Max", "6");
}

void ReadMachineKeys(const KeyReader& file, Configuration& record, const DimensionMinima& minima) {
  // A heating period of 0 would never end a pulse: keep the one we have.
  const double timerChauffe = file.Lenient("Chauffe", "Timer_Chauffe");
  if (timerChauffe > 0) record.Timer_Chauffe = timerChauffe;
  const std::string timerExterne = file.Text("Chauffe", "Timer_Externe");
  record.Timer_Externe = timerExterne.empty() ? 1.0 : file.Lenient("Chauffe", "Timer_Externe");

  record.Largeur = std::max(file.Lenient("Machine", "Largeur"), minima.largeur);
  record.Hauteur = std::max(file.Lenient("Machine", "Hauteur"), minima.hauteur);
  record.Longueur = std::max(file.Lenient("Machine", "Longueur"), minima.longueur);
  record.Carte = file.Text("Machine", "Carte");
  if (record.Carte.empty()) record.Carte = "BB2001";
  record.Position_Moteur = file.LenientInteger("Machine", "Position Moteur");
  record.Panneau_Moteur = file.LenientInteger("Machine", "Panneau Moteur");
  record.Butees = file.Text("Machine", "Butees", "True").find("True") != std::string::npos;

  const auto pinOr = [&](const char* key, std::int32_t unset) {
    const std::int32_t pin = file.LenientInteger("Pins", key);
    return pin == 0 ? unset : pin;
  };
  record.Pin_Moteur = pinOr("Pin_Moteur", 17);
  record.Pin_Timer = pinOr("Pin_Timer", 10);
  record.Pin_Chauffe = pinOr("Pin_Chauffe", 16);
}

std::vector<ProfileEntry> TableEntries(const Configuration& record, bool withPins) {
  std::vector<ProfileEntry> entries;
  const auto perMotor = [&](const char* section, const char* suffix, auto textOf) {
    for (int motor = kMotorX1; motor <= kMotorY2; ++motor) {
      entries.push_back({section, KeyOf(motor, suffix), textOf(motor)});
    }
  };
  perMotor("Avance", "_Avance", [&](int motor) { return FileText(record.avanceOf(motor)); });
  perMotor("Avance", "_mm", [&](int motor) { return FileText(record.mmOf(motor)); });
  entries.push_back(Separator("Avance"));
  perMotor("sens", "_Sens", [&](int motor) { return FileText(record.sensOf(motor)); });
  perMotor("sens", "_Inv", [&](int motor) { return FileText(record.invOf(motor)); });
  entries.push_back(Separator("sens"));
  perMotor("Pas", "_NbPas", [&](int motor) { return FileText(record.nbPasOf(motor)); });
  perMotor("Vitesse", "_TpsMini", [](int) { return std::string(); });
  entries.push_back({"Vitesse", "V_Max", FileText(record.V_Max)});
  entries.push_back({"Machine", "Largeur", FileText(record.Largeur)});
  entries.push_back({"Machine", "Hauteur", FileText(record.Hauteur)});
  entries.push_back({"Machine", "Longueur", FileText(record.Longueur)});
  entries.push_back({"Machine", "Position Moteur", std::to_string(record.Position_Moteur)});
  entries.push_back({"Machine", "Panneau Moteur", std::to_string(record.Panneau_Moteur)});
  entries.push_back({"Machine", "Carte", record.Carte});
  entries.push_back({"Machine", "Butees", record.Butees ? "True" : "False"});
  entries.push_back({"Chauffe", "Timer_Chauffe", FileText(record.Timer_Chauffe)});
  entries.push_back({"Chauffe", "Timer_Externe", FileText(record.Timer_Externe)});
  if (withPins) {
    entries.push_back({"Pins", "Pin_Moteur", std::to_string(record.Pin_Moteur)});
    entries.push_back({"Pins", "Pin_Timer", std::to_string(record.Pin_Timer)});
    entries.push_back({"Pins", "Pin_Chauffe", std::to_string(record.Pin_Chauffe)});
  }
  return entries;
}

}  // namespace config

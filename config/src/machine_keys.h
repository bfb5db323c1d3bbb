#pragma once
// The keys VELKOR.INI and the table files share: the motors, the machine, the
// heating and the control pins.
#include <string>
#include <vector>

#include "config/record.h"
#include "key_reader.h"

namespace config {

// Smallest machine dimensions a load accepts; a smaller value gives the minimum.
struct DimensionMinima {
  double largeur;
  double hauteur;
  double longueur;
};
inline constexpr DimensionMinima kIniMinima{300, 100, 500};
inline constexpr DimensionMinima kTableMinima{300, 300, 300};

// Step and direction pins, mm per step, step counts, inversion flags, V_Max.
// Throws LoadStop at the first strict value that cannot be read; the fields
// read before it keep their new values.
void ReadMotorKeys(const KeyReader& file, Configuration& record);
// Heating, machine dimensions, card, motor side, wings, end stops, control pins.
void ReadMachineKeys(const KeyReader& file, Configuration& record, const DimensionMinima& minima);

struct ProfileEntry {
  std::string section;
  std::string key;
  std::string value;
};
// What a table holds, in the order a fresh file receives it; [Pins] only
// when withPins (no USB card connected).
std::vector<ProfileEntry> TableEntries(const Configuration& record, bool withPins);

}  // namespace config

#include "machine_ini.h"

#include <algorithm>
#include <string>

#include "platform/numtext.h"
#include "platform/profile.h"

namespace vkrender {
namespace {

// Lenient value with the configuration's lower bound (an absent key reads as 0).
float AtLeast(const std::filesystem::path& ini, const char* key, float minimum) {
  const double value = platform::Val(platform::profile::Get(ini, "Machine", key));
  return std::max(static_cast<float>(value), minimum);
}

}  // namespace

view3d::MachineDimensions ReadMachineDimensions(const std::filesystem::path& ini) {
  view3d::MachineDimensions m;
  m.Largeur = AtLeast(ini, "Largeur", 300);
  m.Hauteur = AtLeast(ini, "Hauteur", 100);
  m.Longueur = AtLeast(ini, "Longueur", 500);
  m.Position_Moteur =
      static_cast<int>(platform::Val(platform::profile::Get(ini, "Machine", "Position Moteur")));
  return m;
}

}  // namespace vkrender

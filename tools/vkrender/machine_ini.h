#pragma once
// The machine dimensions of a VELKOR.INI, read as the configuration load reads them.
#include <filesystem>

#include "view3d/machine_scene.h"

namespace vkrender {

view3d::MachineDimensions ReadMachineDimensions(const std::filesystem::path& ini);

}  // namespace vkrender

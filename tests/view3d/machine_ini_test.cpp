#include <gtest/gtest.h>

#include <unistd.h>
#include <filesystem>
#include <fstream>
#include <string>

#include "machine_ini.h"

namespace {

struct IniRow {
  const char* name;
  const char* text;
  float largeur, hauteur, longueur;
  int position;
};

class MachineIniTest : public ::testing::TestWithParam<IniRow> {
 protected:
  void SetUp() override {
    dir = std::filesystem::temp_directory_path() /
          ("vk_view3d_ini_" + std::to_string(::getpid()) + "_" + GetParam().name);
    std::filesystem::create_directories(dir);
  }
  void TearDown() override { std::filesystem::remove_all(dir); }
  std::filesystem::path dir;
};

TEST_P(MachineIniTest, LenientWithMinimums) {
  const auto ini = dir / "VELKOR.INI";
  std::ofstream(ini, std::ios::binary) << GetParam().text;
  const view3d::MachineDimensions m = vkrender::ReadMachineDimensions(ini);
  EXPECT_EQ(m.Largeur, GetParam().largeur);
  EXPECT_EQ(m.Hauteur, GetParam().hauteur);
  EXPECT_EQ(m.Longueur, GetParam().longueur);
  EXPECT_EQ(m.Position_Moteur, GetParam().position);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, MachineIniTest,
    ::testing::Values(
        IniRow{"empty", "", 300, 100, 500, 0},
        IniRow{"below_minimums", "[Machine]\r\nLargeur=250\r\nHauteur=50\r\n", 300, 100, 500, 0},
        IniRow{"values",
               "[machine]\nLargeur=1200.5mm\nHauteur=600\nLongueur=1500\n"
               "Position Moteur=1\n",
               1200.5f, 600, 1500, 1},
        IniRow{"not_numbers", "[Machine]\nLargeur=abc\nHauteur=,5\n", 300, 100, 500, 0}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace

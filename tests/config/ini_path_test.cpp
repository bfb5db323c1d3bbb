#include "config/ini_path.h"

#include "config_fixture.h"

namespace config::testing {
namespace {

namespace fs = std::filesystem;

class IniPath : public ::testing::Test {
 protected:
  fs::path program() const { return folder.path() / "vksetup"; }
  void SetUp() override { fs::create_directories(program()); }
  TempFolder folder;
};

TEST_F(IniPath, BesideAWritableProgram) {
  EXPECT_TRUE(IsWritableFolder(program()));
  const UserFolders user{folder.path() / "xdg", folder.path() / "home"};
  EXPECT_EQ(VelkorIniPath(program(), user), program() / "VELKOR.INI");
  EXPECT_FALSE(fs::exists(folder.path() / "xdg"));
}

TEST_F(IniPath, ExistingFileKeepsItsLetterCase) {
  WriteBytes(program() / "velkor.ini", "");
  EXPECT_EQ(VelkorIniPath(program(), true, {}), program() / "velkor.ini");
}

TEST_F(IniPath, MissingFolderIsNotWritable) {
  EXPECT_FALSE(IsWritableFolder(folder.path() / "absent"));
}

struct UserRow {
  std::string name;
  std::string xdg;   // relative to the temporary folder; "" for unset, "!" for a relative value
  std::string home;  // relative to the temporary folder; "" for unset
  std::string expectedFolder;  // relative to the temporary folder; "" for beside the program
};

void PrintTo(const UserRow& row, std::ostream* os) { *os << row.name; }

class ReadOnlyProgram : public IniPath, public ::testing::WithParamInterface<UserRow> {};

TEST_P(ReadOnlyProgram, UsesTheUserConfigurationFolder) {
  const UserRow& row = GetParam();
  UserFolders user;
  if (row.xdg == "!") {
    user.xdgConfigHome = "relative/config";
  } else if (!row.xdg.empty()) {
    user.xdgConfigHome = folder.path() / row.xdg;
  }
  if (!row.home.empty()) user.home = folder.path() / row.home;

  const fs::path ini = VelkorIniPath(program(), false, user);
  if (row.expectedFolder.empty()) {
    EXPECT_EQ(ini, program() / "VELKOR.INI");
  } else {
    EXPECT_EQ(ini, folder.path() / row.expectedFolder / "VELKOR.INI");
    EXPECT_TRUE(fs::is_directory(ini.parent_path()));
  }
}

const UserRow kUserRows[] = {
    {"Xdg", "xdg", "home", "xdg/vksetup"},
    {"HomeWhenXdgUnset", "", "home", "home/.config/vksetup"},
    {"HomeWhenXdgRelative", "!", "home", "home/.config/vksetup"},
    {"NowhereElse", "", "", ""},
};

INSTANTIATE_TEST_SUITE_P(Rows, ReadOnlyProgram, ::testing::ValuesIn(kUserRows),
                         [](const auto& info) { return info.param.name; });

TEST_F(IniPath, ShippedFileSeedsTheUserCopyOnce) {
  WriteBytes(program() / "VELKOR.INI", "[Langue]\r\nLangue=1\r\n");
  const UserFolders user{folder.path() / "xdg", {}};
  const fs::path own = VelkorIniPath(program(), false, user);
  EXPECT_EQ(ReadBytes(own), "[Langue]\r\nLangue=1\r\n");

  WriteBytes(own, "[Langue]\r\nLangue=2\r\n");
  EXPECT_EQ(VelkorIniPath(program(), false, user), own);
  EXPECT_EQ(ReadBytes(own), "[Langue]\r\nLangue=2\r\n");
}

}  // namespace
}  // namespace config::testing

#pragma once
// Where VELKOR.INI lives: beside the program when its folder is writable (a
// portable install, as it always was), otherwise in the user's configuration
// folder, so that a save is never lost to a read-only install.
#include <filesystem>

namespace config {

// The user's folders as the environment gives them; injectable for tests.
struct UserFolders {
  std::filesystem::path xdgConfigHome;  // $XDG_CONFIG_HOME, may be empty
  std::filesystem::path home;           // $HOME, may be empty

  static UserFolders FromEnvironment();
};

// The VELKOR.INI to read and write. When the program folder is not writable,
// $XDG_CONFIG_HOME/vksetup (or ~/.config/vksetup) is created and used; a
// VELKOR.INI shipped beside the program seeds it the first time.
std::filesystem::path VelkorIniPath(const std::filesystem::path& programDir,
                                    const UserFolders& user = UserFolders::FromEnvironment());
// The same choice with the program folder's writability given.
std::filesystem::path VelkorIniPath(const std::filesystem::path& programDir,
                                    bool programDirWritable, const UserFolders& user);

// Whether this process may create files in the folder.
bool IsWritableFolder(const std::filesystem::path& folder);

}  // namespace config

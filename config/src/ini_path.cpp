#include "config/ini_path.h"

#include <unistd.h>

#include <cstdlib>
#include <system_error>

#include "platform/paths.h"

namespace config {

namespace {

namespace fs = std::filesystem;

constexpr const char* kIniName = "VELKOR.INI";

fs::path FromEnv(const char* name) {
  const char* value = std::getenv(name);
  return value ? fs::path(value) : fs::path();
}

// XDG asks to ignore a relative $XDG_CONFIG_HOME.
fs::path UserConfigFolder(const UserFolders& user) {
  if (user.xdgConfigHome.is_absolute()) return user.xdgConfigHome / "vksetup";
  if (!user.home.empty()) return user.home / ".config" / "vksetup";
  return {};
}

}  // namespace

UserFolders UserFolders::FromEnvironment() {
  return UserFolders{FromEnv("XDG_CONFIG_HOME"), FromEnv("HOME")};
}

bool IsWritableFolder(const std::filesystem::path& folder) {
  return access(folder.c_str(), W_OK | X_OK) == 0;
}

std::filesystem::path VelkorIniPath(const std::filesystem::path& programDir,
                                    const UserFolders& user) {
  return VelkorIniPath(programDir, IsWritableFolder(programDir), user);
}

std::filesystem::path VelkorIniPath(const std::filesystem::path& programDir,
                                    bool programDirWritable, const UserFolders& user) {
  const fs::path beside = platform::ResolveCaseInsensitive(programDir / kIniName);
  if (programDirWritable) return beside;

  const fs::path folder = UserConfigFolder(user);
  // Nowhere else to go: the first save says that it cannot write.
  if (folder.empty()) return beside;

  std::error_code ec;
  fs::create_directories(folder, ec);
  const fs::path own = platform::ResolveCaseInsensitive(folder / kIniName);
  if (!fs::exists(own, ec) && fs::is_regular_file(beside, ec)) {
    fs::copy_file(beside, own, ec);
  }
  return own;
}

}  // namespace config

#include "bits/profile_read.h"

#include <exception>

#include "platform/messagebox.h"
#include "platform/paths.h"
#include "platform/profile.h"

namespace bits {

namespace {

// The title a box without one of its own carries: the library's project name.
constexpr char kLibraryTitle[] = "VK_DLL";
constexpr std::size_t kBufferSize = 128;

}  // namespace

std::string INIProfileRead(std::string& strNomCle, std::string& strDonneeDefault,
                           std::string& strKey, std::string& strFile,
                           const std::filesystem::path& libraryDir) {
  std::string value;
  std::size_t copied = 0;
  try {
    // Names match whatever their letter case, as they always did.
    const std::filesystem::path file = platform::ResolveCaseInsensitive(
        strFile.empty() ? libraryDir / kDefaultProfileFile : std::filesystem::path(strFile));
    const std::string& section = strKey.empty() ? std::string(kDefaultSection) : strKey;
    copied = platform::profile::GetString(section, strNomCle, strDonneeDefault, value, kBufferSize,
                                          file);
  } catch (const std::exception& e) {
    platform::ShowMessage(std::string("ERREUR INIProfileRead ") + e.what(), kLibraryTitle,
                          platform::Buttons::Ok);
    copied = 0;
  }
  if (copied == 0) return strDonneeDefault;
  const std::size_t zero = value.find('\0');
  return zero == std::string::npos ? value : value.substr(0, zero);
}

}  // namespace bits

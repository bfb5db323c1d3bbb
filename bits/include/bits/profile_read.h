#pragma once
// One value of a profile file, with the library's own defaults for the
// section ("VELKOR") and the file (velkor.lng beside the library).
#include <filesystem>
#include <string>

namespace bits {

inline constexpr char kDefaultSection[] = "VELKOR";
inline constexpr char kDefaultProfileFile[] = "velkor.lng";

// Never fails: an error is shown as "ERREUR INIProfileRead " + its
// description and the default comes back.
std::string INIProfileRead(std::string& strNomCle, std::string& strDonneeDefault,
                           std::string& strKey, std::string& strFile,
                           const std::filesystem::path& libraryDir);

}  // namespace bits

#pragma once
// Whole-file reading, and replacement of a file that never leaves a
// truncated copy behind: the new bytes go to a temporary file in the same
// folder, reach the disk, then take the old name in one rename.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace platform::detail {

struct ReadResult {
  std::optional<std::string> bytes;  // nullopt when the file could not be read
  int error = 0;                     // errno of the failure (ENOENT: no such file)
};
ReadResult ReadWholeFile(const std::filesystem::path& file);

// On failure returns false and sets why to the system's reason.
bool ReplaceFileAtomically(const std::filesystem::path& file, std::string_view bytes,
                           std::string* why);

}  // namespace platform::detail

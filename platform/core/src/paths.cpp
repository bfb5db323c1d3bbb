#include "platform/paths.h"

#include <dlfcn.h>

#include <algorithm>
#include <optional>
#include <string>
#include <system_error>

namespace platform {

namespace fs = std::filesystem;

namespace {

bool SameIgnoringCase(const std::string& a, const std::string& b) {
  auto fold = [](char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; };
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                            [&](char x, char y) { return fold(x) == fold(y); });
}

// The entry of folder named like name without regard to case; the smallest
// such name when several match, so the answer does not depend on the order
// of the listing.
std::optional<fs::path> MatchInFolder(const fs::path& folder, const fs::path& name) {
  std::error_code ec;
  fs::directory_iterator it(folder.empty() ? fs::path(".") : folder, ec);
  if (ec) return std::nullopt;
  std::optional<std::string> best;
  const std::string wanted = name.string();
  for (const fs::directory_entry& entry : it) {
    const std::string candidate = entry.path().filename().string();
    if (SameIgnoringCase(candidate, wanted) && (!best || candidate < *best)) best = candidate;
  }
  if (!best) return std::nullopt;
  return folder / *best;
}

}  // namespace

fs::path ResolveCaseInsensitive(const fs::path& path) {
  std::error_code ec;
  if (path.empty() || fs::exists(fs::symlink_status(path, ec))) return path;
  fs::path resolved = path.root_path();
  for (const fs::path& part : path.relative_path()) {
    const fs::path exact = resolved / part;
    if (part == "." || part == ".." || part.empty() || fs::exists(fs::symlink_status(exact, ec))) {
      resolved = exact;
      continue;
    }
    const std::optional<fs::path> match = MatchInFolder(resolved, part);
    if (!match) return path;
    resolved = *match;
  }
  return resolved;
}

fs::path ProgramDir() {
  std::error_code ec;
  const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
  return ec ? fs::path{} : exe.parent_path();
}

fs::path LibraryDirOf(const void* addressInLibrary) {
  Dl_info info{};
  if (::dladdr(addressInLibrary, &info) == 0 || info.dli_fname == nullptr) return {};
  std::error_code ec;
  const fs::path library = fs::weakly_canonical(fs::path(info.dli_fname), ec);
  return (ec ? fs::absolute(info.dli_fname, ec) : library).parent_path();
}

}  // namespace platform

#pragma once
// File names the system always found whatever their letter case
// (lang\Francais.lng and Lang\FRANCAIS.LNG are one file), and the folders
// the program and its libraries live in.
#include <filesystem>

namespace platform {

// The existing path whose components match the given ones without regard to
// case (exact matches first); the path unchanged when nothing matches.
std::filesystem::path ResolveCaseInsensitive(const std::filesystem::path& path);

// Folder of the running program (from /proc/self/exe).
std::filesystem::path ProgramDir();
// Folder of the shared library that holds the given address (dladdr).
std::filesystem::path LibraryDirOf(const void* addressInLibrary);

}  // namespace platform

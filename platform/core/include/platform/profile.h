#pragma once
// Profile (INI) files with the classic semantics the configuration relies on:
// case-insensitive section and key names, trimmed values, one outer pair of
// quotes removed, ';' comment lines, CRLF/LF/CR line ends, first match wins,
// a buffer of n characters shows at most n - 1 of a value. Writes keep every
// foreign line and replace the file atomically.
#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

namespace platform::profile {

inline constexpr std::size_t kDefaultBuffer = 128;

// Reads [section] key from file into out. Returns the number of characters
// copied (at most bufferSize - 1). The default is used when the file, the
// section or the key is missing or when section/key is empty; its trailing
// spaces are trimmed.
std::size_t GetString(std::string_view section, std::string_view key, std::string_view def,
                      std::string& out, std::size_t bufferSize, const std::filesystem::path& file);

// Convenience form with the usual 128-character buffer.
std::string Get(const std::filesystem::path& file, std::string_view section, std::string_view key,
                std::string_view def = {}, std::size_t bufferSize = kDefaultBuffer);

// Writes key=value into [section]: replaces the value in place, or adds the
// key after the section's last key, or adds the section at the end. A missing
// file is created; a missing folder fails. On failure returns false and, when
// given, sets why to a readable reason (e.g. "Permission denied").
// A key of spaces only becomes the empty key (the separator line "= ").
// Entries that could not read back as written are refused: an empty section,
// a line break anywhere, ']' in the section, '=' in the key or a key that
// starts with ';' or '['.
bool Put(const std::filesystem::path& file, std::string_view section, std::string_view key,
         std::string_view value, std::string* why = nullptr);

}  // namespace platform::profile

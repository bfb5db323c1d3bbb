#pragma once
// Reading one profile file key by key, the two ways the configuration reads
// numbers. A strict value that cannot be read throws LoadStop, which ends the
// load where it stands.
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace config {

struct LoadStop {};

class KeyReader {
 public:
  explicit KeyReader(std::filesystem::path file) : file_(std::move(file)) {}

  // The value as stored (trimmed, at most 127 characters).
  std::string Text(std::string_view section, std::string_view key, std::string_view def = {},
                   std::size_t bufferSize = kValueBuffer) const;
  // The whole value must be a number in the user's locale.
  double Strict(std::string_view section, std::string_view key, std::string_view def = {}) const;
  // "True"/"False" in any case, or a strict number (non-zero is true).
  bool StrictBool(std::string_view section, std::string_view key, std::string_view def) const;
  // The leading number with '.' as point; empty or non-numeric gives 0.
  double Lenient(std::string_view section, std::string_view key, std::string_view def = {}) const;
  // Lenient, rounded to an integer (halves to even); out of range throws LoadStop.
  std::int32_t LenientInteger(std::string_view section, std::string_view key,
                              std::string_view def = {}) const;

  static constexpr std::size_t kValueBuffer = 128;

 private:
  std::filesystem::path file_;
};

}  // namespace config

#include "key_reader.h"

#include <algorithm>
#include <cctype>

#include "platform/numtext.h"
#include "platform/profile.h"

namespace config {

namespace {

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return std::toupper(static_cast<unsigned char>(x)) ==
           std::toupper(static_cast<unsigned char>(y));
  });
}

}  // namespace

std::string KeyReader::Text(std::string_view section, std::string_view key, std::string_view def,
                            std::size_t bufferSize) const {
  std::string value;
  platform::profile::GetString(section, key, def, value, bufferSize, file_);
  return value;
}

double KeyReader::Strict(std::string_view section, std::string_view key,
                         std::string_view def) const {
  const auto number = platform::StrictNumber(Text(section, key, def));
  if (!number) throw LoadStop{};
  return *number;
}

bool KeyReader::StrictBool(std::string_view section, std::string_view key,
                           std::string_view def) const {
  const std::string text = Text(section, key, def);
  if (EqualsIgnoringCase(text, "True")) return true;
  if (EqualsIgnoringCase(text, "False")) return false;
  const auto number = platform::StrictNumber(text);
  if (!number) throw LoadStop{};
  return *number != 0;
}

double KeyReader::Lenient(std::string_view section, std::string_view key,
                          std::string_view def) const {
  return platform::Val(Text(section, key, def));
}

std::int32_t KeyReader::LenientInteger(std::string_view section, std::string_view key,
                                       std::string_view def) const {
  const auto integer = platform::ToInt32(Lenient(section, key, def));
  if (!integer) throw LoadStop{};
  return *integer;
}

}  // namespace config

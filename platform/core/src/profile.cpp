#include "platform/profile.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <optional>

#include "file_io.h"
#include "ini_text.h"
#include "utf16.h"

namespace platform::profile {

namespace {

using detail::FindValue;
using detail::StripOuterQuotes;
using detail::WithValue;

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LeBom = "\xFF\xFE";

// Names given by callers lose their spaces (not their tabs).
std::string_view TrimSpaces(std::string_view s) {
  const std::size_t b = s.find_first_not_of(' ');
  if (b == std::string_view::npos) return {};
  return s.substr(b, s.find_last_not_of(' ') - b + 1);
}

std::string_view TrimTrailingSpaces(std::string_view s) {
  const std::size_t e = s.find_last_not_of(' ');
  return e == std::string_view::npos ? std::string_view{} : s.substr(0, e + 1);
}

// What a C buffer of the given size would show of a value: up to the first
// zero, at most size - 1 characters.
template <class C>
std::basic_string_view<C> FitBuffer(std::basic_string_view<C> value, std::size_t bufferSize) {
  const std::size_t zero = value.find(C(0));
  if (zero != std::basic_string_view<C>::npos) value = value.substr(0, zero);
  const std::size_t room = bufferSize == 0 ? 0 : bufferSize - 1;
  return value.substr(0, std::min(room, value.size()));
}

bool StartsWith(std::string_view s, std::string_view prefix) {
  return s.substr(0, prefix.size()) == prefix;
}

// The stored value of [section] key, cut to the buffer; nullopt when absent.
std::optional<std::size_t> ReadValue(std::string_view bytes, std::string_view section,
                                     std::string_view key, std::string& out,
                                     std::size_t bufferSize) {
  if (StartsWith(bytes, kUtf16LeBom)) {
    const std::u16string text =
        platform::detail::FromUtf16LeBytes(bytes.substr(kUtf16LeBom.size()));
    const std::u16string sec = platform::detail::Utf8ToUtf16(section);
    const std::u16string k = platform::detail::Utf8ToUtf16(key);
    const auto found = FindValue<char16_t>(text, sec, k);
    if (!found) return std::nullopt;
    const std::u16string_view fitted = FitBuffer(StripOuterQuotes(*found), bufferSize);
    out = platform::detail::Utf16ToUtf8(fitted);
    return fitted.size();
  }
  if (StartsWith(bytes, kUtf8Bom)) bytes.remove_prefix(kUtf8Bom.size());
  const auto found = FindValue<char>(bytes, section, key);
  if (!found) return std::nullopt;
  out = FitBuffer(StripOuterQuotes(*found), bufferSize);
  return out.size();
}

bool Refuse(std::string* why, const char* reason) {
  if (why) *why = reason;
  return false;
}

bool HasLineBreak(std::string_view s) { return s.find_first_of("\r\n") != std::string_view::npos; }

// Names and values that would read back as something else once written.
const char* InvalidEntry(std::string_view section, std::string_view key, std::string_view value) {
  if (section.empty()) return "Empty section name";
  if (HasLineBreak(section) || section.find(']') != std::string_view::npos) {
    return "Invalid section name";
  }
  if (HasLineBreak(key) || key.find('=') != std::string_view::npos ||
      (!key.empty() && (key.front() == ';' || key.front() == '['))) {
    return "Invalid key name";
  }
  if (HasLineBreak(value)) return "Invalid value: line break";
  return nullptr;
}

std::string EditedBytes(std::string_view bytes, std::string_view section, std::string_view key,
                        std::string_view value) {
  if (StartsWith(bytes, kUtf16LeBom)) {
    std::string_view body = bytes.substr(kUtf16LeBom.size());
    const std::string_view oddTail = body.substr(body.size() - body.size() % 2);
    const std::u16string text = platform::detail::FromUtf16LeBytes(body);
    const std::u16string edited = WithValue<char16_t>(text, platform::detail::Utf8ToUtf16(section),
                                                      platform::detail::Utf8ToUtf16(key),
                                                      platform::detail::Utf8ToUtf16(value));
    return std::string(kUtf16LeBom) + platform::detail::ToUtf16LeBytes(edited) +
           std::string(oddTail);
  }
  const std::string_view bom = StartsWith(bytes, kUtf8Bom) ? kUtf8Bom : std::string_view{};
  return std::string(bom) + WithValue<char>(bytes.substr(bom.size()), section, key, value);
}

}  // namespace

std::size_t GetString(std::string_view section, std::string_view key, std::string_view def,
                      std::string& out, std::size_t bufferSize, const std::filesystem::path& file) {
  section = TrimSpaces(section);
  key = TrimSpaces(key);
  if (!section.empty() && !key.empty()) {
    const platform::detail::ReadResult read = platform::detail::ReadWholeFile(file);
    if (read.bytes) {
      if (const auto count = ReadValue(*read.bytes, section, key, out, bufferSize)) return *count;
    }
  }
  out = FitBuffer(TrimTrailingSpaces(def), bufferSize);
  return out.size();
}

std::string Get(const std::filesystem::path& file, std::string_view section, std::string_view key,
                std::string_view def, std::size_t bufferSize) {
  std::string out;
  GetString(section, key, def, out, bufferSize, file);
  return out;
}

bool Put(const std::filesystem::path& file, std::string_view section, std::string_view key,
         std::string_view value, std::string* why) {
  section = TrimSpaces(section);
  key = TrimSpaces(key);
  if (const char* reason = InvalidEntry(section, key, value)) return Refuse(why, reason);

  const platform::detail::ReadResult read = platform::detail::ReadWholeFile(file);
  if (!read.bytes && read.error != ENOENT) return Refuse(why, std::strerror(read.error));
  const std::string_view old = read.bytes ? std::string_view(*read.bytes) : std::string_view{};
  return platform::detail::ReplaceFileAtomically(file, EditedBytes(old, section, key, value), why);
}

}  // namespace platform::profile

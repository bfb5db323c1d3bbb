// The user's decimal separator, taken from the locale the environment names.
// The system's locale database is asked first; a locale that is not
// installed there is still recognised by its language.
#include <langinfo.h>
#include <locale.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "platform/numtext.h"

namespace platform {

namespace {

std::atomic<char> overrideSeparator{0};
std::atomic<char> localeSeparator{0};

std::string LocaleName() {
  for (const char* variable : {"LC_ALL", "LC_NUMERIC", "LANG"}) {
    const char* value = std::getenv(variable);
    if (value && *value) return value;
  }
  return {};
}

std::optional<char> SeparatorFromDatabase(const std::string& name) {
  const locale_t loc = ::newlocale(LC_NUMERIC_MASK, name.c_str(), locale_t{});
  if (loc == locale_t{}) return std::nullopt;
  const std::string_view radix = ::nl_langinfo_l(RADIXCHAR, loc);
  std::optional<char> sep;
  if (radix == "," || radix == ".") sep = radix.front();
  ::freelocale(loc);
  return sep;
}

// Languages whose usual decimal separator is a comma, and the places where
// one of them writes a point.
constexpr std::array<std::string_view, 47> kCommaLanguages = {
    "af", "az", "be", "bg", "bs", "ca", "cs", "da", "de", "el", "es", "et", "eu", "fi", "fo", "fr",
    "gl", "hr", "hu", "hy", "id", "is", "it", "ka", "kk", "ky", "lb", "lt", "lv", "mk", "mn", "nb",
    "nl", "nn", "no", "pl", "pt", "ro", "ru", "sk", "sl", "sq", "sr", "sv", "tr", "uk", "vi"};
constexpr std::array<std::string_view, 13> kPointExceptions = {
    "de_CH", "de_LI", "it_CH", "es_MX", "es_US", "es_GT", "es_HN",
    "es_NI", "es_PA", "es_PE", "es_PR", "es_DO", "es_SV"};

char SeparatorFromLanguage(std::string_view name) {
  name = name.substr(0, name.find_first_of(".@"));
  const std::string_view language = name.substr(0, name.find('_'));
  if (std::find(kPointExceptions.begin(), kPointExceptions.end(), name) != kPointExceptions.end()) {
    return '.';
  }
  const bool comma =
      std::find(kCommaLanguages.begin(), kCommaLanguages.end(), language) != kCommaLanguages.end();
  return comma ? ',' : '.';
}

char SeparatorOfUserLocale() {
  const std::string name = LocaleName();
  if (name.empty() || name == "C" || name == "POSIX" || name.rfind("C.", 0) == 0) return '.';
  return SeparatorFromDatabase(name).value_or(SeparatorFromLanguage(name));
}

}  // namespace

char DecimalSeparator() {
  if (const char sep = overrideSeparator.load()) return sep;
  char sep = localeSeparator.load();
  if (sep == 0) {
    sep = SeparatorOfUserLocale();
    localeSeparator.store(sep);
  }
  return sep;
}

void SetDecimalSeparator(char sep) { overrideSeparator.store(sep); }

void ResetDecimalSeparator() {
  overrideSeparator.store(0);
  localeSeparator.store(0);
}

}  // namespace platform

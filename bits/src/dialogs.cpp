#include "bits/dialogs.h"

#include <string>

#include "platform/messagebox.h"
#include "platform/numtext.h"
#include "platform/paths.h"
#include "platform/profile.h"

namespace bits {

namespace {

constexpr std::size_t kBufferSize = 128;

std::string NumberedText(std::int16_t number, const platform::Variant& Language,
                         const std::filesystem::path& libraryDir, const char* section) {
  std::string text;
  platform::profile::GetString(section, std::to_string(number), "0", text, kBufferSize,
                               LanguageFile(Language, libraryDir));
  const std::size_t zero = text.find('\0');
  return zero == std::string::npos ? text : text.substr(0, zero);
}

}  // namespace

std::filesystem::path LanguageFile(const platform::Variant& Language,
                                   const std::filesystem::path& libraryDir) {
  static constexpr const char* kFiles[] = {"FRANCAIS.LNG", "ANGLAIS.LNG", "ESPAGNOL.LNG"};
  const double index = platform::Val(Language.toString());
  for (int i = 0; i < 3; ++i) {
    if (index == i) return platform::ResolveCaseInsensitive(libraryDir / "Lang" / kFiles[i]);
  }
  return {};
}

void Messagebox(std::int16_t& lMode, platform::Variant& Language, platform::Variant& sztexte,
                const std::filesystem::path& libraryDir) {
  const std::string inserted = sztexte.isMissing() ? std::string() : sztexte.toString();
  std::string text = NumberedText(lMode, Language, libraryDir, "Messages");
  if (const std::size_t stars = text.find("**"); stars != std::string::npos) {
    text = text.substr(0, stars) + " " + inserted + text.substr(stars + 2);
  }
  platform::ShowMessage(text, "VELKOR", platform::Buttons::Ok, platform::Icon::Information);
}

platform::Variant askfor(std::int16_t& lMode, platform::Variant& Language,
                         const std::filesystem::path& libraryDir) {
  const std::string text = NumberedText(lMode, Language, libraryDir, "AskFor");
  const platform::Answer answer =
      platform::ShowMessage(text, "ATTENTION", platform::Buttons::YesNo, platform::Icon::None);
  return static_cast<std::int32_t>(answer);
}

}  // namespace bits

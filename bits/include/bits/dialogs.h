#pragma once
// Numbered messages and yes/no questions whose texts come from the language
// files in the "Lang" folder beside the library.
#include <filesystem>

#include "platform/variant.h"

namespace bits {

// The language file for a language index (0 French, 1 English, 2 Spanish);
// empty for any other index.
std::filesystem::path LanguageFile(const platform::Variant& Language,
                                   const std::filesystem::path& libraryDir);
// Shows message lMode of section "Messages"; a "**" in it becomes a blank and
// sztexte (Missing reads as empty).
void Messagebox(std::int16_t& lMode, platform::Variant& Language, platform::Variant& sztexte,
                const std::filesystem::path& libraryDir);
// Asks question lMode of section "AskFor"; 6 for yes, 7 for no.
platform::Variant askfor(std::int16_t& lMode, platform::Variant& Language,
                         const std::filesystem::path& libraryDir);

}  // namespace bits

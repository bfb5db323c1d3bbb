#include "config/file_dialog.h"

#include <algorithm>
#include <cctype>

namespace config {

namespace {

struct FileKind {
  const char* extension;
  const char* description;
};

constexpr FileKind kFileKinds[] = {
    {".CVB", "Fichier Projets"}, {".DAT", "Fichier Profil"},  {".FUS", "Fichier Fuselage"},
    {".DPE", "Fichier Découpe"}, {".TAB", "Fichiers Tables"},
};

std::string Upper(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  return text;
}

}  // namespace

void Boite_Fichier(FileDialog& dialog, std::vector<std::string>& names, const std::string& pattern,
                   const std::string& description, DialogMode mode,
                   const std::filesystem::path& initialDir) {
  const FileDialogRequest request{mode, description, pattern, initialDir};
  const std::optional<std::string> chosen = dialog.Show(request);
  if (!chosen) return;

  // The name ends at its first NUL, as in the dialog's buffer.
  std::string name = chosen->substr(0, std::min(chosen->find('\0'), request.maxNameLength));
  if (mode == DialogMode::Save) {
    for (const auto& kind : kFileKinds) {
      if (description == kind.description &&
          Upper(name).find(kind.extension) == std::string::npos) {
        name += kind.extension;
      }
    }
  }
  names.push_back(std::move(name));
}

std::string DialogFileChooser::Choisir_Fichier(const std::string& pattern,
                                               const std::string& description, DialogMode mode) {
  std::vector<std::string> names;
  Boite_Fichier(dialog_, names, pattern, description, mode, programDir_);
  return names.empty() ? std::string() : names.front();
}

}  // namespace config

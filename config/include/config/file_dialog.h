#pragma once
// The open and save dialogs behind Choisir_Fichier: the request the program
// gives, the names it collects, and the extension a save adds for the file
// kinds it knows. The dialog itself is a Qt window supplied by the caller.
#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "config/file_chooser.h"

namespace config {

struct FileDialogRequest {
  DialogMode mode = DialogMode::Open;
  std::string description;  // the dialog's title and the filter's description
  std::string pattern;      // e.g. "*.TAB"
  std::filesystem::path initialDir;
  // Longest name the dialog may return; a longer one is cut.
  std::size_t maxNameLength = 4095;
  // The open dialog accepts names of files that do not exist; the save
  // dialog replaces a file without asking; one file only.
};

class FileDialog {
 public:
  virtual ~FileDialog() = default;
  // The chosen name, or nullopt when the user cancels or the dialog fails.
  virtual std::optional<std::string> Show(const FileDialogRequest& request) = 0;
};

// Shows the dialog and appends the chosen name to names (nothing on cancel).
// A save under one of the known kinds' descriptions gets the kind's
// extension when the name does not already contain it, in any case.
void Boite_Fichier(FileDialog& dialog, std::vector<std::string>& names, const std::string& pattern,
                   const std::string& description, DialogMode mode,
                   const std::filesystem::path& initialDir);

// Choisir_Fichier over a dialog, starting in the program's folder.
class DialogFileChooser : public FileChooser {
 public:
  DialogFileChooser(FileDialog& dialog, std::filesystem::path programDir)
      : dialog_(dialog), programDir_(std::move(programDir)) {}
  std::string Choisir_Fichier(const std::string& pattern, const std::string& description,
                              DialogMode mode) override;

 private:
  FileDialog& dialog_;
  std::filesystem::path programDir_;
};

}  // namespace config

#pragma once
// How the table operations ask the user for a file. The program answers with
// the platform's open/save dialogs; tests script the answer.
#include <string>

namespace config {

enum class DialogMode { Open = 0, Save = 1 };

class FileChooser {
 public:
  virtual ~FileChooser() = default;
  // The chosen file name, or "" when the user cancels.
  virtual std::string Choisir_Fichier(const std::string& pattern, const std::string& description,
                                      DialogMode mode) = 0;
};

}  // namespace config

#pragma once
// Loading and storing the configuration record: VELKOR.INI, the table files
// (*.TAB) and the project pointer [Projet] Machine.
#include <filesystem>
#include <string>
#include <vector>

#include "config/file_chooser.h"
#include "config/record.h"
#include "config/window.h"

namespace config {

enum class TableWrite {
  Current,  // VELKOR.INI, or the table file named by Machine
  New,      // a file chosen by the user, which becomes the current table
};
enum class TableRead {
  FromProject,  // the table named by [Projet] Machine
  Choose,       // a file chosen by the user
};

class ConfigStore {
 public:
  // Without a chooser, choosing a file acts as a cancelled dialog.
  ConfigStore(Configuration& record, std::filesystem::path velkorIni,
              FileChooser* chooser = nullptr);
  ConfigStore(const ConfigStore&) = delete;
  ConfigStore& operator=(const ConfigStore&) = delete;

  const std::filesystem::path& velkorIni() const { return velkorIni_; }
  // The chooser may come after the store (it needs the window); nullptr removes it.
  void SetFileChooser(FileChooser* chooser) { chooser_ = chooser; }

  // Never throws; a value that cannot be read ends the load where it stands.
  void Lire_Configuration(ConfigWindow& window);
  void Sauver_Configuration(ConfigWindow& window);
  void Ecrire_Table(ConfigWindow& window, TableWrite mode);
  void Lire_Table(ConfigWindow& window, TableRead mode);
  void Ecrire_Projet();
  void Rappeler_Origine(ConfigWindow& window);

  // Writes that fail are collected while a batch is open and shown in one
  // message when the outermost batch closes. Every writing operation opens
  // its own; the shutdown opens one around the save and the project pointer
  // so that a read-only file is reported once.
  class [[nodiscard]] WriteBatch {
   public:
    explicit WriteBatch(ConfigStore& store);
    ~WriteBatch();
    WriteBatch(const WriteBatch&) = delete;
    WriteBatch& operator=(const WriteBatch&) = delete;

   private:
    ConfigStore& store_;
  };
  WriteBatch BeginWrites() { return WriteBatch(*this); }

 private:
  struct Failure {
    std::filesystem::path file;
    std::string why;
  };

  std::string ChooseFile(const std::string& description, DialogMode mode);
  bool TakeWindowValues(const WindowValues& values, bool stopAtFailure);
  std::filesystem::path CurrentTableTarget() const;
  void Write(const std::filesystem::path& file, const std::string& section, const std::string& key,
             const std::string& value);
  void NoteFailure(const std::filesystem::path& file, const std::string& why);
  void ReportFailures();

  Configuration& record_;
  std::filesystem::path velkorIni_;
  FileChooser* chooser_;
  int openBatches_ = 0;
  std::vector<Failure> failures_;
};

// The title the window shows for the current configuration.
std::string TitleFor(const std::string& machine);

}  // namespace config

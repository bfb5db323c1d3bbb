#pragma once
// Shared pieces of the configuration tests: a private temporary folder, a
// fake configuration window, a scripted file chooser, a recording message
// box, and INI texts built from entries.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "config/file_chooser.h"
#include "config/record.h"
#include "config/store.h"
#include "config/window.h"
#include "platform/messagebox.h"
#include "platform/numtext.h"

namespace config::testing {

class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

std::string ReadBytes(const std::filesystem::path& file);
void WriteBytes(const std::filesystem::path& file, const std::string& bytes);

class FakeWindow : public ConfigWindow {
 public:
  void CheckLanguageEntry(int index) override { checkedLanguages.push_back(index); }
  int JogSpeedMaximum() const override { return jogMaximum; }
  void SetJogSpeedValue(int value) override { jogValue = value; }
  void SetTitle(const std::string& title) override { titles.push_back(title); }
  WindowValues TakeValues() const override { return values; }
  void Afficher_Configuration() override { ++refills; }

  std::vector<int> checkedLanguages;
  int jogMaximum = 20;
  std::optional<int> jogValue;
  std::vector<std::string> titles;
  WindowValues values;
  int refills = 0;
};

class ScriptedChooser : public FileChooser {
 public:
  std::string Choisir_Fichier(const std::string& pattern, const std::string& description,
                              DialogMode mode) override {
    asked.push_back({pattern, description, mode});
    return answer;
  }
  struct Request {
    std::string pattern;
    std::string description;
    DialogMode mode;
  };
  std::string answer;
  std::vector<Request> asked;
};

class RecordingMessages : public platform::MessageBoxService {
 public:
  platform::Answer Show(const std::string& text, const std::string& title, platform::Buttons,
                        platform::Icon) override {
    shown.push_back({text, title});
    return platform::Answer::Ok;
  }
  struct Shown {
    std::string text;
    std::string title;
  };
  std::vector<Shown> shown;
};

struct IniEntry {
  std::string section;
  std::string key;
  std::string value;
};
using IniEntries = std::vector<IniEntry>;

// Sets (or adds at the end of its section) one entry.
void SetEntry(IniEntries& entries, const std::string& section, const std::string& key,
              const std::string& value);
void RemoveEntry(IniEntries& entries, const std::string& section, const std::string& key);
// Sections in the order of their first entry, CRLF line ends.
std::string Render(const IniEntries& entries);

// A VELKOR.INI where every key holds a valid value that differs from the
// record's initial value and from the load's defaults.
IniEntries CompleteIni();
// The motor and machine keys of a table, with values unlike CompleteIni's.
IniEntries CompleteTable();

// A fresh record, store, window and message box in a private folder, with
// '.' as the decimal separator.
class ConfigTest : public ::testing::Test {
 protected:
  ConfigTest();
  ~ConfigTest() override;

  std::filesystem::path ini() const { return folder.path() / "VELKOR.INI"; }
  void WriteIni(const IniEntries& entries) { WriteBytes(ini(), Render(entries)); }
  void RunLoad() { store.Lire_Configuration(window); }

  TempFolder folder;
  Configuration record;
  ScriptedChooser chooser;
  ConfigStore store{record, ini(), &chooser};
  FakeWindow window;
  std::shared_ptr<RecordingMessages> messages = std::make_shared<RecordingMessages>();
};

}  // namespace config::testing

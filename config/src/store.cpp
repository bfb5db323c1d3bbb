#include "config/store.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <optional>

#include "key_reader.h"
#include "machine_keys.h"
#include "platform/messagebox.h"
#include "platform/numtext.h"
#include "platform/paths.h"
#include "platform/profile.h"

namespace config {

namespace {

namespace fs = std::filesystem;

constexpr int kLanguageCount = 3;  // French, English, Spanish
constexpr std::int32_t kPortLpt1 = 888;
constexpr std::int32_t kPortLpt2 = 632;
constexpr const char* kDefaultMachine = "Default";
constexpr const char* kTableExtension = ".TAB";
// [Projet] Machine holds a full path: read it with the file dialog's room,
// not the 127 characters of the other values, or a deep table is forgotten.
constexpr std::size_t kPathBuffer = 4096;

bool NamesTable(const std::string& machine) {
  std::string upper = machine;
  std::transform(upper.begin(), upper.end(), upper.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  return upper.find(kTableExtension) != std::string::npos;
}

std::string TrimSpaces(const std::string& text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// A name typed without extension gets ".TAB". Only the file name counts: a
// dot in a folder name (/home/jean.dupont) is not an extension.
std::string WithTableExtension(const std::string& name) {
  const auto slash = name.find_last_of('/');
  const auto fileName = slash == std::string::npos ? name : name.substr(slash + 1);
  return fileName.find('.') == std::string::npos ? name + kTableExtension : name;
}

bool IsReadableFile(const fs::path& file) {
  std::error_code ec;
  if (fs::is_directory(file, ec)) return false;
  std::ifstream in(file, std::ios::binary);
  return in.is_open();
}

}  // namespace

std::string TitleFor(const std::string& machine) { return "Configuration - " + machine; }

ConfigStore::ConfigStore(Configuration& record, std::filesystem::path velkorIni,
                         FileChooser* chooser)
    : record_(record), velkorIni_(std::move(velkorIni)), chooser_(chooser) {}

ConfigStore::WriteBatch::WriteBatch(ConfigStore& store) : store_(store) { ++store_.openBatches_; }

ConfigStore::WriteBatch::~WriteBatch() {
  if (--store_.openBatches_ == 0) store_.ReportFailures();
}

void ConfigStore::Lire_Configuration(ConfigWindow& window) {
  const KeyReader ini(velkorIni_);
  try {
    const double langue = ini.Lenient("Langue", "Langue", "0");
    record_.Langue = platform::NumberText(langue);
    const auto index = platform::ToInt32(langue);
    if (!index || *index < 0 || *index >= kLanguageCount) return;
    window.CheckLanguageEntry(*index);

    ReadMotorKeys(ini, record_);
    window.SetJogSpeedValue(
        static_cast<int>(platform::RoundHalfEven(window.JogSpeedMaximum() / 2.0)));
    record_.Port = ini.StrictBool("Port", "LPT", "True") ? kPortLpt1 : kPortLpt2;
    ReadMachineKeys(ini, record_, kIniMinima);
  } catch (const LoadStop&) {
    return;
  }

  record_.Masques = PinMasks::AfterLoad();

  record_.Machine = ini.Text("Projet", "Machine", "0", kPathBuffer);
  if (NamesTable(record_.Machine)) {
    Lire_Table(window, TableRead::FromProject);
  } else {
    record_.Machine = kDefaultMachine;
  }
  window.SetTitle(TitleFor(record_.Machine));

  // The foam block always lives in VELKOR.INI, whatever table is current.
  record_.Bloc_Largeur = ini.Lenient("Bloc", "Largeur");
  if (record_.Bloc_Largeur == 0) record_.Bloc_Largeur = 250;
  record_.Bloc_Hauteur = ini.Lenient("Bloc", "Hauteur", "0");
  if (record_.Bloc_Hauteur == 0) record_.Bloc_Hauteur = 200;
  record_.Bloc_Longueur = ini.Lenient("Bloc", "Longueur", "0");
  if (record_.Bloc_Longueur == 0) record_.Bloc_Longueur = 200;
  record_.Marge_Gauche = ini.Lenient("Bloc", "Marge Gauche", "200");
  record_.Marge_Droite = NumberOf(record_.Largeur) - record_.Bloc_Largeur - record_.Marge_Gauche;
  record_.Marge_Haute = std::max(ini.Lenient("Bloc", "Marge Haute", "200"), 0.0);
  record_.Marge_Basse = ini.Lenient("Bloc", "Marge Basse", "200");
  record_.Marge_a_vide = ini.Lenient("Bloc", "Marge a vide", "10");
  record_.Marge_inferieure = ini.Lenient("Bloc", "Marge inferieure", "10");
}

void ConfigStore::Sauver_Configuration(ConfigWindow& window) {
  const WriteBatch batch(*this);
  const WindowValues values = window.TakeValues();
  TakeWindowValues(values, /*stopAtFailure=*/false);
  Ecrire_Table(window, TableWrite::Current);

  const std::pair<const char*, double> bloc[] = {
      {"Hauteur", record_.Bloc_Hauteur},      {"Largeur", record_.Bloc_Largeur},
      {"Longueur", record_.Bloc_Longueur},    {"Marge Gauche", record_.Marge_Gauche},
      {"Marge Haute", record_.Marge_Haute},   {"Marge Basse", record_.Marge_Basse},
      {"Marge a vide", record_.Marge_a_vide}, {"Marge inferieure", record_.Marge_inferieure},
  };
  for (const auto& [key, value] : bloc) Write(velkorIni_, "Bloc", key, FileText(value));
  // Port itself takes the new choice at the next load.
  Write(velkorIni_, "Port", "LPT", values.lpt1Selected ? "-1" : "0");
  Write(velkorIni_, "Langue", "Langue", record_.Langue);
}

void ConfigStore::Ecrire_Table(ConfigWindow& window, TableWrite mode) {
  const WriteBatch batch(*this);
  fs::path target;
  std::string newTable;
  if (mode == TableWrite::New) {
    newTable = ChooseFile("Fichier Tables", DialogMode::Save);
    if (newTable.empty()) return;
    target = platform::ResolveCaseInsensitive(newTable);
    // An existing file is emptied, so no key of another machine survives.
    if (!std::ofstream(target, std::ios::binary | std::ios::trunc)) {
      NoteFailure(target, std::strerror(errno));
      return;
    }
  } else {
    target = CurrentTableTarget();
  }

  if (!TakeWindowValues(window.TakeValues(), /*stopAtFailure=*/true)) return;
  for (const auto& entry : TableEntries(record_, !record_.Carte_USB)) {
    Write(target, entry.section, entry.key, entry.value);
  }

  if (mode == TableWrite::New) {
    Write(velkorIni_, "Projet", "Machine", newTable);
    record_.Machine = newTable;
    window.SetTitle(TitleFor(record_.Machine));
  }
}

void ConfigStore::Lire_Table(ConfigWindow& window, TableRead mode) {
  // Only a table the user chose reports a failed write of the pointer; the
  // start-up load rewrites the pointer it has just read and stays quiet.
  std::optional<WriteBatch> batch;
  std::string table;
  if (mode == TableRead::Choose) {
    batch.emplace(*this);
    table = ChooseFile("Fichiers Tables", DialogMode::Open);
    if (table.empty()) return;
  } else {
    table = KeyReader(velkorIni_).Text("Projet", "Machine", "0", kPathBuffer);
    if (table.starts_with("0")) return;
  }
  record_.Machine = table;

  const fs::path file = platform::ResolveCaseInsensitive(table);
  try {
    if (!IsReadableFile(file)) throw LoadStop{};
    const KeyReader reader(file);
    ReadMotorKeys(reader, record_);
    ReadMachineKeys(reader, record_, kTableMinima);
  } catch (const LoadStop&) {
    record_.Machine = kDefaultMachine;
    return;
  }

  window.Afficher_Configuration();
  Write(velkorIni_, "Projet", "Machine", record_.Machine);
  window.SetTitle(TitleFor(record_.Machine));
}

void ConfigStore::Ecrire_Projet() {
  const WriteBatch batch(*this);
  Write(velkorIni_, "Projet", "Machine", record_.Machine);
}

void ConfigStore::Rappeler_Origine(ConfigWindow& window) {
  const WriteBatch batch(*this);
  record_.Machine = kDefaultMachine;
  Write(velkorIni_, "Projet", "Machine", kDefaultMachine);
  Lire_Configuration(window);
  window.Afficher_Configuration();
  // Machine, not a fixed "Default": if the pointer could not be written the
  // load went back to the table, and the title must say so.
  window.SetTitle(TitleFor(record_.Machine));
}

std::string ConfigStore::ChooseFile(const std::string& description, DialogMode mode) {
  record_.Etat = chooser_ ? chooser_->Choisir_Fichier("*.TAB", description, mode) : std::string();
  const std::string name = TrimSpaces(record_.Etat);
  return name.empty() ? name : WithTableExtension(name);
}

bool ConfigStore::TakeWindowValues(const WindowValues& values, bool stopAtFailure) {
  // Combo1 alternates step and direction pins motor by motor.
  for (int motor = kMotorX1; motor <= kMotorY2; ++motor) {
    const auto list = static_cast<std::size_t>(2 * (motor - kMotorX1));
    record_.avanceOf(motor) = values.pinLists[list];
    record_.sensOf(motor) = values.pinLists[list + 1];
  }
  for (int motor = kMotorX1; motor <= kMotorY2; ++motor) {
    const auto box = static_cast<std::size_t>(motor - kMotorX1);
    record_.nbPasOf(motor) = values.nbPas[box];
    record_.invOf(motor) = values.inv[box];
  }
  for (int motor = kMotorX1; motor <= kMotorY2; ++motor) {
    const auto mm = platform::StrictNumber(values.mm[static_cast<std::size_t>(motor - kMotorX1)]);
    if (mm) {
      record_.mmOf(motor) = *mm;
    } else if (stopAtFailure) {
      return false;
    }
  }
  return true;
}

std::filesystem::path ConfigStore::CurrentTableTarget() const {
  return NamesTable(record_.Machine) ? platform::ResolveCaseInsensitive(record_.Machine)
                                     : velkorIni_;
}

void ConfigStore::Write(const std::filesystem::path& file, const std::string& section,
                        const std::string& key, const std::string& value) {
  std::string why;
  if (!platform::profile::Put(file, section, key, value, &why)) NoteFailure(file, why);
}

void ConfigStore::NoteFailure(const std::filesystem::path& file, const std::string& why) {
  if (openBatches_ == 0) return;
  const bool known = std::any_of(failures_.begin(), failures_.end(),
                                 [&](const Failure& failure) { return failure.file == file; });
  if (!known) failures_.push_back({file, why.empty() ? "erreur inconnue" : why});
}

void ConfigStore::ReportFailures() {
  if (failures_.empty()) return;
  std::string text;
  for (const auto& failure : failures_) {
    if (!text.empty()) text += '\n';
    text += "Impossible d'écrire " + failure.file.string() + " : " + failure.why;
  }
  failures_.clear();
  try {
    platform::ShowMessage(text, "VELKOR - ERREUR", platform::Buttons::Ok, platform::Icon::Warning);
  } catch (...) {
    // Runs from a destructor: a message that cannot be shown must not end the program.
  }
}

}  // namespace config

#include "config_fixture.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include "platform/numtext.h"

namespace config::testing {

TempFolder::TempFolder() {
  std::string pattern = (std::filesystem::temp_directory_path() / "vk_config_XXXXXX").string();
  if (!mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
  path_ = pattern;
}

TempFolder::~TempFolder() {
  std::error_code ec;
  std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                               std::filesystem::perm_options::add, ec);
  std::filesystem::remove_all(path_, ec);
}

std::string ReadBytes(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

void WriteBytes(const std::filesystem::path& file, const std::string& bytes) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out << bytes;
  if (!out) throw std::runtime_error("cannot write " + file.string());
}

namespace {

bool SameEntry(const IniEntry& entry, const std::string& section, const std::string& key) {
  return entry.section == section && entry.key == key;
}

}  // namespace

void SetEntry(IniEntries& entries, const std::string& section, const std::string& key,
              const std::string& value) {
  for (auto& entry : entries) {
    if (SameEntry(entry, section, key)) {
      entry.value = value;
      return;
    }
  }
  entries.push_back({section, key, value});
}

void RemoveEntry(IniEntries& entries, const std::string& section, const std::string& key) {
  std::erase_if(entries, [&](const IniEntry& entry) { return SameEntry(entry, section, key); });
}

std::string Render(const IniEntries& entries) {
  std::vector<std::string> sections;
  for (const auto& entry : entries) {
    if (std::find(sections.begin(), sections.end(), entry.section) == sections.end()) {
      sections.push_back(entry.section);
    }
  }
  std::string text;
  for (const auto& section : sections) {
    text += "[" + section + "]\r\n";
    for (const auto& entry : entries) {
      if (entry.section == section) text += entry.key + "=" + entry.value + "\r\n";
    }
  }
  return text;
}

IniEntries CompleteIni() {
  return {
      {"Langue", "Langue", "1"},
      {"Avance", "X1_Avance", "3"},
      {"Avance", "X2_Avance", "5"},
      {"Avance", "Y1_Avance", "7"},
      {"Avance", "Y2_Avance", "9"},
      {"Avance", "X1_mm", "0.5"},
      {"Avance", "X2_mm", "0.25"},
      {"Avance", "Y1_mm", "0.125"},
      {"Avance", "Y2_mm", "2"},
      {"Sens", "X1_Sens", "2"},
      {"Sens", "X2_Sens", "4"},
      {"Sens", "Y1_Sens", "6"},
      {"Sens", "Y2_Sens", "8"},
      {"Sens", "X1_Inv", "1"},
      {"Sens", "X2_Inv", "0"},
      {"Sens", "Y1_Inv", "0"},
      {"Sens", "Y2_Inv", "1"},
      {"Pas", "X1_NbPas", "200"},
      {"Pas", "X2_NbPas", "400"},
      {"Pas", "Y1_NbPas", "800"},
      {"Pas", "Y2_NbPas", "1600"},
      {"Vitesse", "V_Max", "12"},
      {"Port", "LPT", "0"},
      {"Chauffe", "Timer_Chauffe", "300"},
      {"Chauffe", "Timer_Externe", "0"},
      {"Machine", "Largeur", "1000"},
      {"Machine", "Hauteur", "600"},
      {"Machine", "Longueur", "800"},
      {"Machine", "Position Moteur", "1"},
      {"Machine", "Panneau Moteur", "1"},
      {"Machine", "Carte", "MM2001"},
      {"Machine", "Butees", "False"},
      {"Pins", "Pin_Moteur", "1"},
      {"Pins", "Pin_Timer", "15"},
      {"Pins", "Pin_Chauffe", "14"},
      {"Projet", "Machine", "Default"},
      {"Bloc", "Largeur", "250"},
      {"Bloc", "Hauteur", "100"},
      {"Bloc", "Longueur", "150"},
      {"Bloc", "Marge Gauche", "200"},
      {"Bloc", "Marge Haute", "30"},
      {"Bloc", "Marge Basse", "40"},
      {"Bloc", "Marge a vide", "5"},
      {"Bloc", "Marge inferieure", "6"},
  };
}

IniEntries CompleteTable() {
  return {
      {"Avance", "X1_Avance", "9"},
      {"Avance", "X2_Avance", "7"},
      {"Avance", "Y1_Avance", "5"},
      {"Avance", "Y2_Avance", "3"},
      {"Avance", "X1_mm", "0.01"},
      {"Avance", "X2_mm", "0.02"},
      {"Avance", "Y1_mm", "0.03"},
      {"Avance", "Y2_mm", "0.04"},
      {"sens", "X1_Sens", "8"},
      {"sens", "X2_Sens", "6"},
      {"sens", "Y1_Sens", "4"},
      {"sens", "Y2_Sens", "2"},
      {"sens", "X1_Inv", "0"},
      {"sens", "X2_Inv", "1"},
      {"sens", "Y1_Inv", "1"},
      {"sens", "Y2_Inv", "0"},
      {"Pas", "X1_NbPas", "48"},
      {"Pas", "X2_NbPas", "96"},
      {"Pas", "Y1_NbPas", "48"},
      {"Pas", "Y2_NbPas", "96"},
      {"Vitesse", "V_Max", "20"},
      {"Machine", "Largeur", "1200"},
      {"Machine", "Hauteur", "150"},
      {"Machine", "Longueur", "900"},
      {"Machine", "Position Moteur", "0"},
      {"Machine", "Panneau Moteur", "0"},
      {"Machine", "Carte", "CENECE"},
      {"Machine", "Butees", "True"},
      {"Chauffe", "Timer_Chauffe", "500"},
      {"Chauffe", "Timer_Externe", "1"},
      {"Pins", "Pin_Moteur", "1"},
      {"Pins", "Pin_Timer", "13"},
      {"Pins", "Pin_Chauffe", "14"},
  };
}

ConfigTest::ConfigTest() {
  platform::SetDecimalSeparator('.');
  platform::SetMessageBoxService(messages);
}

ConfigTest::~ConfigTest() {
  platform::SetMessageBoxService(nullptr);
  platform::ResetDecimalSeparator();
}

}  // namespace config::testing

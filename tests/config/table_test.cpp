// Table files: loading the current table, choosing one, adding one.
#include <string>
#include <vector>

#include "config_fixture.h"
#include "platform/profile.h"

namespace config::testing {
namespace {

class Table : public ConfigTest {
 protected:
  // VELKOR.INI pointing at a table file holding the given entries.
  std::filesystem::path PointAtTable(const std::string& fileName, const IniEntries& table) {
    const auto path = folder.path() / fileName;
    WriteBytes(path, Render(table));
    IniEntries entries = CompleteIni();
    SetEntry(entries, "Projet", "Machine", path.string());
    WriteIni(entries);
    return path;
  }
};

class TableName : public Table, public ::testing::WithParamInterface<std::string> {};

TEST_P(TableName, ProjectTableIsTheSourceOfMotorAndMachineValues) {
  const auto path = PointAtTable(GetParam(), CompleteTable());
  RunLoad();
  EXPECT_EQ(record.Machine, path.string());
  EXPECT_EQ(FileText(record.X1_Avance), "9");
  EXPECT_EQ(record.Y2_mm, 0.04);
  EXPECT_EQ(FileText(record.X1_Sens), "8");
  EXPECT_EQ(FileText(record.X2_Inv), "1");
  EXPECT_EQ(FileText(record.X1_NbPas), "48");
  EXPECT_EQ(FileText(record.V_Max), "20");
  EXPECT_EQ(record.Timer_Chauffe, 500);
  EXPECT_EQ(record.Timer_Externe, 1);
  EXPECT_EQ(FileText(record.Largeur), "1200");
  EXPECT_EQ(FileText(record.Hauteur), "300");  // 150 is below the table's minimum
  EXPECT_EQ(record.Carte, "CENECE");
  EXPECT_TRUE(record.Butees);
  EXPECT_EQ(record.Pin_Timer, 13);
  // Port and [Bloc] stay with VELKOR.INI.
  EXPECT_EQ(record.Port, 632);
  EXPECT_EQ(record.Bloc_Longueur, 150);
  EXPECT_EQ(record.Marge_Droite, 1200 - 250 - 200);
  EXPECT_EQ(window.refills, 1);
  EXPECT_EQ(window.titles.back(), "Configuration - " + path.string());
  EXPECT_EQ(platform::profile::Get(ini(), "Projet", "Machine"), path.string());
}

INSTANTIATE_TEST_SUITE_P(AnyCase, TableName,
                         ::testing::Values("atelier.tab", "ATELIER.TAB", "Atelier.Tab"));

TEST_F(Table, TableMinimaAreThreeHundredForEveryDimension) {
  IniEntries table = CompleteTable();
  SetEntry(table, "Machine", "Largeur", "100");
  RemoveEntry(table, "Machine", "Longueur");
  PointAtTable("petite.TAB", table);
  RunLoad();
  EXPECT_EQ(FileText(record.Largeur), "300");
  EXPECT_EQ(FileText(record.Hauteur), "300");
  EXPECT_EQ(record.Longueur, 300);
}

TEST_F(Table, TableWithoutPinsGivesTheUsualPins) {
  IniEntries table = CompleteTable();
  std::erase_if(table, [](const IniEntry& e) { return e.section == "Pins"; });
  PointAtTable("usb.TAB", table);
  RunLoad();
  EXPECT_EQ(record.Pin_Moteur, 17);
  EXPECT_EQ(record.Pin_Timer, 10);
  EXPECT_EQ(record.Pin_Chauffe, 16);
}

TEST_F(Table, MissingTableFallsBackToDefault) {
  PointAtTable("atelier.TAB", CompleteTable());
  std::filesystem::remove(folder.path() / "atelier.TAB");
  RunLoad();
  EXPECT_EQ(record.Machine, "Default");
  EXPECT_EQ(window.titles, std::vector<std::string>{"Configuration - Default"});
  EXPECT_EQ(window.refills, 0);
  EXPECT_EQ(FileText(record.X1_Avance), "3");  // VELKOR.INI's values stay
  EXPECT_NE(platform::profile::Get(ini(), "Projet", "Machine"), "Default");
  EXPECT_EQ(record.Marge_inferieure, 6);  // [Bloc] still read
}

TEST_F(Table, FolderNamedLikeATableIsNotATable) {
  std::filesystem::create_directory(folder.path() / "dossier.TAB");
  IniEntries entries = CompleteIni();
  SetEntry(entries, "Projet", "Machine", (folder.path() / "dossier.TAB").string());
  WriteIni(entries);
  RunLoad();
  EXPECT_EQ(record.Machine, "Default");
}

TEST_F(Table, StrictFailureInsideTheTableKeepsWhatWasRead) {
  IniEntries table = CompleteTable();
  SetEntry(table, "Avance", "X2_mm", "deux");
  PointAtTable("abime.TAB", table);
  RunLoad();
  EXPECT_EQ(record.Machine, "Default");
  EXPECT_EQ(FileText(record.Y2_Avance), "3");  // from the table
  EXPECT_EQ(record.X1_mm, 0.01);               // from the table
  EXPECT_EQ(record.X2_mm, 0.25);               // VELKOR.INI's
  EXPECT_EQ(FileText(record.X1_Sens), "2");    // VELKOR.INI's
  EXPECT_EQ(window.refills, 0);
  EXPECT_TRUE(record.Masques.has_value());
}

TEST_F(Table, ProjectPointerStartingWithZeroIsNoTable) {
  IniEntries entries = CompleteIni();
  SetEntry(entries, "Projet", "Machine", "0.TAB");
  WriteIni(entries);
  RunLoad();
  EXPECT_EQ(record.Machine, "0.TAB");
  EXPECT_EQ(window.refills, 0);
  EXPECT_EQ(FileText(record.X1_Avance), "3");
}

TEST_F(Table, DeepTablePathIsRemembered) {
  auto deep = folder.path();
  for (int i = 0; i < 8; ++i) deep /= "un_dossier_au_nom_assez_long_" + std::to_string(i);
  std::filesystem::create_directories(deep);
  const auto path = deep / "atelier.TAB";
  ASSERT_GT(path.string().size(), 127u);
  WriteBytes(path, Render(CompleteTable()));
  IniEntries entries = CompleteIni();
  SetEntry(entries, "Projet", "Machine", path.string());
  WriteIni(entries);
  RunLoad();
  EXPECT_EQ(record.Machine, path.string());
  EXPECT_EQ(FileText(record.X1_Avance), "9");
}

TEST_F(Table, ChoosingATableTypedWithoutExtension) {
  WriteIni(CompleteIni());
  RunLoad();
  window.titles.clear();
  const auto path = folder.path() / "atelier.TAB";
  WriteBytes(path, Render(CompleteTable()));
  chooser.answer = "  " + (folder.path() / "atelier").string() + " ";

  store.Lire_Table(window, TableRead::Choose);
  ASSERT_EQ(chooser.asked.size(), 1u);
  EXPECT_EQ(chooser.asked[0].pattern, "*.TAB");
  EXPECT_EQ(chooser.asked[0].description, "Fichiers Tables");
  EXPECT_EQ(chooser.asked[0].mode, DialogMode::Open);
  EXPECT_EQ(record.Etat, chooser.answer);
  EXPECT_EQ(record.Machine, path.string());
  EXPECT_EQ(FileText(record.X1_Avance), "9");
  EXPECT_EQ(window.refills, 1);
  EXPECT_EQ(window.titles, std::vector<std::string>{"Configuration - " + path.string()});
  EXPECT_EQ(platform::profile::Get(ini(), "Projet", "Machine"), path.string());
}

TEST_F(Table, ChoosingCancelledChangesNothing) {
  WriteIni(CompleteIni());
  RunLoad();
  const Configuration before = record;
  const std::string bytes = ReadBytes(ini());
  window.titles.clear();
  chooser.answer = "";
  store.Lire_Table(window, TableRead::Choose);
  EXPECT_EQ(record.Machine, before.Machine);
  EXPECT_EQ(record.Etat, "");
  EXPECT_TRUE(window.titles.empty());
  EXPECT_EQ(ReadBytes(ini()), bytes);
}

TEST_F(Table, ChoosingAVanishedTableLeavesTheTitle) {
  WriteIni(CompleteIni());
  RunLoad();
  window.titles.clear();
  chooser.answer = (folder.path() / "parti.TAB").string();
  store.Lire_Table(window, TableRead::Choose);
  EXPECT_EQ(record.Machine, "Default");
  EXPECT_TRUE(window.titles.empty());
  EXPECT_EQ(window.refills, 0);
}

TEST_F(Table, ChoosingWithoutAChooserActsAsCancelled) {
  ConfigStore bare(record, ini());
  record.Machine = "Default";
  bare.Lire_Table(window, TableRead::Choose);
  EXPECT_EQ(record.Machine, "Default");
  EXPECT_TRUE(window.titles.empty());
}

class NewTable : public Table {
 protected:
  NewTable() {
    window.values.pinLists = {"3", "2", "5", "4", "7", "6", "9", "8"};
    window.values.nbPas = {"200", "200", "200", "200"};
    window.values.inv = {0, 0, 0, 0};
    window.values.mm = {"0.5", "0.5", "0.5", "0.5"};
    record.Machine = "Default";
    record.Carte = "BB2001";
    record.Pin_Moteur = 17;
  }
};

TEST_F(NewTable, NameWithoutExtensionGetsTabAndBecomesCurrent) {
  const auto typed = folder.path() / "jean.dupont" / "decoupe";
  std::filesystem::create_directories(typed.parent_path());
  chooser.answer = typed.string();
  store.Ecrire_Table(window, TableWrite::New);

  const std::string expected = typed.string() + ".TAB";
  ASSERT_EQ(chooser.asked.size(), 1u);
  EXPECT_EQ(chooser.asked[0].description, "Fichier Tables");
  EXPECT_EQ(chooser.asked[0].mode, DialogMode::Save);
  EXPECT_EQ(record.Machine, expected);
  EXPECT_EQ(window.titles.back(), "Configuration - " + expected);
  EXPECT_EQ(platform::profile::Get(ini(), "Projet", "Machine"), expected);
  EXPECT_EQ(platform::profile::Get(expected, "Avance", "X1_Avance"), "3");
  EXPECT_EQ(platform::profile::Get(expected, "Pins", "Pin_Moteur"), "17");
  EXPECT_EQ(platform::profile::Get(ini(), "Avance", "X1_Avance", "absent"), "absent");

  // The next save writes the motor values into the table, not VELKOR.INI.
  window.values.pinLists[0] = "4";
  store.Sauver_Configuration(window);
  EXPECT_EQ(platform::profile::Get(expected, "Avance", "X1_Avance"), "4");
  EXPECT_EQ(platform::profile::Get(ini(), "Avance", "X1_Avance", "absent"), "absent");
  EXPECT_EQ(platform::profile::Get(ini(), "Bloc", "Largeur"), "0");
  EXPECT_TRUE(messages->shown.empty());
}

TEST_F(NewTable, ExistingFileIsEmptiedFirst) {
  const auto path = folder.path() / "vieille.TAB";
  WriteBytes(path, "[Ancienne]\r\nCle=valeur\r\n");
  chooser.answer = path.string();
  store.Ecrire_Table(window, TableWrite::New);
  const std::string bytes = ReadBytes(path);
  EXPECT_EQ(bytes.find("Ancienne"), std::string::npos);
  EXPECT_EQ(bytes.find("[Avance]\r\nX1_Avance=3\r\n"), 0u);
}

TEST_F(NewTable, WithUsbCardHasNoPinsAndLoadsTheUsualPins) {
  record.Carte_USB = true;
  record.Pin_Chauffe = 16;
  record.Pin_Moteur = 32;
  chooser.answer = (folder.path() / "usb").string();
  store.Ecrire_Table(window, TableWrite::New);
  const std::string table = record.Machine;
  EXPECT_EQ(ReadBytes(table).find("[Pins]"), std::string::npos);

  IniEntries entries = CompleteIni();
  SetEntry(entries, "Projet", "Machine", table);
  WriteIni(entries);
  Configuration loaded;
  ConfigStore other(loaded, ini());
  other.Lire_Configuration(window);
  EXPECT_EQ(loaded.Machine, table);
  EXPECT_EQ(loaded.Pin_Moteur, 17);
  EXPECT_EQ(loaded.Pin_Timer, 10);
  EXPECT_EQ(loaded.Pin_Chauffe, 16);
}

TEST_F(NewTable, CancelWritesNothing) {
  chooser.answer = "   ";
  store.Ecrire_Table(window, TableWrite::New);
  EXPECT_EQ(record.Machine, "Default");
  EXPECT_FALSE(std::filesystem::exists(ini()));
  EXPECT_TRUE(window.titles.empty());
}

TEST_F(NewTable, BadMmBoxLeavesTheCurrentTable) {
  window.values.mm[3] = "?";
  chooser.answer = (folder.path() / "rate.TAB").string();
  store.Ecrire_Table(window, TableWrite::New);
  EXPECT_EQ(record.Machine, "Default");
  EXPECT_TRUE(window.titles.empty());
  EXPECT_FALSE(std::filesystem::exists(ini()));
  EXPECT_EQ(ReadBytes(folder.path() / "rate.TAB"), "");
  EXPECT_TRUE(messages->shown.empty());
}

TEST_F(NewTable, FileThatCannotBeCreatedIsReported) {
  const auto path = folder.path() / "absent" / "x.TAB";
  chooser.answer = path.string();
  store.Ecrire_Table(window, TableWrite::New);
  EXPECT_EQ(record.Machine, "Default");
  ASSERT_EQ(messages->shown.size(), 1u);
  EXPECT_EQ(messages->shown[0].text.rfind("Impossible d'écrire " + path.string() + " : ", 0), 0u);
}

}  // namespace
}  // namespace config::testing

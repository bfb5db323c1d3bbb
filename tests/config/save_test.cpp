// Sauver_Configuration, Ecrire_Projet, Rappeler_Origine, and what a failed
// write tells the user.
#include <string>
#include <vector>

#include "config_fixture.h"
#include "platform/profile.h"

namespace config::testing {
namespace {

class Save : public ConfigTest {
 protected:
  Save() {
    window.values.pinLists = {"3", "2", "5", "4", "7", "6", "9", "8"};
    window.values.nbPas = {"200", "400", "800", "1600"};
    window.values.inv = {1, 0, 0, 1};
    window.values.mm = {"0.5", "0.25", "0.125", "2"};
    window.values.lpt1Selected = true;
    record.V_Max = 12.0;
    record.Largeur = 1000.0;
    record.Hauteur = 600.0;
    record.Longueur = 800;
    record.Position_Moteur = 1;
    record.Panneau_Moteur = 0;
    record.Carte = "BB2001";
    record.Butees = true;
    record.Timer_Externe = 1;
    record.Pin_Moteur = 17;
    record.Pin_Timer = 10;
    record.Pin_Chauffe = 16;
    record.Bloc_Hauteur = 200;
    record.Bloc_Largeur = 250;
    record.Bloc_Longueur = 200;
    record.Marge_Gauche = 200;
    record.Marge_Haute = 200;
    record.Marge_Basse = 200;
    record.Marge_a_vide = 10;
    record.Marge_inferieure = 10;
    record.Langue = "1";
    record.Machine = "Default";
  }

  void Shutdown() {
    const auto batch = store.BeginWrites();
    store.Sauver_Configuration(window);
    store.Ecrire_Projet();
  }
};

std::string Crlf(const std::vector<std::string>& lines) {
  std::string text;
  for (const auto& line : lines) text += line + "\r\n";
  return text;
}

const std::vector<std::string> kTableLines = {"[Avance]",
                                              "X1_Avance=3",
                                              "X2_Avance=5",
                                              "Y1_Avance=7",
                                              "Y2_Avance=9",
                                              "X1_mm=0.5",
                                              "X2_mm=0.25",
                                              "Y1_mm=0.125",
                                              "Y2_mm=2",
                                              "= ",
                                              "[sens]",
                                              "X1_Sens=2",
                                              "X2_Sens=4",
                                              "Y1_Sens=6",
                                              "Y2_Sens=8",
                                              "X1_Inv=1",
                                              "X2_Inv=0",
                                              "Y1_Inv=0",
                                              "Y2_Inv=1",
                                              "= ",
                                              "[Pas]",
                                              "X1_NbPas=200",
                                              "X2_NbPas=400",
                                              "Y1_NbPas=800",
                                              "Y2_NbPas=1600",
                                              "[Vitesse]",
                                              "X1_TpsMini=",
                                              "X2_TpsMini=",
                                              "Y1_TpsMini=",
                                              "Y2_TpsMini=",
                                              "V_Max=12",
                                              "[Machine]",
                                              "Largeur=1000",
                                              "Hauteur=600",
                                              "Longueur=800",
                                              "Position Moteur=1",
                                              "Panneau Moteur=0",
                                              "Carte=BB2001",
                                              "Butees=True",
                                              "[Chauffe]",
                                              "Timer_Chauffe=250",
                                              "Timer_Externe=1"};
const std::vector<std::string> kPinsLines = {"[Pins]", "Pin_Moteur=17", "Pin_Timer=10",
                                             "Pin_Chauffe=16"};
const std::vector<std::string> kOwnLines = {
    "[Bloc]",          "Hauteur=200",      "Largeur=250",
    "Longueur=200",    "Marge Gauche=200", "Marge Haute=200",
    "Marge Basse=200", "Marge a vide=10",  "Marge inferieure=10",
    "[Port]",          "LPT=-1",           "[Langue]",
    "Langue=1",        "[Projet]",         "Machine=Default"};

std::vector<std::string> Join(std::initializer_list<std::vector<std::string>> parts) {
  std::vector<std::string> all;
  for (const auto& part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}

TEST_F(Save, FreshFileListsEverySectionInOrder) {
  Shutdown();
  EXPECT_EQ(ReadBytes(ini()), Crlf(Join({kTableLines, kPinsLines, kOwnLines})));
  EXPECT_TRUE(messages->shown.empty());
}

TEST_F(Save, SecondSaveRewritesInPlace) {
  Shutdown();
  const std::string first = ReadBytes(ini());
  Shutdown();
  EXPECT_EQ(ReadBytes(ini()), first);
}

TEST_F(Save, SavedFileLoadsBackTheSameValues) {
  Shutdown();
  Configuration loaded;
  ConfigStore other(loaded, ini());
  FakeWindow otherWindow;
  other.Lire_Configuration(otherWindow);
  for (int motor = kMotorX1; motor <= kMotorY2; ++motor) {
    EXPECT_EQ(FileText(loaded.avanceOf(motor)), FileText(record.avanceOf(motor)));
    EXPECT_EQ(FileText(loaded.sensOf(motor)), FileText(record.sensOf(motor)));
    EXPECT_EQ(FileText(loaded.nbPasOf(motor)), FileText(record.nbPasOf(motor)));
    EXPECT_EQ(FileText(loaded.invOf(motor)), FileText(record.invOf(motor)));
    EXPECT_EQ(loaded.mmOf(motor), record.mmOf(motor));
  }
  EXPECT_EQ(loaded.Port, 888);
  EXPECT_EQ(loaded.Pin_Chauffe, 16);
  EXPECT_EQ(loaded.Butees, true);
  EXPECT_TRUE(loaded.Masques.has_value());
}

TEST_F(Save, WindowValuesReachTheRecordAsText) {
  store.Sauver_Configuration(window);
  EXPECT_EQ(record.X1_Avance.type(), platform::VarType::String);
  EXPECT_EQ(record.X1_Avance.toString(), "3");
  EXPECT_EQ(record.Y2_Sens.toString(), "8");
  EXPECT_EQ(record.Y1_NbPas.toString(), "800");
  EXPECT_EQ(IntegerOf(record.Y2_Inv), 1);
  EXPECT_EQ(record.Y1_mm, 0.125);
}

TEST_F(Save, WithUsbCardThePinsKeysStayAsTheyWere) {
  WriteBytes(ini(), Crlf({"[Pins]", "Pin_Moteur=1", "Pin_Timer=15", "Pin_Chauffe=14"}));
  record.Carte_USB = true;
  record.Pin_Chauffe = 16;
  record.Pin_Moteur = 32;
  Shutdown();
  const std::string bytes = ReadBytes(ini());
  EXPECT_EQ(bytes.find("[Pins]\r\nPin_Moteur=1\r\nPin_Timer=15\r\nPin_Chauffe=14\r\n"), 0u);
  EXPECT_EQ(bytes.find("Pin_Moteur=32"), std::string::npos);
}

TEST_F(Save, WithUsbCardAFreshFileHasNoPins) {
  record.Carte_USB = true;
  Shutdown();
  EXPECT_EQ(ReadBytes(ini()), Crlf(Join({kTableLines, kOwnLines})));
}

TEST_F(Save, Lpt2IsWrittenAsZeroAndPortWaitsForTheNextLoad) {
  window.values.lpt1Selected = false;
  store.Sauver_Configuration(window);
  EXPECT_EQ(platform::profile::Get(ini(), "Port", "LPT"), "0");
  EXPECT_EQ(record.Port, 888);
}

TEST_F(Save, MmBoxNotANumberKeepsThatFieldAndSkipsTheTableOnly) {
  record.X2_mm = 0.75;
  window.values.mm = {"0.5", "un quart", "0.125", "2"};
  store.Sauver_Configuration(window);
  EXPECT_EQ(record.X1_mm, 0.5);
  EXPECT_EQ(record.X2_mm, 0.75);
  EXPECT_EQ(record.Y1_mm, 0.125);
  EXPECT_EQ(record.Y2_mm, 2);
  // The table write stops at the bad box; the save's own steps still run.
  EXPECT_EQ(platform::profile::Get(ini(), "Avance", "X1_Avance", "absent"), "absent");
  EXPECT_EQ(platform::profile::Get(ini(), "Bloc", "Marge inferieure"), "10");
  EXPECT_EQ(platform::profile::Get(ini(), "Port", "LPT"), "-1");
  EXPECT_EQ(platform::profile::Get(ini(), "Langue", "Langue"), "1");
  EXPECT_TRUE(messages->shown.empty());
}

TEST_F(Save, ForeignLinesAndSpellingSurvive) {
  const std::vector<std::string> foreign = {
      "; notes de l'atelier", "[Atelier]",         "Lampe=oui", "", "[AVANCE]",
      "X1_Avance=2",          "Commentaire=garder"};
  WriteBytes(ini(), Crlf(foreign));
  Shutdown();
  const std::string bytes = ReadBytes(ini());
  for (const auto& line : {"; notes de l'atelier\r\n", "[Atelier]\r\nLampe=oui\r\n",
                           "[AVANCE]\r\nX1_Avance=3\r\n", "Commentaire=garder\r\n"}) {
    EXPECT_NE(bytes.find(line), std::string::npos) << line;
  }
  EXPECT_EQ(bytes.find("[Avance]"), std::string::npos);
}

TEST_F(Save, LangueKeepsTheMenuLeadingBlank) {
  record.Langue = " 2";
  store.Sauver_Configuration(window);
  EXPECT_NE(ReadBytes(ini()).find("Langue= 2\r\n"), std::string::npos);
}

TEST_F(Save, FrenchSeparatorWritesCommas) {
  platform::SetDecimalSeparator(',');
  window.values.mm = {"0,5", "0,25", "0,125", "2"};
  record.Marge_Haute = 12.5;
  store.Sauver_Configuration(window);
  EXPECT_EQ(platform::profile::Get(ini(), "Avance", "X2_mm"), "0,25");
  EXPECT_EQ(platform::profile::Get(ini(), "Bloc", "Marge Haute"), "12,5");
}

TEST_F(Save, UnwritableIniGivesOneMessageAndEveryStepRuns) {
  const auto unreachable = folder.path() / "absent" / "VELKOR.INI";
  ConfigStore broken(record, unreachable);
  {
    const auto batch = broken.BeginWrites();
    broken.Sauver_Configuration(window);
    broken.Ecrire_Projet();
  }
  ASSERT_EQ(messages->shown.size(), 1u);
  EXPECT_EQ(messages->shown[0].title, "VELKOR - ERREUR");
  EXPECT_EQ(messages->shown[0].text,
            "Impossible d'écrire " + unreachable.string() + " : No such file or directory");
  // Step 1 still took the window's values.
  EXPECT_EQ(record.X1_Avance.toString(), "3");
  EXPECT_FALSE(std::filesystem::exists(unreachable));
}

TEST_F(Save, EachOperationReportsItsOwnFailure) {
  ConfigStore broken(record, folder.path() / "absent" / "VELKOR.INI");
  broken.Sauver_Configuration(window);
  broken.Ecrire_Projet();
  EXPECT_EQ(messages->shown.size(), 2u);
}

TEST_F(Save, UnwritableTableIsNamedAndVelkorIniStillWritten) {
  const auto table = folder.path() / "absent" / "machine.TAB";
  record.Machine = table.string();
  Shutdown();
  ASSERT_EQ(messages->shown.size(), 1u);
  EXPECT_NE(messages->shown[0].text.find("Impossible d'écrire " + table.string() + " : "),
            std::string::npos);
  EXPECT_EQ(messages->shown[0].text.find("VELKOR.INI"), std::string::npos);
  EXPECT_EQ(platform::profile::Get(ini(), "Bloc", "Largeur"), "250");
  EXPECT_EQ(platform::profile::Get(ini(), "Projet", "Machine"), table.string());
  EXPECT_EQ(platform::profile::Get(ini(), "Avance", "X1_Avance", "absent"), "absent");
}

TEST_F(Save, RappelerOrigineReturnsToVelkorIni) {
  IniEntries entries = CompleteIni();
  const auto table = folder.path() / "atelier.tab";
  WriteBytes(table, Render(CompleteTable()));
  SetEntry(entries, "Projet", "Machine", table.string());
  WriteIni(entries);
  RunLoad();
  ASSERT_EQ(record.Machine, table.string());
  window.titles.clear();
  window.refills = 0;

  store.Rappeler_Origine(window);
  EXPECT_EQ(record.Machine, "Default");
  EXPECT_EQ(platform::profile::Get(ini(), "Projet", "Machine"), "Default");
  EXPECT_EQ(FileText(record.X1_Avance), "3");  // VELKOR.INI's, not the table's 9
  EXPECT_EQ(window.refills, 1);
  EXPECT_EQ(window.titles.back(), "Configuration - Default");
  EXPECT_TRUE(messages->shown.empty());
}

}  // namespace
}  // namespace config::testing

// VELKOR.INI files nobody should have written: the load follows its rules
// without crash or hang, and a save keeps every line it does not own.
#include <random>
#include <string>
#include <vector>

#include "config_fixture.h"
#include "platform/profile.h"

namespace config::testing {
namespace {

class BadInput : public ConfigTest {
 protected:
  void SaveWithWindowMatchingTheFile() {
    window.values.pinLists = {"3", "2", "5", "4", "7", "6", "9", "8"};
    window.values.nbPas = {"200", "400", "800", "1600"};
    window.values.inv = {1, 0, 0, 1};
    window.values.mm = {"0.5", "0.25", "0.125", "2"};
    store.Sauver_Configuration(window);
  }
  void ExpectCompleteLoad() {
    EXPECT_EQ(FileText(record.Y2_Avance), "9");
    EXPECT_EQ(record.Y2_mm, 2);
    EXPECT_EQ(record.Port, 632);
    EXPECT_EQ(record.Pin_Chauffe, 14);
    EXPECT_TRUE(record.Masques.has_value());
    EXPECT_EQ(record.Marge_inferieure, 6);
  }
};

// Lines the program does not own, placed before, among and after its own.
struct ForeignRow {
  std::string name;
  std::string before;             // ahead of the first section
  std::string inside;             // inside [Avance], after its keys
  std::string after;              // at the end of the file
  std::vector<std::string> kept;  // byte strings that must survive a save
};

void PrintTo(const ForeignRow& row, std::ostream* os) { *os << row.name; }

class ForeignLines : public BadInput, public ::testing::WithParamInterface<ForeignRow> {};

std::string WithForeign(const ForeignRow& row) {
  std::string text = Render(CompleteIni());
  const std::string avanceEnd = "Y2_mm=2\r\n";
  text.insert(text.find(avanceEnd) + avanceEnd.size(), row.inside);
  return row.before + text + row.after;
}

TEST_P(ForeignLines, LoadFollowsTheRulesAndSaveKeepsThem) {
  const ForeignRow& row = GetParam();
  WriteBytes(ini(), WithForeign(row));
  RunLoad();
  ExpectCompleteLoad();
  SaveWithWindowMatchingTheFile();
  const std::string bytes = ReadBytes(ini());
  for (const auto& kept : row.kept) {
    EXPECT_NE(bytes.find(kept), std::string::npos) << row.name;
  }
}

std::string Nuls() { return std::string("Note=a\0b\0c\r\n", 12); }

const ForeignRow kForeignRows[] = {
    {"LinesWithoutEquals",
     "juste du texte\r\n",
     "pas de cle ici\r\n",
     "[Fin]\r\nrien\r\n",
     {"juste du texte\r\n", "pas de cle ici\r\n", "[Fin]\r\nrien\r\n"}},
    {"NulBytes",
     "",
     Nuls(),
     std::string("[Binaire]\r\n\0\0\0\r\n", 16),
     {Nuls(), std::string("[Binaire]\r\n\0\0\0\r\n", 16)}},
    {"Utf8Bom",
     "\xEF\xBB\xBF; fichier UTF-8\r\n",
     "",
     "[Notes]\r\nTexte=\xC3\xA9t\xC3\xA9\r\n",
     {"\xEF\xBB\xBF", "; fichier UTF-8\r\n", "Texte=\xC3\xA9t\xC3\xA9\r\n"}},
    {"DuplicateSections",
     "",
     "",
     "[Avance]\r\nX1_Avance=2\r\nX3_Avance=1\r\n[Bloc]\r\nMarge inferieure=99\r\n",
     {"[Avance]\r\nX1_Avance=2\r\nX3_Avance=1\r\n[Bloc]\r\nMarge inferieure=99\r\n"}},
    {"LoneCrAndLfLineEnds",
     "; lf\n",
     "Vieux=1\r",
     "[Lf]\nA=1\n",
     {"; lf\n", "Vieux=1\r", "[Lf]\nA=1\n"}},
    {"LongValue",
     "",
     "Long=" + std::string(5000, 'x') + "\r\n",
     "",
     {"Long=" + std::string(5000, 'x') + "\r\n"}},
};

INSTANTIATE_TEST_SUITE_P(Rows, ForeignLines, ::testing::ValuesIn(kForeignRows),
                         [](const auto& info) { return info.param.name; });

TEST_F(BadInput, DuplicateKeysTheFirstWins) {
  std::string text = Render(CompleteIni());
  text.insert(text.find("X1_Avance=3"), "X1_Avance=4\r\n");
  WriteBytes(ini(), text);
  RunLoad();
  EXPECT_EQ(FileText(record.X1_Avance), "4");
}

TEST_F(BadInput, TenMegabyteFileLoadsAndKeepsItsBulk) {
  std::string bulk = "[Journal]\r\n";
  for (int i = 0; bulk.size() < 10u * 1024 * 1024; ++i) {
    bulk += "Ligne" + std::to_string(i) + "=" + std::string(60, 'z') + "\r\n";
  }
  WriteBytes(ini(), Render(CompleteIni()) + bulk);
  RunLoad();
  ExpectCompleteLoad();
  SaveWithWindowMatchingTheFile();
  const std::string bytes = ReadBytes(ini());
  EXPECT_NE(bytes.find(bulk), std::string::npos);
}

TEST_F(BadInput, BinaryGarbageNeitherCrashesNorBlocksASave) {
  std::mt19937 random(20261211);
  std::string garbage(64 * 1024, '\0');
  for (auto& byte : garbage) byte = static_cast<char>(random() & 0xFF);
  WriteBytes(ini(), garbage);
  RunLoad();  // whatever it reads, it returns

  SaveWithWindowMatchingTheFile();
  store.Ecrire_Projet();
  EXPECT_TRUE(messages->shown.empty());
  // The program's own values read back from the edited file.
  Configuration loaded;
  ConfigStore other(loaded, ini());
  other.Lire_Configuration(window);
  EXPECT_EQ(FileText(loaded.Y2_Avance), "9");
  EXPECT_EQ(loaded.Y2_mm, 2);
  EXPECT_EQ(loaded.Marge_inferieure, record.Marge_inferieure);
}

TEST_F(BadInput, OverlongStrictValueIsCutAndRejected) {
  IniEntries entries = CompleteIni();
  SetEntry(entries, "Avance", "X1_Avance", std::string(200, '1'));
  WriteIni(entries);
  RunLoad();
  // 127 digits read as one huge number; the load goes on.
  EXPECT_GT(NumberOf(record.X1_Avance), 1e126);
  EXPECT_EQ(IntegerOf(record.X1_Avance), 0);
  ExpectCompleteLoad();
}

}  // namespace
}  // namespace config::testing

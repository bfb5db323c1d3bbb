// Members that read and write files: profiles, language files, cutting files.
#include <gtest/gtest.h>

#include "vk_test/temp_dir.h"
#include "bits/cutting_file.h"
#include "bits/dialogs.h"
#include "bits/profile_read.h"
#include "bits_fixtures.h"
#include "platform/scripted_messagebox.h"

namespace {

using platform::Variant;
using vk_test::ErrorOf;

std::string Read(const std::filesystem::path& lib, std::string key, std::string def = {},
                 std::string section = {}, std::string file = {}) {
  return bits::INIProfileRead(key, def, section, file, lib);
}

TEST(INIProfileReadTest, ValuesDefaultsAndTheLibrarysOwnFile) {
  vk_test::TempDir dir;
  dir.Write("VELKOR.lng", "[VELKOR]\r\nTitre=Bonjour\r\nVide=\r\n");
  const std::string longValue(200, 'x');
  const std::filesystem::path other =
      dir.Write("other.ini", "[Form1]\nLabel1 = Texte \nLong=" + longValue + "\n");
  platform::ScopedScriptedMessageBoxes boxes;
  EXPECT_EQ(Read(dir.path(), "Titre"), "Bonjour");
  EXPECT_EQ(Read(dir.path(), "titre", "", "velkor"), "Bonjour");
  EXPECT_EQ(Read(dir.path(), "Absent"), "");
  EXPECT_EQ(Read(dir.path(), "Absent", "par défaut"), "par défaut");
  EXPECT_EQ(Read(dir.path(), "Vide", "défaut"), "défaut");
  EXPECT_EQ(Read(dir.path(), "Label1", "", "Form1", other.string()), "Texte");
  EXPECT_EQ(Read(dir.path(), "Long", "", "Form1", other.string()), longValue.substr(0, 127));
  EXPECT_EQ(Read(dir.path(), "Label1", "d", "Form1", (dir.path() / "none.ini").string()), "d");
  EXPECT_TRUE(boxes->shown().empty());
}

TEST(INIProfileReadTest, LargeAndBinaryFilesGiveAResult) {
  vk_test::TempDir dir;
  std::string big;
  big.reserve(10 << 20);
  while (big.size() < (10u << 20)) big += "Cle" + std::to_string(big.size()) + "=valeur\r\n";
  const std::string bigFile =
      dir.Write("big.lng", "[VELKOR]\r\n" + big + "Fin=trouve\r\n").string();
  std::string binary;
  for (int i = 0; i < 1 << 16; ++i) binary += static_cast<char>((i * 7919) & 0xFF);
  const std::string binaryFile = dir.Write("binary.lng", binary + "\n[S]\nK=v\n").string();
  platform::ScopedScriptedMessageBoxes boxes;
  EXPECT_EQ(Read(dir.path(), "Fin", "", "VELKOR", bigFile), "trouve");
  EXPECT_EQ(Read(dir.path(), "Absent", "d", "VELKOR", bigFile), "d");
  EXPECT_EQ(Read(dir.path(), "Absent", "d", "S", binaryFile), "d");
  EXPECT_TRUE(boxes->shown().empty());
}

class LanguageFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    dir.Write("lang/Francais.lng", "[Messages]\r\n29=Sortie **utilisée\r\n[AskFor]\r\n3=Sûr ?\r\n");
    dir.Write("lang/ANGLAIS.lng", "[Messages]\r\n29=Output ** in use\r\n");
  }
  vk_test::TempDir dir;
  platform::ScopedScriptedMessageBoxes boxes;
};

TEST_F(LanguageFiles, MessageboxShowsTheNumberedTextOfTheLanguage) {
  struct Row {
    std::int16_t mode;
    Variant language, inserted;
    std::string text;
  };
  const std::vector<Row> rows = {
      {29, 1, Variant::Missing(), "Output   in use"},
      {29, "1", "X1", "Output  X1 in use"},
      {29, 0, Variant::Missing(), "Sortie  utilisée"},
      {29, "Francais", "A", "Sortie  Autilisée"},
      {29, 5, "A", "0"},
      {12, 0, Variant::Missing(), "0"},
  };
  for (const Row& row : rows) {
    std::int16_t mode = row.mode;
    Variant language = row.language, inserted = row.inserted;
    bits::Messagebox(mode, language, inserted, dir.path());
    ASSERT_FALSE(boxes->shown().empty());
    const platform::ShownMessageBox& shown = boxes->shown().back();
    EXPECT_EQ(shown.text, row.text);
    EXPECT_EQ(shown.title, "VELKOR");
    EXPECT_EQ(shown.buttons, platform::Buttons::Ok);
    EXPECT_EQ(shown.icon, platform::Icon::Information);
  }
}

TEST_F(LanguageFiles, AskforReturnsTheButtonChosen) {
  boxes->QueueAnswer(platform::Answer::No);
  boxes->QueueAnswer(platform::Answer::Yes);
  std::int16_t mode = 3;
  Variant language = 0;
  EXPECT_EQ(bits::askfor(mode, language, dir.path()).toInt32(), 7);
  EXPECT_EQ(bits::askfor(mode, language, dir.path()).toInt32(), 6);
  ASSERT_EQ(boxes->shown().size(), 2u);
  EXPECT_EQ(boxes->shown()[0].text, "Sûr ?");
  EXPECT_EQ(boxes->shown()[0].title, "ATTENTION");
  EXPECT_EQ(boxes->shown()[0].buttons, platform::Buttons::YesNo);
}

struct CompactRow {
  std::string input;
  std::string output;
  std::int32_t total;
};

TEST(CompactRsTest, RunsOfEqualKeysBecomeOneCountedLine) {
  const std::vector<CompactRow> rows = {
      {"K;1*a\r\nK;1*b\r\nL;2*c\r\nlast;x*y\r\n", "2-K;1*b\r\n1-L;2*c\r\n", 3},
      {"K;1*a\nK;1*b\nK;1*c\nK;1*d\n", "3-K;1*c\r\n", 3},
      {"K;1*a\r\n", "", 0},
      {"A;1*x\nB;1*x\nA;1*y\nz*\n", "1-A;1*x\r\n1-B;1*x\r\n1-A;1*y\r\n", 3},
  };
  for (const CompactRow& row : rows) {
    SCOPED_TRACE(row.input);
    vk_test::TempDir dir;
    dir.Write("DECOUPE.TXT", row.input);
    Variant total = "untouched";
    Variant path = dir.path().string();
    bits::Compact_rs(total, path);
    EXPECT_EQ(dir.Read("DECOUPE.DPC"), row.output);
    EXPECT_EQ(total.toInt32(), row.total);
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "DECOUPE.TXT"));
  }
}

TEST(CompactRsTest, FailuresCarryTheErrorAndKeepTheInput) {
  const std::vector<std::pair<std::string, int>> rows = {
      {"K1*a\nK;1*b\nlast;*\n", platform::err::InvalidCall},   // no ";"
      {"K;1a\nK;1*b\nlast;*\n", platform::err::InvalidCall},   // no "*"
      {"K*1;a\nK;1*b\nlast;*\n", platform::err::InvalidCall},  // "*" before ";"
      {"", platform::err::InputPastEnd},
  };
  for (const auto& [input, error] : rows) {
    SCOPED_TRACE(input);
    vk_test::TempDir dir;
    dir.Write("DECOUPE.TXT", input);
    Variant total, path = dir.path().string();
    EXPECT_EQ(ErrorOf([&] { bits::Compact_rs(total, path); }), error);
    EXPECT_EQ(dir.Read("DECOUPE.TXT"), input);
  }
  vk_test::TempDir empty;
  Variant total, path = empty.path().string();
  EXPECT_EQ(ErrorOf([&] { bits::Compact_rs(total, path); }), platform::err::FileNotFound);
}

TEST(CompactRsTest, TheOutputStaysBesideTheInputWhateverDotsTheFolderHolds) {
  vk_test::TempDir dir;
  dir.Write("v1.2/DECOUPE.TXT", "K;1*a\nend;*\n");
  Variant total, path = (dir.path() / "v1.2").string();
  bits::Compact_rs(total, path);
  EXPECT_EQ(dir.Read("v1.2/DECOUPE.DPC"), "1-K;1*a\r\n");
}

}  // namespace

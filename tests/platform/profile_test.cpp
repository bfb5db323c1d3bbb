#include "platform/profile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <iterator>
#include <optional>
#include <random>
#include <string>

#include "vk_test/temp_dir.h"

namespace {

using namespace std::string_literals;
using vk_test::ReadBytes;
using vk_test::TempDir;
using vk_test::WriteBytes;
namespace profile = platform::profile;
namespace fs = std::filesystem;

// "[S]\r\nk=v" as a UTF-16LE file with its byte-order mark.
std::string Utf16File(std::u16string_view text) {
  std::string bytes = "\xFF\xFE";
  for (const char16_t u : text) {
    bytes.push_back(static_cast<char>(u & 0xFF));
    bytes.push_back(static_cast<char>(u >> 8));
  }
  return bytes;
}

struct ReadRow {
  const char* name;
  std::optional<std::string> file;  // nullopt: no file at all
  std::string section;
  std::string key;
  std::string def;
  std::size_t buffer;
  std::string value;
  std::size_t count;
};

std::string RowName(const char* name) { return name; }

std::ptrdiff_t EntriesIn(const fs::path& folder) {
  return std::distance(fs::directory_iterator(folder), fs::directory_iterator());
}

class ProfileRead : public ::testing::TestWithParam<ReadRow> {};

TEST_P(ProfileRead, ReturnsValueAndCount) {
  const ReadRow& row = GetParam();
  TempDir dir;
  const fs::path file = dir / "test.ini";
  if (row.file) WriteBytes(file, *row.file);
  std::string out = "stale";
  const std::size_t count =
      profile::GetString(row.section, row.key, row.def, out, row.buffer, file);
  EXPECT_EQ(out, row.value);
  EXPECT_EQ(count, row.count);
  if (row.file) {
    EXPECT_EQ(ReadBytes(file), *row.file) << "reading must not touch the file";
  }
}

const std::string k200(200, 'x');

INSTANTIATE_TEST_SUITE_P(
    Rows, ProfileRead,
    ::testing::Values(
        ReadRow{"Crlf", "[S]\r\nk=v\r\n", "S", "k", "d", 128, "v", 1},
        ReadRow{"Lf", "[S]\nk=v\n", "S", "k", "d", 128, "v", 1},
        ReadRow{"LoneCr", "[S]\rk=v\r", "S", "k", "d", 128, "v", 1},
        ReadRow{"MixedLineEnds", "[A]\r\nx=1\n[S]\rk=v", "S", "k", "d", 128, "v", 1},
        ReadRow{"NamesIgnoreCase", "[sens]\r\nX1_SENS=3\r\n", "Sens", "x1_sens", "d", 128, "3", 1},
        ReadRow{"ValueKeepsCase", "[S]\r\nk=AbC\r\n", "S", "k", "d", 128, "AbC", 3},
        ReadRow{"CallerNamesLoseSpaces", "[S]\r\nk=v\r\n", "  S ", " k  ", "d", 128, "v", 1},
        ReadRow{"CallerTabsStay", "[S]\r\nk=v\r\n", "S", "\tk", "d", 128, "d", 1},
        ReadRow{"FileBlanksIgnored", " \t[ \tS\t ] rest\r\n \t k \t=\t v v \t\r\n", "S", "k", "d",
                128, "v v", 3},
        ReadRow{"SectionEndsAtFirstBracket", "[S]x]\r\nk=v\r\n", "S", "k", "d", 128, "v", 1},
        ReadRow{"SectionRestIsNotName", "[S]x]\r\nk=v\r\n", "S]x", "k", "d", 128, "d", 1},
        ReadRow{"DoubleQuotesOff", "[S]\r\nk=\"v w\"\r\n", "S", "k", "d", 128, "v w", 3},
        ReadRow{"SingleQuotesOff", "[S]\r\nk= 'v' \r\n", "S", "k", "d", 128, "v", 1},
        ReadRow{"OnlyOuterPairOff", "[S]\r\nk=\"\"baz\"\"\r\n", "S", "k", "d", 128, "\"baz\"", 5},
        ReadRow{"UnmatchedQuotesStay", "[S]\r\nk=\"v'\r\n", "S", "k", "d", 128, "\"v'", 3},
        ReadRow{"LoneQuoteStays", "[S]\r\nk=\"\r\n", "S", "k", "d", 128, "\"", 1},
        ReadRow{"EmptyQuotes", "[S]\r\nk=\"\"\r\n", "S", "k", "d", 128, "", 0},
        ReadRow{"SectionKeepsQuotes", "[\"S\"]\r\nk=v\r\n", "S", "k", "d", 128, "d", 1},
        ReadRow{"EmptyValueIsNotDefault", "[S]\r\nk=\r\n", "S", "k", "d", 128, "", 0},
        ReadRow{"EqualsInValue", "[S]\r\nk=a=b\r\n", "S", "k", "d", 128, "a=b", 3},
        ReadRow{"CommentLine", "[S]\r\n ;k=v\r\nk=w\r\n", "S", "k", "d", 128, "w", 1},
        ReadRow{"CommentOnlyMeansMissing", "[S]\r\n;k=v\r\n", "S", "k", "d", 128, "d", 1},
        ReadRow{"SemicolonInsideValue", "[S]\r\nk=a;b\r\n", "S", "k", "d", 128, "a;b", 3},
        ReadRow{"HashIsNoComment", "[S]\r\n#k=v\r\n", "S", "#k", "d", 128, "v", 1},
        ReadRow{"LineWithoutEquals", "[S]\r\nk\r\nk=v\r\n", "S", "k", "d", 128, "v", 1},
        ReadRow{"LineWithoutEqualsOnly", "[S]\r\nk\r\n", "S", "k", "d", 128, "d", 1},
        ReadRow{"FirstDuplicateKey", "[S]\r\nk=1\r\nk=2\r\n", "S", "k", "d", 128, "1", 1},
        ReadRow{"FirstDuplicateSection", "[S]\r\nk=1\r\n[s]\r\nk=2\r\n", "S", "k", "d", 128, "1",
                1},
        ReadRow{"OnlyFirstSectionConsulted", "[S]\r\nx=1\r\n[S]\r\nk=2\r\n", "S", "k", "d", 128,
                "d", 1},
        ReadRow{"UnclosedBracketIsNoSection", "[T]\r\n[S\r\nk=v\r\n", "T", "k", "d", 128, "v",
                1},
        ReadRow{"UnclosedBracketNotFound", "[T]\r\n[S\r\nk=v\r\n", "S", "k", "d", 128, "d", 1},
        ReadRow{"KeysBeforeFirstSectionIgnored", "k=v\r\n[S]\r\n", "S", "k", "d", 128, "d", 1},
        ReadRow{"KeyInOtherSection", "[T]\r\nk=v\r\n[S]\r\n", "S", "k", "d", 128, "d", 1},
        ReadRow{"MissingFile", std::nullopt, "S", "k", "dflt", 128, "dflt", 4},
        ReadRow{"MissingSection", "[T]\r\nk=v\r\n", "S", "k", "dflt", 128, "dflt", 4},
        ReadRow{"EmptySectionAsked", "[]\r\nk=v\r\n", " ", "k", "d", 128, "d", 1},
        ReadRow{"EmptyKeyAsked", "[S]\r\n=v\r\n", "S", " ", "d", 128, "d", 1},
        ReadRow{"DefaultTrailingSpacesTrimmed", std::nullopt, "S", "k", "  d  ", 128, "  d", 3},
        ReadRow{"DefaultOfOneBlank", "[S]\r\n", "S", "k", " ", 128, "", 0},
        ReadRow{"Cut127", "[S]\r\nk=" + k200 + "\r\n", "S", "k", "d", 128, k200.substr(0, 127),
                127},
        ReadRow{"Exactly127Fits", "[S]\r\nk=" + k200.substr(0, 127) + "\r\n", "S", "k", "d", 128,
                k200.substr(0, 127), 127},
        ReadRow{"SmallBuffer", "[S]\r\nk=abcdef\r\n", "S", "k", "d", 4, "abc", 3},
        ReadRow{"CutAfterQuotesOff", "[S]\r\nk=\"abcdef\"\r\n", "S", "k", "d", 4, "abc", 3},
        ReadRow{"BufferOfOne", "[S]\r\nk=abc\r\n", "S", "k", "d", 1, "", 0},
        ReadRow{"BufferOfZero", "[S]\r\nk=abc\r\n", "S", "k", "d", 0, "", 0},
        ReadRow{"DefaultCutToBuffer", std::nullopt, "S", "k", "abcdef", 4, "abc", 3},
        ReadRow{"EightBitBytes", "[S\xE9]\r\nk=caf\xE9\xFF\r\n", "S\xE9", "k", "d", 128,
                "caf\xE9\xFF", 5},
        ReadRow{"Utf8Bom", "\xEF\xBB\xBF[S]\r\nk=v\r\n", "S", "k", "d", 128, "v", 1},
        ReadRow{"Utf16Bom", Utf16File(u"[S]\r\nk=caf\u00E9\r\n[T]\r\nm=1"), "s", "K", "d", 128,
                "caf\xC3\xA9", 4},
        ReadRow{"Utf16Cut", Utf16File(u"[S]\r\nk=\u00E9\u00E9\u00E9\r\n"), "S", "k", "d", 3,
                "\xC3\xA9\xC3\xA9", 2},
        ReadRow{"NulEndsValue", "[S]\r\nk=a\0b\r\nm=z\r\n"s, "S", "k", "d", 128, "a", 1},
        ReadRow{"NulLineDoesNotHide", "[S]\r\n\0\0\0\r\nm=z\r\n"s, "S", "m", "d", 128, "z", 1}),
    [](const auto& info) { return RowName(info.param.name); });

struct WriteRow {
  const char* name;
  std::optional<std::string> before;  // nullopt: no file yet
  std::string section;
  std::string key;
  std::string value;
  std::string after;
};

class ProfileWrite : public ::testing::TestWithParam<WriteRow> {};

TEST_P(ProfileWrite, LeavesExactBytes) {
  const WriteRow& row = GetParam();
  TempDir dir;
  const fs::path file = dir / "test.ini";
  if (row.before) WriteBytes(file, *row.before);
  std::string why;
  ASSERT_TRUE(profile::Put(file, row.section, row.key, row.value, &why)) << why;
  EXPECT_EQ(ReadBytes(file), row.after);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ProfileWrite,
    ::testing::Values(
        WriteRow{"NewFile", std::nullopt, "S", "k", "v", "[S]\r\nk=v\r\n"},
        WriteRow{"EmptyFile", "", "S", "k", "v", "[S]\r\nk=v\r\n"},
        WriteRow{"ReplaceInPlace", "[S]\r\nk=1\r\nm=2\r\n", "S", "k", "9", "[S]\r\nk=9\r\nm=2\r\n"},
        WriteRow{"FileSpellingKept", "[sens]\r\n  X1_SENS = 1 \r\n", "Sens", "x1_sens", "5",
                 "[sens]\r\nX1_SENS=5\r\n"},
        WriteRow{"OtherLineEndsKept", "[A]\nx=1\n[S]\rk=1\r;c\n", "S", "k", "2",
                 "[A]\nx=1\n[S]\rk=2\r\n;c\n"},
        WriteRow{"NewKeyBeforeTrailingBlanks", "[S]\r\na=1\r\n\r\n[T]\r\nb=2\r\n", "S", "c", "3",
                 "[S]\r\na=1\r\nc=3\r\n\r\n[T]\r\nb=2\r\n"},
        WriteRow{"NewKeyInEmptySection", "[S]\r\n\r\n[T]\r\n", "S", "c", "3",
                 "[S]\r\nc=3\r\n\r\n[T]\r\n"},
        WriteRow{"NewKeyBeforeTrailingComment", "[S]\r\na=1\r\n;c\r\n", "S", "n", "v",
                 "[S]\r\na=1\r\nn=v\r\n;c\r\n"},
        WriteRow{"NewKeyAfterUnterminatedLine", "[S]\r\na=1", "S", "b", "2",
                 "[S]\r\na=1\r\nb=2\r\n"},
        WriteRow{"NewKeyAfterUnterminatedHeader", "[S]", "s", "k", "v", "[S]\r\nk=v\r\n"},
        WriteRow{"NewKeyInCrFile", "[S]\ra=1\r", "S", "b", "2", "[S]\ra=1\rb=2\r\n"},
        WriteRow{"NewSectionAtEnd", "[S]\r\na=1\r\n", "T", "b", "2",
                 "[S]\r\na=1\r\n[T]\r\nb=2\r\n"},
        WriteRow{"NewSectionAfterUnterminatedLine", "[S]\r\na=1", "T", "b", "2",
                 "[S]\r\na=1\r\n[T]\r\nb=2\r\n"},
        WriteRow{"NewSectionAfterBlankLines", "[S]\r\na=1\r\n\r\n", "T", "b", "2",
                 "[S]\r\na=1\r\n\r\n[T]\r\nb=2\r\n"},
        WriteRow{"ValueOfOneBlank", std::nullopt, "S", "k", " ", "[S]\r\nk= \r\n"},
        WriteRow{"ValueWrittenAsGiven", std::nullopt, "S", "k", "  v \"x\" ",
                 "[S]\r\nk=  v \"x\" \r\n"},
        WriteRow{"EmptyValue", "[S]\r\nk=1\r\n", "S", "k", "", "[S]\r\nk=\r\n"},
        // The separator entry: a key of one blank loses its blank and becomes "=".
        WriteRow{"KeyOfOneBlank", "[Avance]\r\nX1_mm=1\r\n", "Avance", " ", " ",
                 "[Avance]\r\nX1_mm=1\r\n= \r\n"},
        WriteRow{"KeyOfOneBlankAgain", "[Avance]\r\nX1_mm=1\r\n= \r\n[sens]\r\n", "Avance", " ",
                 " ", "[Avance]\r\nX1_mm=1\r\n= \r\n[sens]\r\n"},
        WriteRow{"CallerNamesLoseSpaces", std::nullopt, "  S ", "  k ", "v", "[S]\r\nk=v\r\n"},
        WriteRow{"FirstDuplicateKeyReplaced", "[S]\r\nk=1\r\nk=2\r\n", "S", "k", "9",
                 "[S]\r\nk=9\r\nk=2\r\n"},
        WriteRow{"FirstDuplicateSectionGetsKey", "[S]\r\na=1\r\n[T]\r\n[S]\r\nb=2\r\n", "s", "b",
                 "9", "[S]\r\na=1\r\nb=9\r\n[T]\r\n[S]\r\nb=2\r\n"},
        WriteRow{"KeysBeforeFirstSectionUntouched", "; top\r\nk=1\r\n[S]\r\n", "S", "k", "v",
                 "; top\r\nk=1\r\n[S]\r\nk=v\r\n"},
        WriteRow{"CommentedKeyNotReplaced", "[S]\r\n;k=1\r\n", "S", "k", "2",
                 "[S]\r\nk=2\r\n;k=1\r\n"},
        WriteRow{"Utf8BomKept", "\xEF\xBB\xBF[S]\r\nk=1\r\n", "S", "k", "2",
                 "\xEF\xBB\xBF[S]\r\nk=2\r\n"},
        WriteRow{"Utf8BomNewSection", "\xEF\xBB\xBF", "S", "k", "2", "\xEF\xBB\xBF[S]\r\nk=2\r\n"},
        WriteRow{"Utf16StaysUtf16", Utf16File(u"[S]\r\nk=1\n;\u00E9\r\n"), "S", "k", "caf\xC3\xA9",
                 Utf16File(u"[S]\r\nk=caf\u00E9\r\n;\u00E9\r\n")},
        WriteRow{"Utf16OddByteKept", Utf16File(u"[S]\r\n") + "\x01", "S", "k", "v",
                 Utf16File(u"[S]\r\nk=v\r\n") + "\x01"},
        WriteRow{"NulBytesKept", "[S]\r\nx=a\0b\r\n\0\r\n"s, "S", "k", "v",
                 "[S]\r\nx=a\0b\r\nk=v\r\n\0\r\n"s},
        WriteRow{"EightBitBytesKept", "[S]\r\nx=\xE9\xFF\r\n", "S", "k", "\xE9",
                 "[S]\r\nx=\xE9\xFF\r\nk=\xE9\r\n"}),
    [](const auto& info) { return RowName(info.param.name); });

TEST(ProfileWrite, WrittenValuesReadBack) {
  TempDir dir;
  const fs::path file = dir / "VELKOR.INI";
  ASSERT_TRUE(profile::Put(file, "Avance", "X1_mm", "0,01"));
  ASSERT_TRUE(profile::Put(file, "Avance", " ", " "));
  ASSERT_TRUE(profile::Put(file, "sens", "X1_Sens", "3"));
  ASSERT_TRUE(profile::Put(file, "Avance", "X2_mm", "\"quoted\""));
  ASSERT_TRUE(profile::Put(file, "Avance", "Blank", " "));
  EXPECT_EQ(
      ReadBytes(file),
      "[Avance]\r\nX1_mm=0,01\r\n= \r\nX2_mm=\"quoted\"\r\nBlank= \r\n[sens]\r\nX1_Sens=3\r\n");
  EXPECT_EQ(profile::Get(file, "AVANCE", "x1_mm"), "0,01");
  EXPECT_EQ(profile::Get(file, "Sens", "X1_SENS"), "3");
  EXPECT_EQ(profile::Get(file, "Avance", "X2_mm"), "quoted");
  EXPECT_EQ(profile::Get(file, "Avance", "Blank", "d"), "");
  // The separator entry can be written but never read: an empty key asks for the default.
  EXPECT_EQ(profile::Get(file, "Avance", " ", "d"), "d");
}

struct RefusedRow {
  const char* name;
  std::string section;
  std::string key;
  std::string value;
};

class ProfileRefused : public ::testing::TestWithParam<RefusedRow> {};

// Entries that would read back as other lines are refused, the file untouched.
TEST_P(ProfileRefused, FailsWithReasonAndKeepsFile) {
  const RefusedRow& row = GetParam();
  TempDir dir;
  const fs::path file = dir / "test.ini";
  const std::string before = "[S]\r\nk=1\r\n";
  WriteBytes(file, before);
  std::string why;
  EXPECT_FALSE(profile::Put(file, row.section, row.key, row.value, &why));
  EXPECT_FALSE(why.empty());
  EXPECT_EQ(ReadBytes(file), before);
}

INSTANTIATE_TEST_SUITE_P(Rows, ProfileRefused,
                         ::testing::Values(RefusedRow{"EmptySection", "  ", "k", "v"},
                                           RefusedRow{"BracketInSection", "a]b", "k", "v"},
                                           RefusedRow{"LineBreakInSection", "a\nb", "k", "v"},
                                           RefusedRow{"EqualsInKey", "S", "a=b", "v"},
                                           RefusedRow{"CommentKey", "S", ";k", "v"},
                                           RefusedRow{"SectionLikeKey", "S", "[k]", "v"},
                                           RefusedRow{"CrInValue", "S", "k", "a\rb"},
                                           RefusedRow{"LfInValue", "S", "k", "a\nb"}),
                         [](const auto& info) { return RowName(info.param.name); });

TEST(ProfileWriteFailure, MissingFolderFailsWithReason) {
  TempDir dir;
  const fs::path file = dir / "missing" / "test.ini";
  std::string why;
  EXPECT_FALSE(profile::Put(file, "S", "k", "v", &why));
  EXPECT_EQ(why, "No such file or directory");
  EXPECT_FALSE(fs::exists(dir / "missing"));
}

TEST(ProfileWriteFailure, FolderInPlaceOfFileFails) {
  TempDir dir;
  fs::create_directory(dir / "test.ini");
  std::string why;
  EXPECT_FALSE(profile::Put(dir / "test.ini", "S", "k", "v", &why));
  EXPECT_FALSE(why.empty());
  EXPECT_TRUE(fs::is_directory(dir / "test.ini"));
  EXPECT_EQ(EntriesIn(dir.path()), 1) << "no temporary file left behind";
}

TEST(ProfileWriteFile, LeavesNoTemporaryAndKeepsMode) {
  TempDir dir;
  const fs::path file = dir / "test.ini";
  WriteBytes(file, "[S]\r\n");
  ASSERT_EQ(::chmod(file.c_str(), 0640), 0);
  ASSERT_TRUE(profile::Put(file, "S", "k", "v"));
  struct stat st {};
  ASSERT_EQ(::stat(file.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0640u);
  EXPECT_EQ(EntriesIn(dir.path()), 1);
}

TEST(ProfileWriteFile, WritesThroughSymlink) {
  TempDir dir;
  WriteBytes(dir / "real.ini", "[S]\r\nk=1\r\n");
  fs::create_symlink("real.ini", dir / "link.ini");
  ASSERT_TRUE(profile::Put(dir / "link.ini", "S", "k", "2"));
  EXPECT_TRUE(fs::is_symlink(dir / "link.ini"));
  EXPECT_EQ(ReadBytes(dir / "real.ini"), "[S]\r\nk=2\r\n");
}

// Large and hostile files: reading and writing stay correct (speed is measured in bench/).
TEST(ProfileLargeFile, TenMegabytesReadAndWritten) {
  TempDir dir;
  const fs::path file = dir / "big.ini";
  std::string bytes = "[First]\r\na=1\r\n";
  for (int i = 0; bytes.size() < 10'000'000; ++i) {
    bytes += "[Sec" + std::to_string(i) + "]\r\nkey=value " + std::to_string(i) + "\r\n";
  }
  bytes += "[Last]\r\nk=end\r\n";
  WriteBytes(file, bytes);
  EXPECT_EQ(profile::Get(file, "last", "K"), "end");
  ASSERT_TRUE(profile::Put(file, "First", "b", "2"));
  ASSERT_TRUE(profile::Put(file, "Last", "k", "changed"));
  const std::string after = ReadBytes(file);
  EXPECT_EQ(after.size(), bytes.size() + 5 + 4);
  EXPECT_EQ(after.substr(0, 19), "[First]\r\na=1\r\nb=2\r\n");
  EXPECT_TRUE(after.ends_with("[Last]\r\nk=changed\r\n"));
  EXPECT_EQ(profile::Get(file, "Last", "k"), "changed");
}

TEST(ProfileLargeFile, RandomBinaryGarbage) {
  TempDir dir;
  const fs::path file = dir / "garbage.ini";
  std::mt19937 random(12345);
  std::string bytes(1 << 20, '\0');
  for (char& c : bytes) c = static_cast<char>(random() & 0xFF);
  bytes += "\r\n[Known]\r\nk=v\r\n";
  WriteBytes(file, bytes);
  EXPECT_EQ(profile::Get(file, "Known", "k"), "v");
  ASSERT_TRUE(profile::Put(file, "Known", "k", "w"));
  ASSERT_TRUE(profile::Put(file, "Added", "n", "1"));
  const std::string after = ReadBytes(file);
  EXPECT_EQ(after.substr(0, bytes.size() - 4), bytes.substr(0, bytes.size() - 4));
  EXPECT_EQ(profile::Get(file, "Known", "k"), "w");
  EXPECT_EQ(profile::Get(file, "Added", "n"), "1");
}

}  // namespace

namespace {

TEST(ProfileReadFile, FolderInPlaceOfFileGivesDefault) {
  vk_test::TempDir dir;
  std::filesystem::create_directory(dir / "test.ini");
  EXPECT_EQ(platform::profile::Get(dir / "test.ini", "S", "k", "dflt"), "dflt");
}

}  // namespace

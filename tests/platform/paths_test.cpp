#include "platform/paths.h"

#include <errno.h>
#include <gtest/gtest.h>

#include "platform/messagebox.h"
#include "vk_test/temp_dir.h"

namespace {

namespace fs = std::filesystem;
using platform::ResolveCaseInsensitive;
using vk_test::TempDir;
using vk_test::WriteBytes;

class CaseInsensitivePaths : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::create_directories(dir_ / "Lang");
    WriteBytes(dir_ / "Lang" / "Francais.LNG", "x");
    fs::create_directories(dir_ / "data" / "Sub");
    WriteBytes(dir_ / "data" / "Sub" / "File.txt", "x");
    WriteBytes(dir_ / "a.txt", "lower");
    WriteBytes(dir_ / "A.txt", "upper");
  }
  TempDir dir_;
};

struct PathRow {
  const char* asked;
  const char* found;  // relative to the tree; same as asked when nothing matches
};

class CaseInsensitiveRows : public CaseInsensitivePaths,
                            public ::testing::WithParamInterface<PathRow> {};

TEST_P(CaseInsensitiveRows, AbsolutePath) {
  EXPECT_EQ(ResolveCaseInsensitive(dir_ / GetParam().asked), dir_ / GetParam().found);
}

TEST_P(CaseInsensitiveRows, RelativePath) {
  const fs::path saved = fs::current_path();
  fs::current_path(dir_.path());
  const fs::path resolved = ResolveCaseInsensitive(GetParam().asked);
  fs::current_path(saved);
  EXPECT_EQ(resolved, fs::path(GetParam().found));
}

INSTANTIATE_TEST_SUITE_P(
    Rows, CaseInsensitiveRows,
    ::testing::Values(PathRow{"Lang/Francais.LNG", "Lang/Francais.LNG"},
                      PathRow{"lang/FRANCAIS.lng", "Lang/Francais.LNG"}, PathRow{"LANG", "Lang"},
                      PathRow{"DATA/sub/file.TXT", "data/Sub/File.txt"},
                      PathRow{"data/SUB/../sub/FILE.txt", "data/Sub/../Sub/File.txt"},
                      PathRow{"./lang/francais.lng", "./Lang/Francais.LNG"},
                      // Exact names first; among case variants the smallest name.
                      PathRow{"a.txt", "a.txt"}, PathRow{"A.txt", "A.txt"},
                      PathRow{"A.TXT", "A.txt"},
                      // Nothing matches: the path as asked.
                      PathRow{"lang/Anglais.lng", "lang/Anglais.lng"},
                      PathRow{"nothere/francais.lng", "nothere/francais.lng"},
                      PathRow{"a.txt/inside", "a.txt/inside"}));

TEST(ProgramFolders, ProgramDirHoldsThisTest) {
  const fs::path dir = platform::ProgramDir();
  ASSERT_TRUE(dir.is_absolute());
  EXPECT_TRUE(fs::exists(dir / program_invocation_short_name));
}

TEST(ProgramFolders, LibraryDirOfPlatformLibrary) {
  const fs::path dir =
      platform::LibraryDirOf(reinterpret_cast<const void*>(&platform::ShowMessage));
  ASSERT_TRUE(dir.is_absolute());
  EXPECT_TRUE(fs::exists(dir / "libvkplatform.so"));
  EXPECT_TRUE(platform::LibraryDirOf(nullptr).empty());
}

}  // namespace

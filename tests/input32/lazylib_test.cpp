// Binding a library and its functions by name at the first call; a missing
// library or function stops the caller with one message and no crash.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <string>

#include "input32/port.h"
#include "platform/lazylib.h"
#include "shown_texts.h"
#include "vk_test/temp_dir.h"

namespace {

using input32_test::ShownTexts;
using vk_test::TempDir;

bool Mentions(const std::string& text, const std::string& word) {
  return text.find(word) != std::string::npos;
}

TEST(LazyLibrary, MissingLibraryIsToldOnceAndFails) {
  platform::ScopedScriptedMessageBoxes box;
  platform::LazyLibrary library("libnot-there-at-all.so");
  EXPECT_FALSE(library.Load());
  EXPECT_EQ(library.Symbol("Inp32"), nullptr);
  EXPECT_FALSE(library.Load());
  ASSERT_EQ(ShownTexts(box).size(), 1u);
  EXPECT_TRUE(Mentions(ShownTexts(box)[0], "libnot-there-at-all.so")) << ShownTexts(box)[0];
  EXPECT_TRUE(Mentions(ShownTexts(box)[0], library.lastError())) << ShownTexts(box)[0];
  EXPECT_FALSE(library.lastError().empty());
  EXPECT_TRUE(library.loadedFrom().empty());
}

TEST(LazyLibrary, DamagedCopyReportsTheLoaderReason) {
  TempDir dir;
  const auto file = dir.path() / "libdamaged.so";
  std::ofstream(file) << "this is no shared object";
  platform::ScopedScriptedMessageBoxes box;
  platform::LazyLibrary library(file.string());
  EXPECT_FALSE(library.Load());
  ASSERT_EQ(ShownTexts(box).size(), 1u);
  EXPECT_TRUE(Mentions(ShownTexts(box)[0], "libdamaged.so"));
  EXPECT_TRUE(Mentions(library.lastError(), "libdamaged.so")) << library.lastError();
}

TEST(LazyLibrary, MissingFunctionIsToldOnceAndFails) {
  platform::ScopedScriptedMessageBoxes box;
  platform::LazyLibrary library(input32::kLibraryFileName);
  EXPECT_TRUE(library.Load());
  EXPECT_EQ(library.Symbol("NoSuchFunction"), nullptr);
  EXPECT_EQ(library.Symbol("NoSuchFunction"), nullptr);
  ASSERT_EQ(ShownTexts(box).size(), 1u);
  EXPECT_TRUE(Mentions(ShownTexts(box)[0], "NoSuchFunction")) << ShownTexts(box)[0];
  EXPECT_TRUE(Mentions(ShownTexts(box)[0], input32::kLibraryFileName)) << ShownTexts(box)[0];
  // The library itself is still usable.
  EXPECT_NE(library.Symbol("Out32"), nullptr);
}

struct SearchRow {
  std::string name;
  const void* nearAddress;
  std::string expectedFrom;
};

void PrintTo(const SearchRow& row, std::ostream* out) { *out << row.name; }

class Search : public ::testing::TestWithParam<SearchRow> {};

TEST_P(Search, FindsTheLibrary) {
  platform::ScopedScriptedMessageBoxes box;
  platform::LazyLibrary library(input32::kLibraryFileName, GetParam().nearAddress);
  ASSERT_TRUE(library.Load()) << library.lastError();
  EXPECT_NE(library.Symbol("Inp32"), nullptr);
  EXPECT_EQ(library.loadedFrom(), GetParam().expectedFrom);
  EXPECT_TRUE(ShownTexts(box).empty());
}

// The test programs sit beside the program folder, so only the folder of a
// library inside it (or the loader's search) finds libinput32.so.
INSTANTIATE_TEST_SUITE_P(
    Table, Search,
    ::testing::Values(SearchRow{"next to the calling library",
                                reinterpret_cast<const void*>(&platform::ShowMessage),
                                std::string(VK_PROGRAM_DIR) + "/libinput32.so"},
                      SearchRow{"by plain name", nullptr, "libinput32.so"}));

TEST(PortLibrary, MissingLibraryStopsBothFunctionsWithOneMessage) {
  platform::ScopedScriptedMessageBoxes box;
  input32::PortLibrary port(nullptr, "libno-port-library.so");
  std::int16_t value = 77;
  EXPECT_FALSE(port.Out32(888, 1));
  EXPECT_FALSE(port.Inp32(888, value));
  EXPECT_FALSE(port.Bind());
  EXPECT_EQ(value, 77);
  ASSERT_EQ(ShownTexts(box).size(), 1u);
  EXPECT_TRUE(Mentions(ShownTexts(box)[0], "libno-port-library.so"));
}

TEST(PortLibrary, LibraryWithoutThePortFunctionsFails) {
  platform::ScopedScriptedMessageBoxes box;
  // A real library, but not a port library.
  input32::PortLibrary port(nullptr, "libvkplatform.so");
  EXPECT_FALSE(port.Out32(888, 1));
  ASSERT_EQ(ShownTexts(box).size(), 1u);
  EXPECT_TRUE(Mentions(ShownTexts(box)[0], "Inp32")) << ShownTexts(box)[0];
}

TEST(PortLibrary, BindsAtTheFirstCall) {
  TempDir dir;
  setenv("VK_PORT", "sim", 1);
  setenv("VK_SIMPORT_DIR", dir.path().c_str(), 1);
  platform::ScopedScriptedMessageBoxes box;
  input32::PortLibrary port;
  EXPECT_TRUE(port.library().loadedFrom().empty());
  ASSERT_TRUE(port.Out32(632, 0x5A));
  EXPECT_FALSE(port.library().loadedFrom().empty());
  std::int16_t value = 0;
  ASSERT_TRUE(port.Inp32(632, value));
  EXPECT_EQ(value, 0x5A);
  EXPECT_TRUE(ShownTexts(box).empty());
  unsetenv("VK_PORT");
  unsetenv("VK_SIMPORT_DIR");
}

}  // namespace

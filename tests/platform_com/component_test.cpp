#include "platform/component.h"

#include <gtest/gtest.h>

#include "vk_test/error_of.h"
#include <stdlib.h>

#include <functional>

#include "platform/dispatch.h"
#include "vk_test/temp_dir.h"

namespace {

using platform::com::ClassEntry;
using platform::com::Guid;

const Guid kClsid = *Guid::Parse("{01234567-89AB-CDEF-0123-456789ABCDEF}");
const Guid kOtherClsid = *Guid::Parse("{11111111-2222-3333-4444-555555555555}");

using vk_test::ErrorOf;

class StoreTest : public ::testing::Test {
 protected:
  void SetUp() override { platform::com::SetStorePath(dir.path() / "vkregistry.ini"); }
  void TearDown() override { platform::com::SetStorePath({}); }
  vk_test::TempDir dir;
};

TEST(GuidTest, ParsesAndWritesTheBracedForm) {
  const std::optional<Guid> g = Guid::Parse("{6b1d3c52-8e47-4f0a-9c21-3a5e7d90b114}");
  ASSERT_TRUE(g);
  EXPECT_EQ(g->bytes[0], 0x6B);
  EXPECT_EQ(g->bytes[15], 0x14);
  EXPECT_EQ(g->ToString(), "{6B1D3C52-8E47-4F0A-9C21-3A5E7D90B114}");
  EXPECT_EQ(Guid::Parse("6B1D3C52-8E47-4F0A-9C21-3A5E7D90B114"), g);
  for (const char* bad :
       {"", "{6B1D3C52-8E47-4F0A-9C21-3A5E7D90B11}", "{6B1D3C52-8E47-4F0A-9C21-3A5E7D90B11G}",
        "{6B1D3C528-E47-4F0A-9C21-3A5E7D90B114}"}) {
    EXPECT_FALSE(Guid::Parse(bad)) << bad;
  }
}

TEST_F(StoreTest, ARegisteredClassIsFoundByProgIdInAnyCaseAndByClsid) {
  ASSERT_TRUE(platform::com::RegisterClass({kClsid, "Test.Thing", "/x/libthing.so", "Apartment"}));
  const auto byProgId = platform::com::FindByProgId("test.THING");
  ASSERT_TRUE(byProgId);
  EXPECT_EQ(byProgId->clsid, kClsid);
  EXPECT_EQ(byProgId->library, "/x/libthing.so");
  EXPECT_EQ(byProgId->threadingModel, "Apartment");
  const auto byClsid = platform::com::FindByClsid(kClsid);
  ASSERT_TRUE(byClsid);
  EXPECT_EQ(byClsid->progId, "Test.Thing");
  EXPECT_FALSE(platform::com::FindByProgId("Test.Other"));
  EXPECT_FALSE(platform::com::FindByClsid(kOtherClsid));
}

TEST_F(StoreTest, ALibraryBesideTheStoreIsKeptRelativeToIt) {
  const std::filesystem::path library = dir.path() / "libthing.so";
  ASSERT_TRUE(platform::com::RegisterClass({kClsid, "Test.Thing", library, "Apartment"}));
  EXPECT_NE(dir.Read("vkregistry.ini").find("InprocServer32=libthing.so"), std::string::npos);
  const auto entry = platform::com::FindByProgId("Test.Thing");
  ASSERT_TRUE(entry);
  EXPECT_EQ(entry->library, library);
}

TEST_F(StoreTest, UnregisteringRemovesOnlyThatClass) {
  ASSERT_TRUE(
      platform::com::RegisterClass({kOtherClsid, "Test.Other", "/x/other.so", "Apartment"}));
  ASSERT_TRUE(platform::com::RegisterClass({kClsid, "Test.Thing", "/x/libthing.so", "Apartment"}));
  ASSERT_TRUE(platform::com::RegisterTypeLib({kClsid, "LIB", "1.0", "409", "/x/libthing.so"}));
  ASSERT_TRUE(platform::com::UnregisterClass(kClsid));
  ASSERT_TRUE(platform::com::UnregisterTypeLib(kClsid));
  EXPECT_FALSE(platform::com::FindByProgId("Test.Thing"));
  EXPECT_FALSE(platform::com::FindByClsid(kClsid));
  EXPECT_FALSE(platform::com::FindTypeLib(kClsid));
  EXPECT_TRUE(platform::com::FindByProgId("Test.Other"));
  const std::string store = dir.Read("vkregistry.ini");
  EXPECT_EQ(store.find("Thing"), std::string::npos) << store;
  EXPECT_EQ(store.find(kClsid.ToString()), std::string::npos) << store;
}

TEST_F(StoreTest, TheEnvironmentNamesTheStoreWhenNoPathIsSet) {
  platform::com::SetStorePath({});
  const std::string envStore = (dir.path() / "env.ini").string();
  ::setenv("VK_REGISTRY", envStore.c_str(), 1);
  EXPECT_EQ(platform::com::StorePath(), envStore);
  ::unsetenv("VK_REGISTRY");
  EXPECT_EQ(platform::com::StorePath().filename(), "vkregistry.ini");
}

TEST_F(StoreTest, CreateObjectFailsWith429WhenTheClassCannotBeMade) {
  EXPECT_EQ(ErrorOf([] { platform::com::CreateObject("Test.Unknown"); }),
            platform::err::CannotCreateObject);
  ASSERT_TRUE(platform::com::RegisterClass(
      {kClsid, "Test.Missing", dir.path() / "libmissing.so", "Apartment"}));
  EXPECT_EQ(ErrorOf([] { platform::com::CreateObject("Test.Missing"); }),
            platform::err::CannotCreateObject);
  // A library that loads but serves no class.
  ASSERT_TRUE(platform::com::RegisterClass(
      {kOtherClsid, "Test.NoServer", std::filesystem::path(VK_PROGRAM_DIR) / "libvkplatform.so",
       "Apartment"}));
  EXPECT_EQ(ErrorOf([] { platform::com::CreateObject("Test.NoServer"); }),
            platform::err::CannotCreateObject);
}

}  // namespace

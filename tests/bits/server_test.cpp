// libvelkor.so as a client meets it: registered in a store, created by
// ProgID, called by name.
#include <dlfcn.h>
#include <gtest/gtest.h>

#include "vk_test/temp_dir.h"
#include "bits/bits_object.h"
#include "bits_fixtures.h"
#include "platform/component.h"

namespace {

using platform::Variant;

const std::filesystem::path kLibrary = std::filesystem::path(VK_PROGRAM_DIR) / "libvelkor.so";

class ServerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    platform::com::SetStorePath(dir.path() / "vkregistry.ini");
    handle = ::dlopen(kLibrary.c_str(), RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(handle, nullptr) << ::dlerror();
  }
  void TearDown() override { platform::com::SetStorePath({}); }
  template <class F>
  F Entry(const char* name) {
    return reinterpret_cast<F>(::dlsym(handle, name));
  }
  std::int32_t Register() {
    return Entry<platform::com::DllRegisterServerFn>("DllRegisterServer")();
  }
  std::int32_t Unregister() {
    return Entry<platform::com::DllUnregisterServerFn>("DllUnregisterServer")();
  }
  vk_test::TempDir dir;
  void* handle = nullptr;
};

TEST_F(ServerTest, RegisterThenUnregisterLeavesNothingBehind) {
  dir.Write("vkregistry.ini", "[Other.Class]\r\nCLSID={00000000-0000-0000-0000-000000000001}\r\n");
  ASSERT_EQ(Register(), platform::com::kOk);
  const auto entry = platform::com::FindByProgId("VK_DLL.Bits");
  ASSERT_TRUE(entry);
  EXPECT_EQ(entry->clsid, bits::ClassId());
  EXPECT_EQ(entry->threadingModel, "Apartment");
  EXPECT_EQ(std::filesystem::canonical(entry->library), std::filesystem::canonical(kLibrary));
  const auto typeLib = platform::com::FindTypeLib(bits::TypeLibId());
  ASSERT_TRUE(typeLib);
  EXPECT_EQ(typeLib->name, "VK_DLL");
  EXPECT_EQ(typeLib->version, "1.0");

  ASSERT_EQ(Unregister(), platform::com::kOk);
  EXPECT_FALSE(platform::com::FindByProgId("VK_DLL.Bits"));
  EXPECT_FALSE(platform::com::FindByClsid(bits::ClassId()));
  EXPECT_FALSE(platform::com::FindTypeLib(bits::TypeLibId()));
  EXPECT_EQ(dir.Read("vkregistry.ini"),
            "[Other.Class]\r\nCLSID={00000000-0000-0000-0000-000000000001}\r\n");
}

TEST_F(ServerTest, CreateObjectByProgIdAndCallByName) {
  ASSERT_EQ(Register(), platform::com::kOk);
  auto canUnload = Entry<platform::com::DllCanUnloadNowFn>("DllCanUnloadNow");
  {
    const platform::Object bitsObject = platform::com::CreateObject("vk_dll.bits");
    ASSERT_TRUE(bitsObject);
    EXPECT_EQ(canUnload(), platform::com::kFalse);
    EXPECT_EQ(platform::CallByName(*bitsObject, "BitMask", {3}).toInt32(), 8);
    std::int32_t x = 1;
    platform::CallByName(*bitsObject, "bitset", {Variant::Ref(x), 4, true});
    EXPECT_EQ(x, 17);
    EXPECT_EQ(vk_test::ErrorOf([&] { platform::CallByName(*bitsObject, "Nope"); }),
              platform::err::NoSuchMember);
  }
  EXPECT_EQ(canUnload(), platform::com::kOk);
}

TEST_F(ServerTest, TheClassFactoryServesOnlyBits) {
  auto getClassObject = Entry<platform::com::DllGetClassObjectFn>("DllGetClassObject");
  platform::com::ClassFactory* factory = nullptr;
  const platform::com::Guid other =
      *platform::com::Guid::Parse("{00000000-0000-0000-0000-000000000001}");
  EXPECT_EQ(getClassObject(&other, &factory), platform::com::kClassNotAvailable);
  EXPECT_EQ(factory, nullptr);
  const platform::com::Guid clsid = bits::ClassId();
  EXPECT_EQ(getClassObject(&clsid, &factory), platform::com::kOk);
  EXPECT_NE(factory, nullptr);
}

TEST_F(ServerTest, CreateObjectFailsWith429WhenUnregisteredOrTheLibraryIsGone) {
  EXPECT_EQ(vk_test::ErrorOf([] { platform::com::CreateObject("VK_DLL.Bits"); }),
            platform::err::CannotCreateObject);
  // Registered from a copy that then disappears.
  const std::filesystem::path copy = dir.path() / "libvelkor.so";
  std::filesystem::copy_file(kLibrary, copy);
  ASSERT_TRUE(platform::com::RegisterClass({bits::ClassId(), "VK_DLL.Bits", copy, "Apartment"}));
  std::filesystem::remove(copy);
  EXPECT_EQ(vk_test::ErrorOf([] { platform::com::CreateObject("VK_DLL.Bits"); }),
            platform::err::CannotCreateObject);
}

TEST(ServerExportsTest, OnlyTheFourEntryPointsLeaveTheLibrary) {
  void* handle = ::dlopen(kLibrary.c_str(), RTLD_NOW | RTLD_LOCAL);
  ASSERT_NE(handle, nullptr);
  for (const char* name :
       {"DllRegisterServer", "DllUnregisterServer", "DllGetClassObject", "DllCanUnloadNow"}) {
    EXPECT_NE(::dlsym(handle, name), nullptr) << name;
  }
  EXPECT_EQ(::dlsym(handle, "_ZN4bits7BitMaskEi"), nullptr);
}

}  // namespace

// The heating bursts end to end: Bits created by ProgID from the program
// folder, libinput32.so's simulated port underneath, its trace decoded.
#include <gtest/gtest.h>
#include <stdlib.h>

#include "vk_test/temp_dir.h"
#include "bits/bits_object.h"
#include "input32/simport.h"
#include "input32/trace.h"
#include "platform/component.h"
#include "platform/dispatch.h"

namespace {

using platform::Variant;

class SimulatedPortTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // Before the port library's first access, which fixes its choice.
    ::setenv("VK_PORT", "sim", 1);
    ::setenv("VK_SIMPORT_DIR", dir.path().c_str(), 1);
    platform::com::SetStorePath(dir.path() / "vkregistry.ini");
    ASSERT_TRUE(platform::com::RegisterClass(
        {bits::ClassId(), bits::kProgId, std::filesystem::path(VK_PROGRAM_DIR) / "libvelkor.so",
         bits::kThreadingModel}));
    bitsObject = platform::com::CreateObject("VK_DLL.Bits");
  }
  void TearDown() override { platform::com::SetStorePath({}); }

  // Writes to the control register of base 888 recorded since `from`.
  std::vector<input32::TraceRecord> ControlWrites(std::size_t from = 0) {
    std::string error;
    const auto trace = input32::ReadTrace(dir.path() / input32::kTraceFileName, &error);
    EXPECT_TRUE(trace) << error;
    std::vector<input32::TraceRecord> writes;
    if (!trace) return writes;
    for (std::size_t i = from; i < trace->records.size(); ++i) {
      const auto& r = trace->records[i];
      if (r.access == input32::Access::Write) {
        EXPECT_EQ(r.address, 890);
        writes.push_back(r);
      }
    }
    return writes;
  }

  vk_test::TempDir dir;
  platform::Object bitsObject;
};

TEST_F(SimulatedPortTest, BurstsSeenInThePortTrace) {
  ASSERT_TRUE(bitsObject);
  Variant indice = 50;
  std::int32_t pinTimer = 10, pinChauffe = 16;
  platform::CallByName(*bitsObject, "ThreadChauffe_orig",
                       {Variant::Ref(indice), Variant::Ref(pinTimer), Variant::Ref(pinChauffe)});
  std::vector<input32::TraceRecord> writes = ControlWrites();
  ASSERT_EQ(writes.size(), 450u);
  for (std::size_t i = 0; i < writes.size(); ++i) {
    EXPECT_EQ((writes[i].value & 0x04) != 0, i < 225) << i;
    EXPECT_EQ(writes[i].value & ~0x04, 0);
  }

  const std::size_t before = ControlWrites().size();
  indice = 100;
  platform::CallByName(*bitsObject, "threadchauffe",
                       {Variant::Ref(indice), Variant::Ref(pinTimer), Variant::Ref(pinChauffe)});
  EXPECT_EQ(indice.toInt32(), 99);
  writes = ControlWrites();
  ASSERT_GT(writes.size(), before);
  EXPECT_NE(writes[before].value & 0x04, 0);
  EXPECT_EQ(writes.back().value & 0x04, 0);
}

}  // namespace

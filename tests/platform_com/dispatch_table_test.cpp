#include <gtest/gtest.h>

#include "vk_test/error_of.h"

#include <functional>

#include "platform/dispatch.h"
#include "platform/numtext.h"

namespace {

using platform::Variant;
using platform::VarType;

// A small class over a table: counts the member runs so a test can tell
// whether a failure came before the member code.
class Sample : public platform::Dispatch {
 public:
  Sample() = default;
  std::optional<std::int32_t> IdOfName(std::string_view name) const override {
    return Table().IdOfName(name);
  }
  Variant Invoke(std::int32_t id, platform::InvokeKind kind, std::span<Variant> args) override {
    return Table().Invoke(*this, id, kind, args);
  }
  int runs = 0;

 private:
  static Sample& Self(platform::Dispatch& d) { return static_cast<Sample&>(d); }
  static const platform::DispatchTable& Table() {
    static const platform::DispatchTable table({
        // Doubles X in place and returns the new value.
        {"Twice",
         10,
         {{"X", VarType::I4, true}},
         [](platform::Dispatch& self, std::span<Variant> a) -> Variant {
           ++Self(self).runs;
           std::int32_t& x = *a[0].target<std::int32_t>();
           x *= 2;
           return x;
         }},
        {"Concat",
         11,
         {{"A", VarType::String}, {"B", VarType::String, false, true, "-"}},
         [](platform::Dispatch& self, std::span<Variant> a) -> Variant {
           ++Self(self).runs;
           return *a[0].target<std::string>() + *a[1].target<std::string>();
         }},
        // Writes 5, then fails with an overflow.
        {"WriteThenFail",
         12,
         {{"X", VarType::I2, true}},
         [](platform::Dispatch& self, std::span<Variant> a) -> Variant {
           ++Self(self).runs;
           *a[0].target<std::int16_t>() = 5;
           throw platform::RuntimeError(platform::err::Overflow);
         }},
        // Replaces V by the text "set"; tells whether an optional came missing.
        {"SetVariant",
         13,
         {{"V", VarType::Variant, true}, {"O", VarType::Variant, true, true, Variant::Missing()}},
         [](platform::Dispatch& self, std::span<Variant> a) -> Variant {
           ++Self(self).runs;
           *a[0].target<Variant>() = "set";
           return a[1].isMissing();
         }},
    });
    return table;
  }
};

using vk_test::ErrorOf;

TEST(DispatchTableTest, NamesResolveWithoutRegardToCase) {
  Sample s;
  EXPECT_EQ(s.IdOfName("twice"), 10);
  EXPECT_EQ(s.IdOfName("TWICE"), 10);
  EXPECT_EQ(s.IdOfName("setvariant"), 13);
  EXPECT_EQ(s.IdOfName("Twice2"), std::nullopt);
  EXPECT_EQ(s.IdOfName(""), std::nullopt);
}

struct FailureRow {
  std::string name;
  std::vector<Variant> args;
  int error;
};

TEST(DispatchTableTest, BadCallsFailBeforeAnyMemberCode) {
  std::int16_t i16 = 1;
  const std::vector<FailureRow> rows = {
      {"Nothing", {}, platform::err::NoSuchMember},
      {"Twice", {}, platform::err::ArgumentNotOptional},
      {"Twice", {Variant::Missing()}, platform::err::ArgumentNotOptional},
      {"Twice", {1, 2}, platform::err::WrongArgumentCount},
      {"Twice", {"deux"}, platform::err::TypeMismatch},
      {"Twice", {3e10}, platform::err::Overflow},
      {"Twice", {Variant::Ref(i16), 1}, platform::err::WrongArgumentCount},
      {"Concat", {}, platform::err::ArgumentNotOptional},
  };
  for (const FailureRow& row : rows) {
    SCOPED_TRACE(row.name);
    Sample s;
    EXPECT_EQ(ErrorOf([&] { platform::CallByName(s, row.name, row.args); }), row.error);
    EXPECT_EQ(s.runs, 0);
  }
  Sample s;
  EXPECT_EQ(ErrorOf([&] { platform::SetProperty(s, "Twice", 1); }), platform::err::NoSuchMember);
}

TEST(DispatchTableTest, InOutWritesBackOnlyIntoAVariableOfTheExactType) {
  Sample s;
  std::int32_t i32 = 4;
  EXPECT_EQ(platform::CallByName(s, "Twice", {Variant::Ref(i32)}).toInt32(), 8);
  EXPECT_EQ(i32, 8);

  // A variable of another type, a variant variable, a constant: copies.
  std::int16_t i16 = 4;
  Variant v = std::int32_t{4};
  EXPECT_EQ(platform::CallByName(s, "Twice", {Variant::Ref(i16)}).toInt32(), 8);
  EXPECT_EQ(platform::CallByName(s, "Twice", {Variant::Ref(v)}).toInt32(), 8);
  EXPECT_EQ(platform::CallByName(s, "Twice", {2.5}).toInt32(), 4);
  EXPECT_EQ(i16, 4);
  EXPECT_EQ(v.toInt32(), 4);

  // A variant parameter takes a variant variable, not a typed one.
  Variant target = 1;
  EXPECT_TRUE(platform::CallByName(s, "SetVariant", {Variant::Ref(target)}).toBool());
  EXPECT_EQ(target.toString(), "set");
  std::string text = "kept";
  platform::CallByName(s, "SetVariant", {Variant::Ref(text), 0});
  EXPECT_EQ(text, "kept");
}

TEST(DispatchTableTest, OptionalArgumentsTakeTheirDefaults) {
  Sample s;
  EXPECT_EQ(platform::CallByName(s, "Concat", {"a"}).toString(), "a-");
  EXPECT_EQ(platform::CallByName(s, "Concat", {"a", Variant::Missing()}).toString(), "a-");
  platform::SetDecimalSeparator(',');
  EXPECT_EQ(platform::CallByName(s, "concat", {1.5, true}).toString(), "1,5True");
  platform::ResetDecimalSeparator();
  EXPECT_EQ(s.runs, 3);
}

TEST(DispatchTableTest, AFailedMemberKeepsWhatItWroteBeforeTheError) {
  Sample s;
  std::int16_t x = 1;
  EXPECT_EQ(ErrorOf([&] { platform::CallByName(s, "WriteThenFail", {Variant::Ref(x)}); }),
            platform::err::Overflow);
  EXPECT_EQ(x, 5);
  EXPECT_EQ(s.runs, 1);
}

TEST(DispatchTableTest, PropertyGetCallsAMember) {
  Sample s;
  std::int32_t i32 = 3;
  Variant args[] = {Variant::Ref(i32)};
  EXPECT_EQ(platform::CallByName(s, "Twice", args, platform::InvokeKind::PropertyGet).toInt32(), 6);
}

}  // namespace

#include "platform/variant.h"

#include <gtest/gtest.h>

#include "vk_test/error_of.h"

#include <functional>

#include "platform/dispatch.h"
#include "platform/numtext.h"

namespace {

using platform::Variant;
using platform::VarType;

class VariantTest : public ::testing::Test {
 protected:
  void SetUp() override { platform::SetDecimalSeparator(','); }
  void TearDown() override { platform::ResetDecimalSeparator(); }
};

using vk_test::ErrorOf;

struct Int16Row {
  Variant value;
  int expected;  // the number, or the error when `error` is set
  bool error;
};

TEST_F(VariantTest, ToInt16RoundsHalvesToEvenAndRaisesClassicErrors) {
  const std::vector<Int16Row> rows = {
      {2.5, 2, false},
      {3.5, 4, false},
      {-2.5, -2, false},
      {Variant(2.4f), 2, false},
      {"1,5", 2, false},
      {"  12  ", 12, false},
      {true, -1, false},
      {Variant(), 0, false},
      {32767.4, 32767, false},
      {32767.5, platform::err::Overflow, true},
      {-40000, platform::err::Overflow, true},
      {"abc", platform::err::TypeMismatch, true},
      {"", platform::err::TypeMismatch, true},
      {"1.5", platform::err::TypeMismatch, true},
      {Variant::Missing(), platform::err::TypeMismatch, true},
  };
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const Int16Row& row = rows[i];
    SCOPED_TRACE("row " + std::to_string(i));
    if (row.error) {
      EXPECT_EQ(ErrorOf([&] { (void)row.value.toInt16(); }), row.expected);
    } else {
      EXPECT_EQ(row.value.toInt16(), row.expected);
    }
  }
}

TEST_F(VariantTest, ToStringWritesNumbersInTheLocaleAndBooleansInEnglish) {
  const std::vector<std::pair<Variant, std::string>> rows = {
      {Variant(), ""}, {std::int16_t{-5}, "-5"}, {1.5, "1,5"},       {Variant(0.1f), "0,1"},
      {true, "True"},  {false, "False"},         {"texte", "texte"}, {std::int32_t{70000}, "70000"},
  };
  for (const auto& [value, text] : rows) EXPECT_EQ(value.toString(), text);
}

TEST_F(VariantTest, ToBoolAndToFloatFollowTheClassicRules) {
  EXPECT_TRUE(Variant("true").toBool());
  EXPECT_FALSE(Variant("False").toBool());
  EXPECT_TRUE(Variant("2").toBool());
  EXPECT_FALSE(Variant(0.0).toBool());
  EXPECT_EQ(ErrorOf([] { (void)Variant("oui").toBool(); }), platform::err::TypeMismatch);
  EXPECT_EQ(ErrorOf([] { (void)Variant(1e39).toFloat(); }), platform::err::Overflow);
  EXPECT_FLOAT_EQ(Variant("2,25").toFloat(), 2.25f);
  EXPECT_EQ(ErrorOf([] { (void)Variant(3).toObject(); }), platform::err::ObjectRequired);
}

TEST_F(VariantTest, AReferenceReadsAndWritesTheCallersVariable) {
  std::int16_t i = 3;
  Variant r = Variant::Ref(i);
  EXPECT_TRUE(r.isByRef());
  EXPECT_EQ(r.type(), VarType::I2);
  EXPECT_EQ(r.refType(), VarType::I2);
  r.assign(7.5);
  EXPECT_EQ(i, 8);
  EXPECT_EQ(r.value().toInt16(), 8);
  EXPECT_FALSE(r.value().isByRef());
  EXPECT_EQ(ErrorOf([&] { r.assign(70000); }), platform::err::Overflow);
  EXPECT_EQ(i, 8);

  Variant v = "a";
  Variant rv = Variant::Ref(v);
  EXPECT_EQ(rv.refType(), VarType::Variant);
  EXPECT_EQ(rv.type(), VarType::String);
  rv.assign(2.5);
  EXPECT_EQ(v.type(), VarType::R8);
  EXPECT_EQ(*rv.target<Variant>()->target<double>(), 2.5);
}

TEST_F(VariantTest, ArraysAreCopiedWithTheVariantAndKeepTheirBounds) {
  platform::FloatArray keys{5, {1.f, 2.f}};
  Variant a = keys;
  Variant b = a;
  b.floatArray()->at(5) = 9.f;
  EXPECT_EQ(a.floatArray()->at(5), 1.f);
  EXPECT_EQ(b.floatArray()->upperBound(), 6);
  EXPECT_EQ(ErrorOf([&] { b.floatArray()->at(4); }), platform::err::SubscriptOutOfRange);
  EXPECT_EQ(ErrorOf([&] { b.floatArray()->at(7); }), platform::err::SubscriptOutOfRange);
  EXPECT_EQ(ErrorOf([&] { (void)Variant(1).convertedTo(VarType::FloatArray); }),
            platform::err::TypeMismatch);

  Variant r = Variant::Ref(keys);
  EXPECT_EQ(r.floatArray(), &keys);
  EXPECT_EQ(r.int16Array(), nullptr);
}

// An object used as a value reads its default member (identifier 0).
class DefaultValueObject : public platform::Dispatch {
 public:
  std::optional<std::int32_t> IdOfName(std::string_view) const override { return std::nullopt; }
  Variant Invoke(std::int32_t id, platform::InvokeKind, std::span<Variant>) override {
    if (id != 0) throw platform::RuntimeError(platform::err::NoSuchMember);
    return 42;
  }
};

TEST_F(VariantTest, AnObjectReadsAsItsDefaultValue) {
  const Variant o = platform::Object(std::make_shared<DefaultValueObject>());
  EXPECT_EQ(o.type(), VarType::Object);
  EXPECT_EQ(o.toInt32(), 42);
  EXPECT_EQ(o.toString(), "42");
  EXPECT_EQ(ErrorOf([] { (void)Variant(platform::Object()).toDouble(); }),
            platform::err::ObjectNotSet);
}

TEST(ErrorDescriptionTest, ClassicNumbersCarryTheirClassicTexts) {
  EXPECT_EQ(platform::ErrorDescription(6), "Overflow");
  EXPECT_EQ(platform::ErrorDescription(13), "Type mismatch");
  EXPECT_EQ(platform::ErrorDescription(11), "Division by zero");
  EXPECT_EQ(platform::ErrorDescription(9), "Subscript out of range");
  EXPECT_EQ(platform::ErrorDescription(53), "File not found");
  EXPECT_EQ(platform::ErrorDescription(438), "Object doesn't support this property or method");
  EXPECT_EQ(std::string(platform::RuntimeError(449).what()), "Argument not optional");
}

}  // namespace

// Bits through its dispatch interface, where the calling rules matter.
#include <gtest/gtest.h>

#include "vk_test/temp_dir.h"
#include "bits_fixtures.h"
#include "platform/numtext.h"
#include "platform/textbox.h"

namespace {

using platform::CallByName;
using platform::Variant;
using vk_test::ErrorOf;

class BitsDispatchTest : public ::testing::Test {
 protected:
  BitsDispatchTest() : bits_(bits::BitsEnvironment{dir_.path(), &io_}) {}
  void SetUp() override { platform::SetDecimalSeparator(','); }
  void TearDown() override {
    platform::ResetDecimalSeparator();
    platform::SetFocusedTextBoxProvider({});
  }
  vk_test::TempDir dir_;
  vk_test::FakeHeatingIo io_;
  bits::BitsObject bits_;
};

TEST_F(BitsDispatchTest, MembersSitInSlotOrderWithTheirIdentifiers) {
  const std::vector<std::string> names = {"BitMask",        "MakeRandom",     "NumToHex",
                                          "Sinh",           "Cosh",           "ThreadChauffe_orig",
                                          "ThreadChauffe",  "Bit_Equiv",      "BitSet",
                                          "BitTest",        "Messagebox",     "Compact_rs",
                                          "askfor",         "INIProfileRead", "DoubleSwap",
                                          "NombrePi",       "IntegerRandom",  "IntegerSwap",
                                          "SingleSort",     "SingleSwap",     "StringUnEscape",
                                          "StringEscape",   "Out_Chaine",     "Set_Point_Decimal",
                                          "Verif_Decimal",  "Verif_Integer",  "decimal_binaire",
                                          "DegreeToRadian", "CStr_"};
  ASSERT_EQ(bits::BitsObject::Table().members().size(), names.size());
  for (std::size_t i = 0; i < names.size(); ++i) {
    EXPECT_EQ(bits::BitsObject::Table().members()[i].name, names[i]);
    EXPECT_EQ(bits_.IdOfName(names[i]), 0x60030000 + static_cast<std::int32_t>(i)) << names[i];
  }
  EXPECT_EQ(bits_.IdOfName("threadchauffe"), 0x60030006);
  EXPECT_EQ(bits_.IdOfName("BITSET"), 0x60030008);
  EXPECT_EQ(ErrorOf([&] { CallByName(bits_, "BitClear", {1}); }), platform::err::NoSuchMember);
}

TEST_F(BitsDispatchTest, LowerCaseThreadchauffeDrivesTheHeatingBit) {
  Variant indice = 50;
  std::int32_t pinTimer = 10, pinChauffe = 16;
  CallByName(bits_, "threadchauffe",
             {Variant::Ref(indice), Variant::Ref(pinTimer), Variant::Ref(pinChauffe)});
  ASSERT_FALSE(io_.Writes().empty());
  EXPECT_EQ(io_.Writes().front().value, 4);
  EXPECT_EQ(io_.Writes().back().value, 0);
}

TEST_F(BitsDispatchTest, DecimalBinaireClearsAVariableButNotAConstant) {
  EXPECT_EQ(CallByName(bits_, "decimal_binaire", {6}).toString(), "110");
  std::int32_t dec = 6;
  EXPECT_EQ(CallByName(bits_, "decimal_binaire", {Variant::Ref(dec)}).toString(), "110");
  EXPECT_EQ(dec, 0);
  // A variable of another type travels as a copy.
  std::int16_t shortDec = 5;
  EXPECT_EQ(CallByName(bits_, "decimal_binaire", {Variant::Ref(shortDec)}).toString(), "101");
  EXPECT_EQ(shortDec, 5);
  EXPECT_EQ(ErrorOf([&] { CallByName(bits_, "decimal_binaire", {"six"}); }),
            platform::err::TypeMismatch);
}

TEST_F(BitsDispatchTest, BitSetWritesIntoALongVariable) {
  std::int32_t x = 0;
  CallByName(bits_, "BitSet", {Variant::Ref(x), 2, true});
  EXPECT_EQ(x, 4);
  CallByName(bits_, "BitSet", {Variant::Ref(x), 2, false});
  EXPECT_EQ(x, 0);
  EXPECT_EQ(ErrorOf([&] {
              CallByName(bits_, "BitSet", {Variant::Ref(x), 2});
            }),
            platform::err::ArgumentNotOptional);
  EXPECT_EQ(CallByName(bits_, "BitTest", {5, 2}).toInt16(), -1);
  EXPECT_EQ(CallByName(bits_, "Bit_Equiv", {16}).toInt32(), 2);
}

TEST_F(BitsDispatchTest, IntegerSwapOverflowLeavesBothValues) {
  Variant a = 40000, b = 7;
  EXPECT_EQ(ErrorOf([&] {
              CallByName(bits_, "IntegerSwap", {Variant::Ref(a), Variant::Ref(b)});
            }),
            platform::err::Overflow);
  EXPECT_EQ(a.toInt32(), 40000);
  EXPECT_EQ(b.toInt32(), 7);
  a = 3;
  CallByName(bits_, "IntegerSwap", {Variant::Ref(a), Variant::Ref(b)});
  EXPECT_EQ(a.toInt32(), 7);
  EXPECT_EQ(b.toInt32(), 3);
}

TEST_F(BitsDispatchTest, SingleSortOfThreeKeysWithPointers) {
  platform::FloatArray keys{0, {3, 1, 2}};
  platform::Int16Array pointers{0, {0, 1, 2}};
  std::int16_t first = 0, last = 2;
  EXPECT_TRUE(CallByName(bits_, "SingleSort",
                         {Variant::Ref(keys), Variant::Ref(pointers), Variant::Ref(first),
                          Variant::Ref(last)})
                  .isEmpty());
  EXPECT_EQ(keys.data, (std::vector<float>{1, 2, 3}));
  EXPECT_EQ(pointers.data, (std::vector<std::int16_t>{1, 2, 0}));
  // Arrays passed as values are sorted in a copy.
  platform::FloatArray copyKeys{0, {3, 1, 2}};
  CallByName(bits_, "SingleSort", {copyKeys, Variant::Ref(pointers), 0, 2});
  EXPECT_EQ(copyKeys.data, (std::vector<float>{3, 1, 2}));
  EXPECT_EQ(ErrorOf([&] {
              CallByName(bits_, "SingleSort", {1, 2, 0, 2});
            }),
            platform::err::TypeMismatch);
}

TEST_F(BitsDispatchTest, TextAndNumberMembers) {
  struct Row {
    std::string member;
    std::vector<Variant> args;
    std::string result;
  };
  const std::vector<Row> rows = {
      {"Out_Chaine", {"X1 X2 Y1 Y2", "X2"}, "X1 Y1 Y2"},
      {"Out_Chaine", {"X1 X2 Y1 Y2", "Y2"}, "X1 X2 Y1 "},
      {"Out_Chaine", {"X1 X2", "Y1"}, ""},
      {"NumToHex", {10}, "0A"},
      {"NumToHex", {171}, "AB"},
      {"MakeRandom", {7.6, 5}, "2"},
      {"MakeRandom", {-7, 5}, "1"},
      {"Set_Point_Decimal", {"3,25"}, "3.25"},
      {"Set_Point_Decimal", {7}, "7.0000000"},
      {"Set_Point_Decimal", {"1,2,3"}, "1.2,3"},
      {"CStr_", {1.5}, "1.5"},
      {"StringUnEscape", {"a\\rb"}, "a\rb"},
      {"DegreeToRadian", {180}, "3,141593"},
      {"BitMask", {31}, "-2147483648"},
      {"IntegerRandom", {5, 5}, "5"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.member);
    EXPECT_EQ(CallByName(bits_, row.member, row.args).toString(), row.result);
  }
  EXPECT_EQ(CallByName(bits_, "Out_Chaine", {"X1", "Y1"}).type(), platform::VarType::Empty);
  EXPECT_EQ(ErrorOf([&] {
              CallByName(bits_, "MakeRandom", {1, -1});
            }),
            platform::err::DivisionByZero);
  EXPECT_EQ(ErrorOf([&] { CallByName(bits_, "Cosh", {1000}); }), platform::err::Overflow);
}

struct KeyRow {
  std::int16_t key;
  std::vector<Variant> extra;  // NEG, when given
  std::string text;
  std::int32_t selStart;
  std::string selText;
  std::int16_t result;
};

TEST_F(BitsDispatchTest, VerifIntegerJudgesAMinusAgainstTheFocusedBox) {
  const std::vector<KeyRow> rows = {
      {'7', {}, "12", 0, "", 55},     {8, {}, "12", 0, "", 8},
      {'-', {}, "12", 0, "", 0},      {',', {}, "12", 0, "", 0},
      {'a', {}, "12", 0, "", 0},      {'-', {true}, "12", 0, "", 45},
      {'-', {true}, "12", 1, "", 0},  {'-', {true}, "-12", 0, "-12", 45},
      {'-', {true}, "-12", 0, "", 0}, {'.', {true}, "12", 0, "", 0},
  };
  for (const KeyRow& row : rows) {
    SCOPED_TRACE(std::string(1, static_cast<char>(row.key)) + " in " + row.text);
    auto box = std::make_shared<vk_test::TextBoxStandIn>(row.text, row.selStart, row.selText);
    platform::SetFocusedTextBoxProvider([box] { return box; });
    std::vector<Variant> args = {row.key};
    args.insert(args.end(), row.extra.begin(), row.extra.end());
    EXPECT_EQ(CallByName(bits_, "Verif_Integer", args).toInt16(), row.result);
  }
  // No readable box: the minus may go in.
  platform::SetFocusedTextBoxProvider({});
  EXPECT_EQ(CallByName(bits_, "Verif_Integer", {45, true}).toInt16(), 45);
}

TEST_F(BitsDispatchTest, VerifDecimalJudgesTheGivenBox) {
  const std::vector<KeyRow> rows = {
      {'.', {}, "12", 2, "", 44},      {',', {}, "12", 2, "", 44},    {'.', {}, "12,5", 4, "", 0},
      {',', {}, "12.5", 4, "", 0},     {'7', {}, "12,5", 4, "", 55},  {'-', {}, "5", 0, "", 0},
      {'-', {true}, "-5", 0, "-5", 0}, {'-', {true}, "5", 0, "", 45}, {'-', {true}, "5", 1, "", 0},
      {8, {}, "", 0, "", 8},           {'x', {true}, "5", 0, "", 0},
  };
  for (const KeyRow& row : rows) {
    SCOPED_TRACE(std::string(1, static_cast<char>(row.key)) + " in " + row.text);
    Variant box = platform::Object(
        std::make_shared<vk_test::TextBoxStandIn>(row.text, row.selStart, row.selText));
    std::vector<Variant> args = {row.key, Variant::Ref(box)};
    args.insert(args.end(), row.extra.begin(), row.extra.end());
    EXPECT_EQ(CallByName(bits_, "Verif_Decimal", args).toInt16(), row.result);
  }
  // A box that cannot be read rejects the key.
  EXPECT_EQ(CallByName(bits_, "Verif_Decimal", {'5', "not a box"}).toInt16(), 0);
}

}  // namespace

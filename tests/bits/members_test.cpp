// The plain member functions, case by case.
#include <gtest/gtest.h>

#include <cmath>

#include "bits/bit_helpers.h"
#include "bits/input_checks.h"
#include "bits/number_helpers.h"
#include "bits/sort_helpers.h"
#include "bits/text_helpers.h"
#include "bits_fixtures.h"
#include "platform/numtext.h"

namespace {

using platform::Variant;
using platform::VBool;
using vk_test::ErrorOf;

class CommaLocale : public ::testing::Test {
 protected:
  void SetUp() override { platform::SetDecimalSeparator(','); }
  void TearDown() override { platform::ResetDecimalSeparator(); }
};

TEST(BitHelpersTest, MasksSetsAndTests) {
  const std::vector<std::pair<std::int32_t, std::int32_t>> masks = {
      {0, 1}, {2, 4}, {30, 1 << 30}, {31, INT32_MIN}, {32, 0}, {-1, 0}};
  for (const auto& [n, mask] : masks) EXPECT_EQ(bits::BitMask(n), mask) << n;

  std::int32_t x = 0;
  bits::BitSet(x, 2, VBool(true));
  EXPECT_EQ(x, 4);
  EXPECT_EQ(bits::BitTest(x, 2).value, -1);
  EXPECT_EQ(bits::BitTest(x, 1).value, 0);
  bits::BitSet(x, 2, VBool(false));
  EXPECT_EQ(x, 0);
  x = 5;
  bits::BitSet(x, 40, VBool(true));
  bits::BitSet(x, 40, VBool(false));
  EXPECT_EQ(x, 5);
  x = 0;
  bits::BitSet(x, 31, VBool(true));
  EXPECT_EQ(x, INT32_MIN);
}

TEST(BitHelpersTest, PinsMapToTheirRegisterBits) {
  const std::vector<std::pair<std::int32_t, std::int32_t>> pins = {
      {10, 6}, {11, 7}, {14, 1}, {16, 2}, {17, 3}, {1, 0}, {2, 0}, {25, 0}, {-16, 0}};
  for (auto [pin, bit] : pins) EXPECT_EQ(bits::Bit_Equiv(pin), bit) << pin;
}

TEST(BitHelpersTest, BinaryTextLeavesTheVariableAtZero) {
  const std::vector<std::pair<std::int32_t, std::string>> rows = {
      {0, "0"}, {1, "1"}, {5, "101"}, {6, "110"}, {255, "11111111"}, {-5, "000"}};
  for (auto [dec, text] : rows) {
    EXPECT_EQ(bits::decimal_binaire(dec), text);
    EXPECT_EQ(dec, 0);
  }
}

TEST_F(CommaLocale, HexTextOfAByte) {
  const std::vector<std::pair<Variant, std::string>> rows = {
      {5, "05"}, {10, "0A"}, {171, "AB"}, {200, "C8"}, {255, "FF"}, {0, "00"}, {"16", "10"}};
  for (const auto& [value, hex] : rows) {
    Variant v = value;
    EXPECT_EQ(bits::NumToHex(v).toString(), hex) << value.toString();
  }
  Variant fraction = 5.5;  // not a byte: text that is not hexadecimal
  EXPECT_EQ(bits::NumToHex(fraction).toString(), ",5");
}

TEST(TextHelpersTest, OutChaineTakesAWordOutOfAList) {
  struct Row {
    Variant chaine, mot;
    std::string result;
    bool empty;
  };
  const std::vector<Row> rows = {
      {"X1 X2 Y1 Y2", "X1", "X2 Y1 Y2", false},
      {"X1 X2 Y1 Y2", "X2", "X1 Y1 Y2", false},
      {"X1 X2 Y1 Y2", "Y2", "X1 X2 Y1 ", false},
      {"X1 X2 Y1 Y2", "Y1", "X1 X2 Y2", false},
      {"X1", "X1", "", false},
      {"X1 X2", "Z9", "", true},
      {"X1AX2A", "X2A", "X1A", false},
      {"", "X1", "", true},
  };
  for (const Row& row : rows) {
    Variant c = row.chaine, m = row.mot;
    const Variant r = bits::Out_Chaine(c, m);
    EXPECT_EQ(r.isEmpty(), row.empty) << row.chaine.toString() << " - " << row.mot.toString();
    EXPECT_EQ(r.toString(), row.result) << row.chaine.toString() << " - " << row.mot.toString();
  }
}

TEST(TextHelpersTest, EscapesInTheirFixedOrder) {
  const std::vector<std::pair<std::string, std::string>> unescape = {
      {"un\\rdeux", "un\rdeux"}, {"un\\fdeux", "un\ndeux"}, {"a\\\\b", "a\\b"},
      {"a\\\\rb", "a\\\rb"},     {"a\\R\\F", "a\\R\\F"},    {"\\r\\f", "\r\n"},
  };
  for (auto [in, out] : unescape) EXPECT_EQ(bits::StringUnEscape(in), out) << in;
  std::string lineBreak = "a\r\nb\\c";
  EXPECT_EQ(bits::StringEscape(lineBreak), "a\\r\\fb\\\\c");
  for (std::string text : {"plain", "x\\y", "two\r\nlines\n", "\\\\"}) {
    std::string escaped = bits::StringEscape(text);
    EXPECT_EQ(bits::StringUnEscape(escaped), text);
  }
}

TEST(NumberHelpersTest, MathsAndTheirOverflow) {
  EXPECT_DOUBLE_EQ(bits::NombrePi().toDouble(), 3.141592653589793);
  float angle = 180;
  EXPECT_EQ(bits::DegreeToRadian(angle), 3.1415927f);
  angle = 90;
  EXPECT_EQ(bits::DegreeToRadian(angle), static_cast<float>(90 * 3.14159265358979 / 180));
  EXPECT_DOUBLE_EQ(bits::Sinh(1), (std::exp(1) - std::exp(-1)) / 2);
  EXPECT_DOUBLE_EQ(bits::Cosh(0), 1);
  EXPECT_DOUBLE_EQ(bits::Sinh(0), 0);
  EXPECT_EQ(ErrorOf([] { bits::Sinh(710); }), platform::err::Overflow);
  EXPECT_EQ(ErrorOf([] { bits::Cosh(-710); }), platform::err::Overflow);
}

TEST(NumberHelpersTest, MakeRandomIsTheRoundedRemainder) {
  struct Row {
    Variant value, max;
    std::int32_t result;
  };
  const std::vector<Row> rows = {{7.6, 5, 2}, {-7, 5, 1}, {12, 5, 0}, {2.5, 10, 2}, {3.5, 10, 4}};
  for (const Row& row : rows) {
    Variant v = row.value, m = row.max;
    EXPECT_EQ(bits::MakeRandom(v, m).toInt32(), row.result) << row.value.toString();
  }
  Variant v = 3, m = -1;
  EXPECT_EQ(ErrorOf([&] { bits::MakeRandom(v, m); }), platform::err::DivisionByZero);
}

TEST(NumberHelpersTest, IntegerRandomStaysInItsRange) {
  std::int16_t five = 5;
  EXPECT_EQ(bits::IntegerRandom(five, five), 5);
  std::int16_t lower = -3, upper = 4;
  for (int i = 0; i < 200; ++i) {
    const std::int16_t r = bits::IntegerRandom(lower, upper);
    EXPECT_GE(r, -3);
    EXPECT_LE(r, 4);
  }
  std::int16_t low = -32768, high = 32767;
  EXPECT_EQ(ErrorOf([&] { bits::IntegerRandom(low, high); }), platform::err::Overflow);
}

TEST_F(CommaLocale, CStrWritesPoints) {
  EXPECT_EQ(bits::CStr_(2.5), "2.5");
  EXPECT_EQ(bits::CStr_("1,2,3"), "1.2.3");
  EXPECT_EQ(bits::CStr_(true), "True");
}

TEST(SortHelpersTest, SwapsExchangeExactlyAndIntegerSwapRounds) {
  double a = 1.25, b = -2;
  EXPECT_TRUE(bits::DoubleSwap(a, b).isEmpty());
  EXPECT_EQ(a, -2);
  EXPECT_EQ(b, 1.25);
  float fa = 0.1f, fb = 3;
  bits::SingleSwap(fa, fb);
  EXPECT_EQ(fa, 3);
  EXPECT_EQ(fb, 0.1f);
  Variant va = 2.5, vb = "texte";
  EXPECT_TRUE(bits::IntegerSwap(va, vb).isEmpty());
  EXPECT_EQ(va.toString(), "texte");
  EXPECT_EQ(vb.type(), platform::VarType::I2);
  EXPECT_EQ(vb.toInt16(), 2);
}

TEST(SortHelpersTest, SortsKeysAndCarriesPointersWithTheirOwnBounds) {
  struct Row {
    std::vector<float> keys;
    std::int32_t lowerBound;
    std::int16_t first, last;
    std::vector<float> sortedKeys;
  };
  const std::vector<Row> rows = {
      {{3, 1, 2}, 0, 0, 2, {1, 2, 3}},
      {{3, 1, 2}, 1, 1, 3, {1, 2, 3}},
      {{5, 4, 3, 2, 1, 0, 9, 9, 1, -1}, -2, -2, 7, {-1, 0, 1, 1, 2, 3, 4, 5, 9, 9}},
      {{2, 1}, 0, 0, 1, {1, 2}},
      {{4, 3, 2, 1}, 0, 1, 2, {4, 2, 3, 1}},  // only the range moves
      {{7}, 0, 0, 0, {7}},
  };
  for (const Row& row : rows) {
    platform::FloatArray keys{row.lowerBound, row.keys};
    platform::Int16Array pointers{row.lowerBound, {}};
    for (std::size_t i = 0; i < row.keys.size(); ++i) {
      pointers.data.push_back(static_cast<std::int16_t>(i));
    }
    std::int16_t first = row.first, last = row.last;
    bits::SingleSort(keys, pointers, first, last);
    EXPECT_EQ(keys.data, row.sortedKeys);
    EXPECT_EQ(keys.lowerBound, row.lowerBound);
    for (std::size_t i = 0; i < row.keys.size(); ++i) {
      EXPECT_EQ(row.keys[static_cast<std::size_t>(pointers.data[i])], keys.data[i]);
    }
  }
  platform::FloatArray keys{0, {3, 1, 2}};
  platform::Int16Array pointers{0, {0, 1, 2}};
  std::int16_t first = 0, last = 3;
  EXPECT_EQ(ErrorOf([&] { bits::SingleSort(keys, pointers, first, last); }),
            platform::err::SubscriptOutOfRange);
}

TEST_F(CommaLocale, SetPointDecimalWritesAPoint) {
  const std::vector<std::pair<Variant, std::string>> rows = {
      {"3,25", "3.25"},   {" 3.5 ", "3.5"},   {7, "7.0000000"},
      {12, "12.0000000"}, {-3, "-3.0000000"}, {"1,2,3", "1.2,3"},
      {" 1,5 ", " 1.5 "}, {2.5, "2.5"},       {"12", "12.0000000"},
  };
  for (const auto& [value, text] : rows) {
    Variant v = value;
    EXPECT_EQ(bits::Set_Point_Decimal(v), text) << value.toString();
  }
  Variant word = "abc";
  EXPECT_EQ(ErrorOf([&] { bits::Set_Point_Decimal(word); }), platform::err::TypeMismatch);
}

}  // namespace

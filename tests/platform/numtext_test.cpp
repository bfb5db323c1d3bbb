#include "platform/numtext.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <cmath>
#include <limits>
#include <optional>
#include <string>

namespace {

using platform::DecimalSeparator;
using platform::ResetDecimalSeparator;
using platform::SetDecimalSeparator;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// Each test starts from a known separator and leaves none behind.
class NumText : public ::testing::Test {
 protected:
  void SetUp() override { SetDecimalSeparator('.'); }
  void TearDown() override { ResetDecimalSeparator(); }
};

struct StrictRow {
  const char* text;
  char separator;
  std::optional<double> value;
};

class StrictNumberRows : public NumText, public ::testing::WithParamInterface<StrictRow> {};

TEST_P(StrictNumberRows, ReadsWholeText) {
  const StrictRow& row = GetParam();
  SetDecimalSeparator(row.separator);
  EXPECT_EQ(platform::StrictNumber(row.text), row.value) << '"' << row.text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Rows, StrictNumberRows,
    ::testing::Values(StrictRow{"1.5", '.', 1.5}, StrictRow{" -2 ", '.', -2.0},
                      StrictRow{"+3", '.', 3.0}, StrictRow{"\t7\t", '.', 7.0},
                      StrictRow{"1e3", '.', 1000.0}, StrictRow{"1E-2", '.', 0.01},
                      StrictRow{"2.5e+1", '.', 25.0}, StrictRow{".5", '.', 0.5},
                      StrictRow{"5.", '.', 5.0}, StrictRow{"007", '.', 7.0},
                      StrictRow{"", '.', std::nullopt}, StrictRow{"  ", '.', std::nullopt},
                      StrictRow{"abc", '.', std::nullopt}, StrictRow{"1,5", '.', std::nullopt},
                      StrictRow{"1.5x", '.', std::nullopt}, StrictRow{"1 000", '.', std::nullopt},
                      StrictRow{"1.2.3", '.', std::nullopt}, StrictRow{"e5", '.', std::nullopt},
                      StrictRow{"1e", '.', std::nullopt}, StrictRow{"--1", '.', std::nullopt},
                      StrictRow{"- 1", '.', std::nullopt}, StrictRow{"-", '.', std::nullopt},
                      StrictRow{".", '.', std::nullopt}, StrictRow{"0x10", '.', std::nullopt},
                      StrictRow{"inf", '.', std::nullopt}, StrictRow{"nan", '.', std::nullopt},
                      StrictRow{"1e400", '.', std::nullopt}, StrictRow{"&H10", '.', std::nullopt},
                      StrictRow{"1,5", ',', 1.5}, StrictRow{"-0,01", ',', -0.01},
                      StrictRow{"1.5", ',', std::nullopt}, StrictRow{"250", ',', 250.0}));

struct ValRow {
  const char* text;
  double value;
};

class ValRows : public NumText, public ::testing::WithParamInterface<ValRow> {};

TEST_P(ValRows, ReadsLeadingNumber) {
  EXPECT_EQ(platform::Val(GetParam().text), GetParam().value) << '"' << GetParam().text << '"';
  SetDecimalSeparator(',');
  EXPECT_EQ(platform::Val(GetParam().text), GetParam().value) << "locale must not matter";
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ValRows,
    ::testing::Values(ValRow{"", 0}, ValRow{"12", 12}, ValRow{" 1 2 3", 123},
                      ValRow{"1\t2\n3", 123}, ValRow{"12abc", 12}, ValRow{"abc", 0},
                      ValRow{"1.5.3", 1.5}, ValRow{"1,5", 1}, ValRow{"-3.25", -3.25},
                      ValRow{"- 3", -3}, ValRow{"+4", 4}, ValRow{".5", 0.5}, ValRow{"-.5", -0.5},
                      ValRow{"1e3", 1000}, ValRow{"1 E 3", 1000}, ValRow{"1D2", 100},
                      ValRow{"1e", 1}, ValRow{"1e+", 1}, ValRow{"2E-2x", 0.02}, ValRow{"\r5", 0},
                      ValRow{"-", 0}, ValRow{"&HFF", 255}, ValRow{"&hff", 255},
                      ValRow{"&HFFFF", -1}, ValRow{"&H8000", -32768}, ValRow{"&H10000", 65536},
                      ValRow{"&HFFFFFFFF", -1}, ValRow{"&O17", 15}, ValRow{"&H1FFFFFFFF", 0},
                      ValRow{"&", 0}, ValRow{"1e400", 0}, ValRow{"True", 0}));

struct TextRow {
  double value;
  const char* point;  // with '.' as separator
  const char* comma;  // with ','
};

class NumberTextRows : public NumText, public ::testing::WithParamInterface<TextRow> {};

TEST_P(NumberTextRows, ShortestFormInLocale) {
  EXPECT_EQ(platform::NumberText(GetParam().value), GetParam().point);
  SetDecimalSeparator(',');
  EXPECT_EQ(platform::NumberText(GetParam().value), GetParam().comma);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, NumberTextRows,
    ::testing::Values(TextRow{0, "0", "0"}, TextRow{-0.0, "0", "0"}, TextRow{1, "1", "1"},
                      TextRow{250, "250", "250"}, TextRow{-2.5, "-2.5", "-2,5"},
                      TextRow{0.01, "0.01", "0,01"}, TextRow{0.1 + 0.2, "0.3", "0,3"},
                      TextRow{1.0 / 3, "0.333333333333333", "0,333333333333333"},
                      TextRow{2.0 / 3, "0.666666666666667", "0,666666666666667"},
                      TextRow{1e14, "100000000000000", "100000000000000"},
                      TextRow{1e15, "1E+15", "1E+15"},
                      TextRow{123456789012345678.0, "1.23456789012346E+17", "1,23456789012346E+17"},
                      TextRow{1e-4, "0.0001", "0,0001"}, TextRow{1e-5, "1E-05", "1E-05"},
                      TextRow{-1.5e-7, "-1.5E-07", "-1,5E-07"}, TextRow{1e100, "1E+100", "1E+100"},
                      TextRow{1.4286, "1.4286", "1,4286"}));

TEST_F(NumText, StrTextHasSignPlaceAndPoint) {
  SetDecimalSeparator(',');
  EXPECT_EQ(platform::StrText(1), " 1");
  EXPECT_EQ(platform::StrText(0), " 0");
  EXPECT_EQ(platform::StrText(-0.0), " 0");
  EXPECT_EQ(platform::StrText(-1), "-1");
  EXPECT_EQ(platform::StrText(2.5), " 2.5");
  EXPECT_EQ(platform::StrText(-0.25), "-0.25");
  EXPECT_EQ(platform::StrText(1e15), " 1E+15");
}

struct FixedRow {
  double value;
  int decimals;
  const char* text;
};

class FixedTextRows : public NumText, public ::testing::WithParamInterface<FixedRow> {};

// Halves go away from zero on the decimal text of the value: 1.005 is the
// text "1.005" and gives "1.01", although the double lies just below it.
TEST_P(FixedTextRows, RoundsDecimalValue) {
  EXPECT_EQ(platform::FixedText(GetParam().value, GetParam().decimals), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, FixedTextRows,
    ::testing::Values(FixedRow{1.2, 2, "1.20"}, FixedRow{0, 2, "0.00"}, FixedRow{1.005, 2, "1.01"},
                      FixedRow{2.675, 2, "2.68"}, FixedRow{-1.005, 2, "-1.01"},
                      FixedRow{0.125, 2, "0.13"}, FixedRow{0.005, 2, "0.01"},
                      FixedRow{0.004999, 2, "0.00"}, FixedRow{-0.001, 2, "0.00"},
                      FixedRow{-0.005, 2, "-0.01"}, FixedRow{999.995, 2, "1000.00"},
                      FixedRow{500.01, 2, "500.01"}, FixedRow{-500.01, 2, "-500.01"},
                      FixedRow{1e-10, 2, "0.00"}, FixedRow{2.5, 0, "3"}, FixedRow{-2.5, 0, "-3"},
                      FixedRow{0.5, 0, "1"}, FixedRow{0.4, 0, "0"}, FixedRow{123, 0, "123"},
                      FixedRow{1.5, -1, "2"}, FixedRow{0.1, 4, "0.1000"},
                      FixedRow{1e15, 2, "1000000000000000.00"},
                      FixedRow{123456.789, 1, "123456.8"}));

TEST_F(NumText, FixedTextUsesLocaleSeparator) {
  SetDecimalSeparator(',');
  EXPECT_EQ(platform::FixedText(1.2, 2), "1,20");
  EXPECT_EQ(platform::FixedText(-3.14159, 3), "-3,142");
  EXPECT_EQ(platform::FixedText(7, 0), "7");
}

struct RoundRow {
  double value;
  double rounded;
  std::optional<std::int16_t> int16;
  std::optional<std::int32_t> int32;
};

class RoundRows : public NumText, public ::testing::WithParamInterface<RoundRow> {};

TEST_P(RoundRows, HalvesToEven) {
  const RoundRow& row = GetParam();
  if (std::isnan(row.rounded)) {
    EXPECT_TRUE(std::isnan(platform::RoundHalfEven(row.value)));
  } else {
    EXPECT_EQ(platform::RoundHalfEven(row.value), row.rounded) << row.value;
  }
  EXPECT_EQ(platform::ToInt16(row.value), row.int16) << row.value;
  EXPECT_EQ(platform::ToInt32(row.value), row.int32) << row.value;
}

INSTANTIATE_TEST_SUITE_P(
    Rows, RoundRows,
    ::testing::Values(RoundRow{0.5, 0, 0, 0}, RoundRow{1.5, 2, 2, 2}, RoundRow{2.5, 2, 2, 2},
                      RoundRow{-0.5, 0, 0, 0}, RoundRow{-1.5, -2, -2, -2},
                      RoundRow{-2.5, -2, -2, -2}, RoundRow{2.4999, 2, 2, 2},
                      RoundRow{2.5000001, 3, 3, 3}, RoundRow{0.49999999999999994, 0, 0, 0},
                      RoundRow{32767.4, 32767, 32767, 32767},
                      RoundRow{32767.5, 32768, std::nullopt, 32768},
                      RoundRow{-32768.5, -32768, -32768, -32768},
                      RoundRow{-32769, -32769, std::nullopt, -32769},
                      RoundRow{2147483647.5, 2147483648.0, std::nullopt, std::nullopt},
                      RoundRow{-2147483648.5, -2147483648.0, std::nullopt, INT32_MIN},
                      RoundRow{1e300, 1e300, std::nullopt, std::nullopt},
                      RoundRow{kNaN, kNaN, std::nullopt, std::nullopt}));

// The separator comes from LC_ALL, then LC_NUMERIC, then LANG; a locale the
// system has not installed is still known by its language.
class LocaleSeparator : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* name : kVariables) {
      const char* value = ::getenv(name);
      saved_.push_back(value ? std::optional<std::string>(value) : std::nullopt);
    }
  }
  void TearDown() override {
    for (std::size_t i = 0; i < saved_.size(); ++i) {
      if (saved_[i]) {
        ::setenv(kVariables[i], saved_[i]->c_str(), 1);
      } else {
        ::unsetenv(kVariables[i]);
      }
    }
    ResetDecimalSeparator();
  }
  static char SeparatorWith(const char* all, const char* numeric, const char* lang) {
    const char* values[] = {all, numeric, lang};
    for (std::size_t i = 0; i < 3; ++i) {
      if (values[i]) {
        ::setenv(kVariables[i], values[i], 1);
      } else {
        ::unsetenv(kVariables[i]);
      }
    }
    ResetDecimalSeparator();
    return DecimalSeparator();
  }
  static constexpr const char* kVariables[] = {"LC_ALL", "LC_NUMERIC", "LANG"};

 private:
  std::vector<std::optional<std::string>> saved_;
};

TEST_F(LocaleSeparator, FollowsEnvironment) {
  EXPECT_EQ(SeparatorWith(nullptr, nullptr, nullptr), '.');
  EXPECT_EQ(SeparatorWith("C", nullptr, "fr_FR.UTF-8"), '.');
  EXPECT_EQ(SeparatorWith("POSIX", nullptr, nullptr), '.');
  EXPECT_EQ(SeparatorWith("C.UTF-8", nullptr, nullptr), '.');
  EXPECT_EQ(SeparatorWith("fr_FR.UTF-8", nullptr, nullptr), ',');
  EXPECT_EQ(SeparatorWith("", "fr_FR.UTF-8", "en_US.UTF-8"), ',');
  EXPECT_EQ(SeparatorWith("", "", "de_DE@euro"), ',');
  EXPECT_EQ(SeparatorWith(nullptr, nullptr, "es_ES"), ',');
  EXPECT_EQ(SeparatorWith(nullptr, nullptr, "es_MX.UTF-8"), '.');
  EXPECT_EQ(SeparatorWith(nullptr, nullptr, "de_CH.UTF-8"), '.');
  EXPECT_EQ(SeparatorWith("en_US.UTF-8", "fr_FR.UTF-8", nullptr), '.');
  EXPECT_EQ(SeparatorWith(nullptr, nullptr, "en_GB.UTF-8"), '.');
}

TEST_F(LocaleSeparator, OverrideWinsUntilReset) {
  SeparatorWith("fr_FR.UTF-8", nullptr, nullptr);
  SetDecimalSeparator('.');
  EXPECT_EQ(DecimalSeparator(), '.');
  EXPECT_EQ(platform::NumberText(0.5), "0.5");
  ResetDecimalSeparator();
  EXPECT_EQ(DecimalSeparator(), ',');
  EXPECT_EQ(platform::NumberText(0.5), "0,5");
}

}  // namespace

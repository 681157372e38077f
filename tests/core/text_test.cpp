// Text and number routines: cutting, testing, rounding, dates and number formats.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "core/ansi.h"
#include "core/text.h"

using core::Text;

namespace {
std::string u8(const Text& t) { return core::toUtf8(t); }
}  // namespace

TEST(TextCut, LeftRightMid) {
  struct Case {
    const char* name;
    Text got;
    Text want;
  } cases[] = {
      {"left 0", core::LeftChars(u"abc", 0), u""},
      {"left past length", core::LeftChars(u"abc", 9), u"abc"},
      {"left of empty", core::LeftChars(u"", 3), u""},
      {"left 2", core::LeftChars(u"abc", 2), u"ab"},
      {"right 2 of an amount", core::RightChars(u"12,5", 2), u",5"},
      {"right past length", core::RightChars(u"12,5", 9), u"12,5"},
      {"right 0", core::RightChars(u"12,5", 0), u""},
      {"right of empty", core::RightChars(u"", 2), u""},
      {"mid of a VAT number", core::MidChars(u"01234567890", 8, 3), u"789"},
      {"mid position 0 is 1", core::MidChars(u"abcdef", 0, 2), u"ab"},
      {"mid one past the length", core::MidChars(u"abc", 4, 1), u""},
      {"mid at the last char", core::MidChars(u"abc", 3, 5), u"c"},
      {"mid count past the end", core::MidChars(u"abcdef", 4, 100), u"def"},
      {"mid count 0", core::MidChars(u"abc", 2, 0), u""},
      {"mid far past", core::MidChars(u"abc", 65535, 65535), u""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(u8(c.got), u8(c.want));
  }
}

TEST(TextTests, IsAllDigits) {
  EXPECT_TRUE(core::IsAllDigits(u""));
  EXPECT_TRUE(core::IsAllDigits(u"0123"));
  EXPECT_FALSE(core::IsAllDigits(u"12 3"));
  EXPECT_FALSE(core::IsAllDigits(u"-12"));
  EXPECT_FALSE(core::IsAllDigits(u"1,2"));
  EXPECT_FALSE(core::IsAllDigits(u"\u0661\u0662"));  // Arabic-Indic digits
  EXPECT_FALSE(core::IsAllDigits(u"\uFF11"));        // full-width one
}

TEST(TextTests, TrimRemovesOnlyCharactersUpToBlank) {
  EXPECT_EQ(u8(core::trim(u"\x01\t ab c\x1F \r\n")), "ab c");
  EXPECT_EQ(u8(core::trim(u"   ")), "");
  EXPECT_EQ(u8(core::trim(u"")), "");
  // No-break and ideographic spaces are not trimmed.
  EXPECT_EQ(core::trim(u"\u00A0x\u3000"), u"\u00A0x\u3000");
  EXPECT_EQ(core::trim(u"!x!"), u"!x!");
}

TEST(TextTests, CaseFoldingTouchesOnlyAtoZ) {
  EXPECT_EQ(core::upperAZ(u"abz àèé ß1"), u"ABZ àèé ß1");
  EXPECT_EQ(core::lowerAZ(u"ABZ ÀÈÉ"), u"abz ÀÈÉ");
}

TEST(TextRound, RoundToDecimals) {
  struct Case {
    double value;
    int decimals;
    double want;
  } cases[] = {
      {2.5, 0, 3},       {0.5, 0, 1},         {12.34567, 4, 12.3457}, {7, 4, 7},
      {0.125, 2, 0.13},  {1.005, 2, 1.0},     {2.4, 0, 2},            {12.345, 4, 12.345},
      {1.99999, 4, 2.0}, {0.00001, 4, 0.0},   {123.456, -1, 123.0},   {-2.4, 0, -1},
      {-2.6, 0, -2},     {-2.7, 0, -2},  // negatives keep the formula: the sums that rely on it
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.value) + " @" + std::to_string(c.decimals));
    EXPECT_EQ(core::RoundToDecimals(c.value, c.decimals), c.want);
  }
}

TEST(TextDates, IsValidDateText) {
  struct Case {
    const char16_t* text;
    bool valid;
  } cases[] = {
      {u"", false},           {u"abc", false},        {u"31/04/2023", false}, {u"29/02/2023", false},
      {u"29/02/2024", true},  {u"29/02/1900", false}, {u"29/02/2000", true},  {u"01/01/2024", true},
      {u"31/12/9999", true},  {u"00/01/2024", false}, {u"01/13/2024", false}, {u"01-01-2024", false},
      {u"01/01/24", false},   {u"01/01", false},      {u"1/2/2024", true},    {u"01/01/2024/", false},
      {u"001/01/2024", false}, {u" 01/01/2024", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(u8(c.text));
    EXPECT_EQ(core::IsValidDateText(c.text), c.valid);
  }
}

TEST(TextDates, FormatAlwaysDdMmYyyyWithSlash) {
  EXPECT_EQ(u8(core::formatDate({1, 2, 2024})), "01/02/2024");
  EXPECT_EQ(u8(core::formatDate({31, 12, 999})), "31/12/0999");
  const auto parsed = core::parseDate(u"5/3/2024");
  ASSERT_TRUE(parsed);
  EXPECT_EQ(u8(core::formatDate(*parsed)), "05/03/2024");
}

TEST(TextDates, SerialCountsDays) {
  const core::Date a{28, 2, 2024}, b{1, 3, 2024};
  EXPECT_EQ(b.serial() - a.serial(), 2);  // leap year
  EXPECT_EQ(core::Date({1, 1, 2024}).serial() - core::Date({31, 12, 2023}).serial(), 1);
  for (const core::Date d : {core::Date{1, 1, 1}, core::Date{29, 2, 2000}, core::Date{31, 12, 9999}}) {
    EXPECT_EQ(core::Date::fromSerial(d.serial()), d);
  }
  EXPECT_EQ(core::Date({1, 1, 1}).serial(), 0);
}

TEST(TextDates, DatesCompareInCalendarOrder) {
  EXPECT_LT(core::Date({31, 3, 2024}), core::Date({1, 4, 2024}));
  EXPECT_LT(core::Date({31, 12, 2023}), core::Date({1, 1, 2024}));
  EXPECT_LT(core::Date({4, 3, 2024}), core::Date({5, 3, 2024}));
  EXPECT_EQ(core::Date({5, 3, 2024}) <=> core::Date({5, 3, 2024}), std::strong_ordering::equal);
}

TEST(TextNumbers, GeneralFormat) {
  struct Case {
    double value;
    const char* want;
  } cases[] = {
      {0, "0"},
      {12, "12"},
      {12.5, "12,5"},
      {-2.5, "-2,5"},
      {0.1 + 0.2, "0,3"},
      {1.0 / 3, "0,333333333333333"},
      {2.0 / 3, "0,666666666666667"},
      {123456.7, "123456,7"},
      {1e14, "100000000000000"},
      {999999999999999, "999999999999999"},
      {1e15, "1E15"},
      {1.5e20, "1,5E20"},
      {0.00001, "0,00001"},
      {0.000123, "0,000123"},
      {0.000001, "1E-6"},
      {1.25e-7, "1,25E-7"},
      {0.9999999999999999, "1"},
      {1234.5678, "1234,5678"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.want);
    EXPECT_EQ(u8(core::formatGeneral(c.value)), c.want);
  }
}

TEST(TextNumbers, ParseDecimal) {
  struct Case {
    const char16_t* text;
    std::optional<double> want;
  } cases[] = {
      {u"1,5", 1.5},    {u",5", 0.5},         {u"5,", 5.0},       {u"-3", -3.0},   {u" 7 ", 7.0},
      {u"1.5", {}},     {u"1.000", {}},       {u"1 5", {}},       {u",", {}},      {u",,", {}},
      {u"1,2,3", {}},   {u"", {}},            {u"abc", {}},       {u"1E3", 1000.0}, {u"1E", {}},
      {u"+2", 2.0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(u8(c.text));
    EXPECT_EQ(core::parseDecimal(c.text), c.want);
    // The stored bytes of the same text read the same.
    EXPECT_EQ(core::parseDecimal(core::toAnsi(c.text)), c.want);
  }
  // A byte past ASCII is no part of a number, and a long text of digits still is one.
  EXPECT_EQ(core::parseDecimal("12\xE0"), std::nullopt);
  EXPECT_EQ(core::parseDecimal(" \t12,5\x20"), 12.5);
  EXPECT_EQ(core::parseDecimal(core::Text(400, u'0') + u"1"), 1.0);
}

TEST(TextDates, StoredBytesReadAsTheText) {
  for (const char* text : {"12/03/2024", "1/3/2024", "31/02/2024", "12/03/24", " 12/03/2024", "12-03-2024", "",
                           "\xB1" "2/03/2024"}) {
    SCOPED_TRACE(text);
    EXPECT_EQ(core::parseDate(std::string_view(text)), core::parseDate(core::fromAnsi(text)));
  }
  EXPECT_EQ(core::parseDate(std::string_view("05/03/2024")), (core::Date{5, 3, 2024}));
}

TEST(TextNumbers, AmountNormaliser) {
  struct Case {
    const char16_t* text;
    const char* want;
  } cases[] = {
      {u"", "0,00"},
      {u"   ", "0,00"},
      {u"12", "12,00"},
      {u"12,5", "12,50"},
      {u"12,345", "12,345"},
      {u"1,23456", "1,2346"},
      {u"0012", "12,00"},
      {u"0,00001", "0,00"},
      {u"abc", "0,00"},
      {u",,", "0,00"},
      {u"7", "7,00"},
      {u"7,1", "7,10"},
      {u"1,99999", "2,00"},
      {u"123456789012345", "123456789012345,00"},
      {u"1.000", "0,00"},
      {u" 5 ", "5,00"},
      {u"0", "0,00"},
      {u"0,5", "0,50"},
      {u"3,10", "3,10"},
      // A negative amount is the mirror image of its absolute value.
      {u"-7", "-7,00"},
      {u"-12,5", "-12,50"},
      {u"-12,345", "-12,345"},
      {u"-1,23456", "-1,2346"},
      {u"-1,99999", "-2,00"},
      {u"-0,00005", "-0,0001"},
      {u" -5 ", "-5,00"},
      {u"-123456789012345", "-123456789012345,00"},
      // Nothing left after rounding is no negative amount.
      {u"-0", "0,00"},
      {u"-0,00001", "0,00"},
      {u"-", "0,00"},
      {u"--7", "0,00"},
      {u"- 7", "0,00"},
      {u"+7", "7,00"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(u8(c.text));
    EXPECT_EQ(u8(core::normaliseAmount(c.text)), c.want);
  }
}

TEST(TextUtf, RoundTrip) {
  const Text t = u"Sì à € \U0001F600 z";
  EXPECT_EQ(core::fromUtf8(core::toUtf8(t)), t);
}

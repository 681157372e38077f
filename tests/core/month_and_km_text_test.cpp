// Month names and numbers, the date composed from day and month combos, and the
// kilometre normaliser.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "core/text.h"

using core::Text;

namespace {

std::string u8(core::TextView t) { return core::toUtf8(t); }

TEST(MonthText, NameToNumberTrimmedWithAToZFolded) {
  struct Case {
    Text name;
    std::optional<int> number;
  } cases[] = {
      {u"gennaio", 1},       {u"Gennaio", 1},    {u" MARZO ", 3},     {u"\tDicembre\r\n", 12},
      {u"sEtTeMbRe", 9},     {u"ottobre", 10},   {u"", std::nullopt}, {u"   ", std::nullopt},
      {u"mar", std::nullopt}, {u"marzo.", std::nullopt}, {u"ma rzo", std::nullopt},
      {u"January", std::nullopt}, {u"\u00C0prile", std::nullopt},  // only A-Z fold: À stays
      {u"03", std::nullopt},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(u8(c.name));
    EXPECT_EQ(core::monthNumber(c.name), c.number);
  }
  for (int m = 1; m <= 12; ++m) {
    SCOPED_TRACE(m);
    EXPECT_EQ(core::monthNumber(core::monthName(m)), m);
  }
  EXPECT_EQ(core::monthName(1), u"Gennaio");
  EXPECT_EQ(core::monthName(5), u"Maggio");
  EXPECT_EQ(core::monthName(12), u"Dicembre");
  EXPECT_TRUE(core::monthName(0).empty());
  EXPECT_TRUE(core::monthName(13).empty());
}

TEST(MonthText, ComposedDateIsDaySlashMonthNumberSlashYear) {
  struct Case {
    const char* name;
    Text day, month, year, date;
    bool valid;
  } cases[] = {
      {"pieces trimmed", u" 05 ", u"Marzo", u" 2024 ", u"05/03/2024", true},
      {"month in any case", u"01", u"DICEMBRE", u"2023", u"01/12/2023", true},
      {"leap day of a leap year", u"29", u"Febbraio", u"2024", u"29/02/2024", true},
      {"leap day of a common year", u"29", u"febbraio", u"2023", u"29/02/2023", false},
      {"30 February composes, then fails", u"30", u"Febbraio", u"2024", u"30/02/2024", false},
      {"31 April", u"31", u"Aprile", u"2024", u"31/04/2024", false},
      {"year 0000", u"05", u"Ottobre", u"0000", u"05/10/0000", false},
      {"unknown month gives nothing", u"05", u"Marzoo", u"2024", u"", false},
      {"empty month gives nothing", u"05", u"", u"2024", u"", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const Text date = core::composeDate(c.day, c.month, c.year);
    EXPECT_EQ(u8(date), u8(c.date));
    EXPECT_EQ(core::IsValidDateText(date), c.valid);
  }
}

TEST(KmNormaliser, WholeNumberInTheGeneralFormatOrZero) {
  struct Case {
    Text typed;
    Text want;
  } cases[] = {
      {u"", u"0"},
      {u"   ", u"0"},
      {u"042", u"42"},
      {u" 7 ", u"7"},
      {u"12,5", u"13"},
      {u"12,49", u"12"},
      {u"12,4999", u"12"},
      {u"2,5", u"3"},
      {u"0,4", u"0"},
      {u"12a", u"0"},
      {u",", u"0"},
      {u"1,5,5", u"0"},
      {u"12.5", u"0"},  // the full stop is no decimal separator
      {u"999999999999999", u"999999999999999"},
      {u"1234567890123456", u"1,23456789012346E15"},  // 16 digits: the exponent form
      {u"-12,5", u"-13"},                              // halves away from zero both ways
      {u"-0,4", u"0"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(u8(c.typed));
    EXPECT_EQ(u8(core::normaliseKm(c.typed)), u8(c.want));
  }
}

}  // namespace

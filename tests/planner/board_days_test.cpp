// The days of the booking board: order, keys, names, prefixes, dates and headings.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "planner/board_days.h"

using planner::BoardDay;
using planner::boardDays;

namespace {

std::string ascii(core::TextView t) { return std::string(t.begin(), t.end()); }

TEST(BoardDays, ThreeHundredSixtySixInCalendarOrderWithTheTwentyNinthOfFebruary) {
  const auto days = boardDays();
  ASSERT_EQ(days.size(), 366u);
  struct Case {
    int index, month, day;
    const char* key;
    const char* suffix;
    const char* name;
    const char* prefix;
  };
  const Case cases[] = {
      {0, 1, 1, "gen_01", "Gen_01", "gennaio", "01 gennaio     "},
      {30, 1, 31, "gen_31", "Gen_31", "gennaio", "31 gennaio     "},
      {58, 2, 28, "feb_28", "Feb_28", "febbraio", "28 febbraio    "},
      {59, 2, 29, "feb_29", "Feb_29", "febbraio", "29 febbraio    "},
      {60, 3, 1, "mar_01", "Mar_01", "marzo", "01 marzo       "},
      {64, 3, 5, "mar_05", "Mar_05", "marzo", "05 marzo       "},
      {252, 9, 9, "set_09", "Set_09", "settembre", "09 settembre   "},
      {273, 9, 30, "set_30", "Set_30", "settembre", "30 settembre   "},
      {274, 10, 1, "ott_01", "Ott_01", "ottobre", "01 ottobre     "},
      {334, 11, 30, "nov_30", "Nov_30", "novembre", "30 novembre    "},
      {365, 12, 31, "dic_31", "Dic_31", "dicembre", "31 dicembre    "},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.key);
    const BoardDay& d = days[static_cast<std::size_t>(c.index)];
    EXPECT_EQ(d.index, c.index);
    EXPECT_EQ(d.month, c.month);
    EXPECT_EQ(d.day, c.day);
    EXPECT_EQ(d.key, c.key);
    EXPECT_EQ(d.suffix, c.suffix);
    EXPECT_EQ(ascii(d.monthName), c.name);
    EXPECT_EQ(ascii(d.summaryPrefix), c.prefix);
  }

  // Each day once, each month with its cells, every prefix 15 characters, in order.
  std::set<std::string_view> keys;
  int previous = 0;
  for (const BoardDay& d : days) {
    keys.insert(d.key);
    EXPECT_EQ(d.summaryPrefix.size(), 15u) << d.key;
    EXPECT_GT(d.month * 100 + d.day, previous) << d.key;
    previous = d.month * 100 + d.day;
  }
  EXPECT_EQ(keys.size(), 366u);
  const int lengths[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  for (int m = 1; m <= 12; ++m) EXPECT_EQ(planner::boardMonthLength(m), lengths[m - 1]) << m;
  EXPECT_EQ(planner::monthCode(8), "Ago");
  EXPECT_EQ(ascii(planner::monthTitle(9)), "SETTEMBRE:");
}

TEST(BoardDays, AKeyNamesItsDayExactly) {
  struct Case {
    const char16_t* key;
    int index;  // -1: no day
  };
  const Case cases[] = {
      {u"gen_01", 0},  {u"feb_29", 59}, {u"dic_31", 365}, {u"ott_01", 274},
      {u"Gen_01", -1}, {u"gen_1", -1},  {u"gen_32", -1},  {u"feb_30", -1},
      {u"apr_31", -1}, {u"gen_00", -1}, {u" gen_01", -1}, {u"gen_01 ", -1},
      {u"lblMemory", -1}, {u"", -1},    {u"xyz_01", -1},  {u"gen-01", -1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(ascii(c.key));
    const BoardDay* d = planner::dayOfKey(c.key);
    if (c.index < 0) {
      EXPECT_EQ(d, nullptr);
    } else {
      ASSERT_NE(d, nullptr);
      EXPECT_EQ(d->index, c.index);
    }
  }
  // Every day is found by its own key.
  for (const BoardDay& d : boardDays()) {
    const core::Text key(d.key.begin(), d.key.end());
    EXPECT_EQ(planner::dayOfKey(key), &d) << d.key;
  }
}

TEST(BoardDays, BookedMeansATextThatIsNotBlank) {
  EXPECT_TRUE(planner::isBooked(u"Rossi"));
  EXPECT_TRUE(planner::isBooked(u"  Rossi 333 "));
  EXPECT_FALSE(planner::isBooked(u""));
  EXPECT_FALSE(planner::isBooked(u"     "));
  EXPECT_FALSE(planner::isBooked(u"\t \r\n"));
}

TEST(BoardDays, TheTwentyNinthOfFebruaryExistsInLeapYearsOnly) {
  const BoardDay& leapDay = boardDays()[59];
  ASSERT_TRUE(leapDay.isLeapDay());
  struct Case {
    const char16_t* year;
    bool exists;
  };
  const Case cases[] = {{u"2024", true}, {u"2000", true},  {u"2023", false}, {u"1900", false},
                        {u"2100", false}, {u"", false},    {u"24", false},   {u"abcd", false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(ascii(c.year));
    EXPECT_EQ(planner::dateIn(leapDay, c.year).has_value(), c.exists);
  }
  // Always dd/mm/yyyy with "/".
  EXPECT_EQ(ascii(planner::dateText(leapDay, u"2023")), "29/02/2023");
  EXPECT_EQ(ascii(planner::dateText(boardDays()[0], u"2024")), "01/01/2024");
  EXPECT_EQ(planner::dateIn(boardDays()[365], u"2023"), (core::Date{31, 12, 2023}));
}

TEST(BoardDays, AnIntervalTakesTheDaysOfItsYearBothEndsIncluded) {
  const auto date = [](int d, int m, int y) { return core::Date{d, m, y}; };
  struct Case {
    const char16_t* key;
    const char16_t* year;
    core::Date start, end;
    bool in;
  };
  const Case cases[] = {
      {u"feb_29", u"2024", date(25, 2, 2024), date(5, 3, 2024), true},    // inside a leap year's run
      {u"feb_29", u"2023", date(25, 2, 2023), date(5, 3, 2023), false},   // never in a common year
      {u"feb_29", u"2024", date(29, 2, 2024), date(29, 2, 2024), true},
      {u"feb_28", u"2024", date(29, 2, 2024), date(1, 3, 2024), false},
      {u"mar_10", u"2025", date(10, 3, 2025), date(10, 3, 2025), true},   // both ends included
      {u"mar_09", u"2025", date(10, 3, 2025), date(10, 3, 2025), false},
      {u"mar_11", u"2025", date(10, 3, 2025), date(10, 3, 2025), false},
      {u"gen_01", u"2024", date(1, 1, 2024), date(31, 12, 2024), true},
      {u"dic_31", u"2024", date(1, 1, 2024), date(31, 12, 2024), true},
      {u"gen_01", u"2025", date(1, 1, 2024), date(31, 12, 2024), false},  // the day's own year counts
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(ascii(c.key) + " " + ascii(c.year));
    EXPECT_EQ(planner::inInterval(*planner::dayOfKey(c.key), c.year, c.start, c.end), c.in);
  }
}

TEST(BoardDays, HeadingWritesTheDayWithoutALeadingZero) {
  EXPECT_EQ(ascii(planner::dayHeading(*planner::dayOfKey(u"set_09"), u"2024")), "Prenotazione del 9 settembre 2024");
  EXPECT_EQ(ascii(planner::dayHeading(*planner::dayOfKey(u"ott_01"), u"2025")), "Prenotazione del 1 ottobre 2025");
  EXPECT_EQ(ascii(planner::dayHeading(*planner::dayOfKey(u"giu_27"), u"")), "Prenotazione del 27 giugno ");
}

}  // namespace

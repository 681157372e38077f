// The imminent rule of the maintenance schedule: D - W <= today <= D in whole days.
#include <gtest/gtest.h>

#include <string>

#include "core/due_dates.h"

using core::Date;
using core::Imminence;
using core::Text;

namespace {

TEST(Imminent, WithinTheWarningDaysUpToTheDeadlineItself) {
  const Date today{10, 3, 2024};
  struct Case {
    const char* name;
    Text date, warning;
    Imminence want;
  } cases[] = {
      {"warning 0 on its own day", u"10/03/2024", u"0", Imminence::Yes},
      {"warning 0 the day before", u"11/03/2024", u"0", Imminence::No},
      {"yesterday, whatever the warning", u"09/03/2024", u"999", Imminence::No},
      {"today, whatever the warning", u"10/03/2024", u"999", Imminence::Yes},
      {"in 10 days with 10", u"20/03/2024", u"10", Imminence::Yes},
      {"in 10 days with 9", u"20/03/2024", u"9", Imminence::No},
      {"in 10 days with 11", u"20/03/2024", u"11", Imminence::Yes},
      {"texts are trimmed", u" 20/03/2024 ", u" 10 ", Imminence::Yes},
      {"a sign is allowed", u"12/03/2024", u"+2", Imminence::Yes},
      {"negative warning never reaches today", u"10/03/2024", u"-1", Imminence::No},
      {"last year's date", u"10/03/2023", u"400", Imminence::No},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(core::checkImminent(c.date, c.warning, today), c.want);
  }
}

TEST(Imminent, WholeDaysAcrossMonthsLeapDaysAndYears) {
  struct Case {
    const char* name;
    Text date, warning;
    Date today;
    Imminence want;
  } cases[] = {
      {"1 March minus 2 is 28 February in a leap year", u"01/03/2024", u"2", {28, 2, 2024}, Imminence::Yes},
      {"1 March minus 1 is 29 February in a leap year", u"01/03/2024", u"1", {28, 2, 2024}, Imminence::No},
      {"1 March minus 1 is 28 February in a common year", u"01/03/2023", u"1", {28, 2, 2023}, Imminence::Yes},
      // The rule looks across the year's end; the schedule only ever reads the current
      // year's file, which is what keeps a January deadline out of December's alert.
      {"January deadline in December within its window", u"10/01/2025", u"30", {20, 12, 2024}, Imminence::Yes},
      {"January deadline in December outside its window", u"10/01/2025", u"5", {20, 12, 2024}, Imminence::No},
      {"2 January with 5 on 30 December", u"02/01/2025", u"5", {30, 12, 2024}, Imminence::Yes},
      {"31 December seen on 1 January after", u"31/12/2024", u"5", {1, 1, 2025}, Imminence::No},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(core::checkImminent(c.date, c.warning, c.today), c.want);
  }
}

TEST(Imminent, CannotSayWhenTheDateOrTheWarningDaysDoNotConvert) {
  const Date today{10, 3, 2024};
  struct Case {
    const char* name;
    Text date, warning;
  } cases[] = {
      {"empty date", u"", u"10"},
      {"impossible date", u"31/02/2024", u"10"},
      {"not a date", u"domani", u"10"},
      {"other separator", u"10-03-2024", u"10"},
      {"empty warning", u"10/03/2024", u""},
      {"blank warning", u"10/03/2024", u"   "},
      {"letters in the warning", u"10/03/2024", u"1a"},
      {"decimal warning", u"10/03/2024", u"1,5"},
      {"sign alone", u"10/03/2024", u"-"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(core::checkImminent(c.date, c.warning, today), Imminence::CannotSay);
  }
}

}  // namespace

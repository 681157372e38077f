// The program's clock: pinned in tests, back to the system clock afterwards.
#include <gtest/gtest.h>

#include "core/clock.h"

TEST(Clock, PinnedTodayAndNowUntilThePinEndsThenTheEarlierClock) {
  const core::DateTime first{{29, 2, 2024}, 23, 59, 58};
  {
    core::PinnedClock pin(first);
    EXPECT_EQ(core::now(), first);
    EXPECT_EQ(core::today(), (core::Date{29, 2, 2024}));
    {
      core::PinnedClock inner(core::Date{1, 1, 2025});
      EXPECT_EQ(core::today(), (core::Date{1, 1, 2025}));
    }
    EXPECT_EQ(core::now(), first);  // the outer pin again, not the system clock
  }
  // The system clock: some valid day of this century, not the pinned one.
  const core::Date today = core::today();
  EXPECT_TRUE(today.valid());
  EXPECT_GE(today.year, 2024);
  EXPECT_NE(today, first.date);
}

TEST(Clock, AReplacedClockIsAskedAtEachReading) {
  int seconds = 0;
  core::setClock([&] { return core::DateTime{{5, 3, 2024}, 8, 0, seconds++}; });
  EXPECT_EQ(core::now().second, 0);
  EXPECT_EQ(core::now().second, 1);
  core::setClock({});
  EXPECT_EQ(seconds, 2);
  EXPECT_TRUE(core::today().valid());
}

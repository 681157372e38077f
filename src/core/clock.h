#pragma once
// Today's date and the time now, on the local clock. Everything that shows, stores or
// compares today's date or the current time reads it here, never the system clock
// directly, so that a test can pin the day.
#include <functional>

#include "core/text.h"

namespace core {

// A local date and time of day, to the second.
struct DateTime {
  Date date;
  int hour = 0, minute = 0, second = 0;
  bool operator==(const DateTime&) const = default;
};

// The local calendar date of today.
Date today();
// The local date and time now.
DateTime now();

// Replaces the clock: today() and now() ask `clock` from now on. An empty function puts
// the system clock back.
void setClock(std::function<DateTime()> clock);

// Pins the clock to one moment for as long as it lives, then puts back the clock that
// was there before (tests).
class PinnedClock {
 public:
  explicit PinnedClock(const DateTime& at);
  explicit PinnedClock(const Date& day) : PinnedClock(DateTime{day, 12, 0, 0}) {}
  ~PinnedClock();
  PinnedClock(const PinnedClock&) = delete;
  PinnedClock& operator=(const PinnedClock&) = delete;

 private:
  std::function<DateTime()> previous_;
};

}  // namespace core

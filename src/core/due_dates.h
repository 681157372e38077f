#pragma once
// Which vehicles a due-date list shows: those whose date has passed or falls within
// the next seven days of today (core/clock).
#include "core/clock.h"
#include "core/text.h"

namespace core {

// Whether a due date kept as text (dd/mm/yyyy) is due by `today` + 7 days, both
// sides whole days. An empty text is never due; neither is a text that is not a
// valid date (that vehicle is left out and the list goes on).
bool IsDueWithinWeek(TextView dateText, const Date& today);

}  // namespace core

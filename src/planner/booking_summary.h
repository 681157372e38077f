#pragma once
// The lines of the booking summary: one per booked day of the board, in calendar order
// (29 February between 28 February and 1 March, whatever the year), each the day's
// fixed 15-character date and its booking text trimmed ("05 marzo       Rossi").
//
// Plain C++ on purpose (no Qt).
#include <functional>

#include "core/search_filter.h"
#include "core/text.h"
#include "planner/board_days.h"

namespace planner {

// The summary line of `day` holding `text` (trimmed here): its date prefix + the text.
core::Text summaryLine(const BoardDay& day, core::TextView text);

// The summary lines of the days whose text, as `textOf` gives it, is not blank once
// trimmed, in calendar order. The year is never looked at: a text the 29 February
// cell holds is listed in a common year too.
core::LineList summaryLines(const std::function<core::Text(const BoardDay&)>& textOf);

}  // namespace planner

#pragma once
// The days of the booking board, the one list of them in the program: 366 days in
// calendar order, February always with 29 (the 29th keeps its cell and its slot in the
// planner file in a common year too). The board, its day-cell openers, the booking
// dialogs, the booking summary and the board print all take the days from here.
//
// Plain C++ on purpose (no Qt).
#include <optional>
#include <span>
#include <string_view>

#include "core/text.h"
#include "planner/booking_plan_record.h"

namespace planner {

struct BoardDay {
  int index = 0;  // 0 (1 January) .. 365 (31 December): the day's slot in the planner file
  int month = 0;  // 1 .. 12
  int day = 0;    // 1 .. 31
  // "gen_01": the month code in lower case, "_", the day in two digits; the key word
  // the single-day dialog is opened with.
  std::string_view key;
  // "Gen_01": the day cell's controls are "lib", "occ" and "mem" + this (the free
  // picture, the booked picture, the booking text); the print's mark is "txt" + this.
  std::string_view suffix;
  // "gennaio": the month's name in lower case, as the dialog's heading writes it.
  core::TextView monthName;
  // "01 gennaio     ": the date the booking summary puts before the day's text, always
  // 15 characters.
  core::TextView summaryPrefix;

  bool isLeapDay() const { return month == 2 && day == 29; }
};

// The 366 days, 1 January first, 29 February between 28 February and 1 March.
std::span<const BoardDay, kBoardDays> boardDays();

// The day whose key equals `key` exactly (case-sensitive, nothing trimmed): "gen_01"
// and "feb_29" are days; "Gen_01", "gen_1", "gen_32", " gen_01" are none (null).
const BoardDay* dayOfKey(core::TextView key);

// Month m (1 .. 12) on the board: its code with a capital initial ("Gen"), its name in
// lower case ("gennaio"), its title in capitals with a colon ("GENNAIO:"), and its
// number of day cells (February 29).
std::string_view monthCode(int month);
core::TextView monthNameOf(int month);
core::Text monthTitle(int month);
int boardMonthLength(int month);

// A booking text books its day when, trimmed, it is not empty; blanks alone free it.
bool isBooked(core::TextView text);

// The day's date in the year typed on the board: "29/02/" + year, day and month always
// two digits, "/" whatever the system's separator; nothing is trimmed.
core::Text dateText(const BoardDay& day, core::TextView year);
// That date, when it is one (29 February of a common year, or a year that is not four
// digits, is none).
std::optional<core::Date> dateIn(const BoardDay& day, core::TextView year);

// Whether the interval booking from `start` to `end` (both included) books `day` in
// `year`: the day's date exists in that year and lies in the interval. 29 February
// belongs to the interval of a leap year like any day, and is never touched in a
// common year.
bool inInterval(const BoardDay& day, core::TextView year, const core::Date& start, const core::Date& end);

// The heading of the single-day dialog: "Prenotazione del " + the day without a leading
// zero + " " + the month's name + " " + the year as given ("Prenotazione del 9
// settembre 2024").
core::Text dayHeading(const BoardDay& day, core::TextView year);

}  // namespace planner

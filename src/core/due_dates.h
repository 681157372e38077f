#pragma once
// Which vehicles a due-date list shows: those whose date has passed or falls within
// the next seven days of today (core/clock).
#include <cstddef>
#include <string_view>

#include "core/clock.h"
#include "core/text.h"

namespace core {

// Whether a due date kept as text (dd/mm/yyyy) is due by `today` + 7 days, both
// sides whole days. An empty text is never due; neither is a text that is not a
// valid date (that vehicle is left out and the list goes on).
bool isDueWithinWeek(TextView dateText, const Date& today);

// ---- Maintenance deadlines ----------------------------------------------------------

// What the imminent rule says of one deadline.
enum class Imminence { No, Yes, CannotSay };

// A deadline of date D (dd/mm/yyyy) with W warning days is imminent on `today` when
// D - W <= today <= D in whole days, both ends inclusive: on its own day whatever W,
// never once it has passed. Both texts are trimmed first; W is a whole number, signed or
// not. CannotSay when the date or the warning days do not convert: the caller leaves
// that deadline out and goes on with the next.
Imminence checkImminent(TextView dateText, TextView warningDaysText, const Date& today);
// The same on the stored Windows-1252 bytes of the two fields.
Imminence checkImminent(std::string_view ansiDate, std::string_view ansiWarningDays, const Date& today);

class Archive;
class RecordLayout;

// What the imminent check of one archive found.
struct ImminentScan {
  bool found = false;      // at least one imminent deadline
  bool complete = true;    // false: a read failed, and `found` says what was read before it
};

// Whether any deadline of an open archive is imminent on `today`, its date and warning
// days in the fields `dateField` and `warningField` of `layout`. A deadline whose texts
// do not convert is skipped and the scan goes on. The scan stops at the first imminent
// deadline. A failed read ends the scan without throwing (complete is false unless an
// imminent deadline was found all the same). A long archive is read in parts side by side.
ImminentScan scanImminent(Archive& archive, const RecordLayout& layout, std::size_t dateField,
                          std::size_t warningField, const Date& today);

}  // namespace core

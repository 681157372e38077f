#pragma once
// The date-range summaries (fuel and distance over the trips, costs over a year's
// payments) without a screen: the checks of the menu's entries, which give the two
// dates of the interval or the one message to show, and the scan of an archive that
// lists and sums the records of the interval. Each summary is these plus settings.
#include <cstddef>
#include <string>
#include <vector>

#include "core/record.h"
#include "core/search_filter.h"
#include "core/text.h"

namespace core {

class Archive;

// ---- The menu's checks ---------------------------------------------------------------

// The kind of message box a failed check shows.
enum class BoxKind { Warning, Error, Information, Plain };

// The menu's field that gets the focus after a failed check; Stay leaves it where it is.
enum class SummaryField { Stay, Year, StartDay, StartMonth, EndDay, EndMonth };

// The entries as the menu holds them, untouched.
struct SummaryEntries {
  Text year;                             // txtAnno, as typed
  Text startDay, startMonth, startYear;  // txtGiornoInizio, txtMeseInizio, lblAnnoInizio
  Text endDay, endMonth, endYear;        // txtGiornoFine, txtMeseFine, lblAnnoFine
};

struct SummaryCheck {
  // What lblDataInizio and lblDataFine hold once the checks have run: each date as
  // composed, empty when the checks stopped before composing it or its month is
  // not one of the twelve.
  Text startText, endText;
  // Whether every check passed; then start and end are the interval, start <= end.
  bool ok = false;
  Date start, end;
  // The first failed check: its message, box and the field to focus.
  Text message;
  BoxKind kind = BoxKind::Warning;
  SummaryField focus = SummaryField::Stay;
};

// Runs the checks in their order and stops at the first that fails: the year is four
// ASCII digits; start day, start month, end day and end month are not empty (trimmed);
// the start date composed from start day, month and year exists; so does the end date;
// the start is not later than the end (the same day passes).
SummaryCheck checkSummaryEntries(const SummaryEntries& entries);

// How the three date messages of an interval end, after their empty line: the start
// date that does not exist, the end date that does not exist, the end before the start.
struct IntervalEndings {
  TextView startMissing;
  TextView endMissing;
  TextView order;
};

// The checks of an interval of days and months alone (no year of its own: `year` of
// the entries is not looked at), from the four required entries to the order of the two
// dates, each date message ending as `endings` says.
SummaryCheck checkInterval(const SummaryEntries& entries, const IntervalEndings& endings);

// "Dal   " + start + "   al   " + end: the interval as the summary shows it.
Text summaryIntervalText(TextView start, TextView end);

// ---- The scan ------------------------------------------------------------------------

// How a total is shown: in the general number format ("75", "75,5"), or as an amount
// through the amount normaliser ("80,00", "0,30").
enum class TotalForm { Shortest, Amount };

struct SummarySum {
  std::size_t field;  // index in the record layout
  TotalForm form = TotalForm::Shortest;
};

// What varies between the summaries. Field indexes are in `layout`.
struct SummaryFields {
  const RecordLayout* layout = nullptr;
  std::vector<std::size_t> filterFields;  // the field each filter text searches, in order
  std::size_t dateField = 0;              // the date (dd/mm/yyyy) that must lie in the interval
  std::vector<SummarySum> sums;           // the fields added up, in the order of the totals
  LineFormat line;                        // the list line of one record
};

struct SummaryResult {
  LineList lines;            // one line per record listed, in file order
  std::vector<double> sums;  // one per summary.sums, over the records listed
};

// Reads every record of an open archive in file order and lists those that qualify
// under the filters (texts matched to summary.filterFields in order, through RecordFilter:
// as typed, A-Z folded, blank-only filters neither count nor match) and whose date lies
// in [start, end], both ends included. A record whose date or one of whose summed
// numbers does not convert is left out whole, and the scan goes on, so the totals are
// always those of the lines listed; so is one whose numbers would make a total too
// large for a double (which would show as 0). Sums are double precision, added in file order.
// A failure to read throws ArchiveError.
SummaryResult scanSummary(Archive& archive, const SummaryFields& summary, const std::vector<Text>& filters,
                          const Date& start, const Date& end);

// A total written in its form; a sum of nothing is "0" or "0,00".
Text formatTotal(double sum, TotalForm form);

}  // namespace core

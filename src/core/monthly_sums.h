#pragma once
// The twelve monthly values of a yearly archive, for the statistics charts: per month,
// the sum of an amount field or the number of records, over the records whose date
// falls in the chosen year.
//
// The date is never converted: it is read by character positions. The stored date,
// trimmed and followed by ten blanks, holds the month in characters 4 and 5 and the
// year in characters 7 to 10; a record counts when that year text, trimmed, is the
// chosen year, trimmed, and that month text, trimmed, is one of "01" to "12". So the
// separators may be any character ("05-03-2024" counts in March 2024), and a date of
// one-digit day or month, an empty date or one of another year counts nowhere.
#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

#include "core/record.h"
#include "core/text.h"

namespace core {

class Archive;

struct MonthlyFields {
  const RecordLayout* layout = nullptr;
  std::size_t dateField = 0;
  // The month's value is the sum of this field (a number with the decimal comma);
  // none: the month's value is its number of records.
  std::optional<std::size_t> amountField = std::nullopt;
};

// January first.
using MonthValues = std::array<double, 12>;

// The month (1 to 12) a stored date falls in when its year text is `year` (trimmed
// Windows-1252 bytes), else 0.
int monthInYear(std::string_view storedDate, std::string_view year);

// Sets `values` to zero, then reads every record of the open archive and adds each
// record of `year` (as typed; trimmed here) to its month: its amount, or 1. A record
// of that year whose amount is empty or not a number adds nothing, and the reading
// goes on. Sums are double precision, added in file order (a long archive is read in
// parts side by side, the values joined in file order afterwards, so the sums are to
// the last bit those of one pass).
// A failed read throws ArchiveError; `values` then holds the sums of the records
// before the failed one, in file order.
void sumByMonth(const Archive& archive, const MonthlyFields& fields, TextView year, MonthValues& values);

// A month's label (its sum in the general number format, "20,8") brought to whole units: read back as a number and rounded with
// RoundToDecimals at 0 decimals (0.5 added, the fraction dropped towards zero), so
// 20,8 gives 21, 2,5 gives 3 and -2,7 gives -2. A text that is not a number gives "0".
Text wholeMonthText(TextView label);

}  // namespace core

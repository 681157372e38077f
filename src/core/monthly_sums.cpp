#include "core/monthly_sums.h"

#include <cstdint>
#include <exception>
#include <vector>

#include "core/ansi.h"
#include "core/archive.h"

namespace core {

namespace {

// Characters [from, from + n) of `text` followed by ten blanks, trimmed.
std::string_view paddedPiece(std::string_view text, std::size_t from, std::size_t n) {
  // Past the text there are only the blanks, which trimming removes.
  if (from >= text.size()) return {};
  return trimBytes(text.substr(from, n));
}

}  // namespace

int monthInYear(std::string_view storedDate, std::string_view year) {
  const std::string_view date = trimBytes(storedDate);
  if (paddedPiece(date, 6, 4) != year) return 0;
  const std::string_view month = paddedPiece(date, 3, 2);
  if (month.size() != 2 || month[0] < '0' || month[0] > '1' || month[1] < '0' || month[1] > '9') return 0;
  const int m = (month[0] - '0') * 10 + (month[1] - '0');
  return m >= 1 && m <= 12 ? m : 0;
}

void sumByMonth(const Archive& archive, const MonthlyFields& fields, TextView year, MonthValues& values) {
  values.fill(0.0);
  const RecordLayout& layout = *fields.layout;
  if (archive.recordSize() != layout.size()) throw ArchiveError("record size mismatch");
  const std::string yearBytes(trimBytes(toAnsi(trim(year))));

  // Each part keeps, in file order, the month and the amount of every record it
  // counts; the amounts are added here afterwards, so the sums are those of one pass.
  // A count needs no order: each part counts its records by month.
  struct Counted {
    std::uint8_t month;  // 0..11
    double amount;
  };
  struct Part {
    std::vector<Counted> amounts;
    std::array<std::size_t, 12> counts{};
  };
  const std::vector<ScanPart> parts = scanParts(archive.count());
  std::vector<Part> found(parts.size());
  const PartFailure failed = runParts(parts.size(), [&](std::size_t p) {
    Part& out = found[p];
    forEachRecordBytesIn(archive, parts[p], [&](const std::uint8_t* record, std::size_t) {
      const int month = monthInYear(storedFieldBytes(record, layout, fields.dateField), yearBytes);
      if (month == 0) return true;
      if (!fields.amountField) {
        ++out.counts[static_cast<std::size_t>(month - 1)];
        return true;
      }
      // Only a counted record's amount is read; one that is no number adds nothing.
      const auto amount = parseDecimal(trimBytes(storedFieldBytes(record, layout, *fields.amountField)));
      if (amount) out.amounts.push_back({static_cast<std::uint8_t>(month - 1), *amount});
      return true;
    });
  });
  const std::size_t upTo = failed.failure ? failed.part + 1 : parts.size();
  for (std::size_t p = 0; p < upTo; ++p) {
    for (const Counted& c : found[p].amounts) values[c.month] += c.amount;
    for (std::size_t m = 0; m < 12; ++m) values[m] += static_cast<double>(found[p].counts[m]);
  }
  if (failed.failure) std::rethrow_exception(failed.failure);
}

Text wholeMonthText(TextView label) {
  const auto value = parseDecimal(label);
  if (!value) return Text(u"0");
  return formatGeneral(RoundToDecimals(*value, 0));  // a rounded -0 is written "0"
}

}  // namespace core

#include "core/due_dates.h"

#include <algorithm>
#include <atomic>

#include "core/archive.h"
#include "core/record.h"

namespace core {

bool isDueWithinWeek(TextView dateText, const Date& today) {
  const Text text = trim(dateText);
  if (text.empty()) return false;
  const auto due = parseDate(text);
  if (!due) return false;
  return due->serial() - 7 <= today.serial();
}

// ---- Maintenance deadlines ----------------------------------------------------------

namespace {

// Trimming as a view: the characters up to U+0020 (bytes up to 0x20) off both ends.
template <typename Char>
std::basic_string_view<Char> trimmed(std::basic_string_view<Char> text) {
  std::size_t b = 0, e = text.size();
  while (b < e && static_cast<unsigned>(text[b]) <= 0x20u) ++b;
  while (e > b && static_cast<unsigned>(text[e - 1]) <= 0x20u) --e;
  return text.substr(b, e - b);
}

// A whole number: an optional sign and one to nine ASCII digits, nothing else.
template <typename Char>
std::optional<long long> parseWholeNumber(std::basic_string_view<Char> text) {
  std::size_t i = 0;
  const bool negative = !text.empty() && text[0] == Char('-');
  if (!text.empty() && (text[0] == Char('-') || text[0] == Char('+'))) ++i;
  if (i == text.size() || text.size() - i > 9) return std::nullopt;
  long long n = 0;
  for (; i < text.size(); ++i) {
    if (text[i] < Char('0') || text[i] > Char('9')) return std::nullopt;
    n = n * 10 + (text[i] - Char('0'));
  }
  return negative ? -n : n;
}

template <typename Char>
Imminence imminence(std::basic_string_view<Char> dateText, std::basic_string_view<Char> warningDaysText,
                     const Date& today) {
  const auto due = parseDate(trimmed(dateText));
  if (!due) return Imminence::CannotSay;
  const auto warning = parseWholeNumber(trimmed(warningDaysText));
  if (!warning) return Imminence::CannotSay;
  const long long d = due->serial(), t = today.serial();
  return d - *warning <= t && t <= d ? Imminence::Yes : Imminence::No;
}

}  // namespace

Imminence checkImminent(TextView dateText, TextView warningDaysText, const Date& today) {
  return imminence(dateText, warningDaysText, today);
}

Imminence checkImminent(std::string_view ansiDate, std::string_view ansiWarningDays, const Date& today) {
  return imminence(ansiDate, ansiWarningDays, today);
}


ImminentScan scanImminent(Archive& archive, const RecordLayout& layout, std::size_t dateField,
                          std::size_t warningField, const Date& today) {
  // A long archive is read in parts side by side; one imminent deadline anywhere is
  // the answer, so every part stops as soon as any part has found one.
  std::atomic<bool> found{false};
  ImminentScan scan;
  try {
    const std::vector<ScanPart> parts = scanParts(archive.count());
    const PartFailure failed = runParts(parts.size(), [&](std::size_t p) {
      forEachRecordBytesIn(archive, parts[p], [&](const std::uint8_t* bytes, std::size_t) {
        const Imminence verdict =
            checkImminent(storedFieldBytes(bytes, layout, dateField), storedFieldBytes(bytes, layout, warningField), today);
        if (verdict == Imminence::Yes) found = true;
        return !found.load(std::memory_order_relaxed);
      });
    });
    if (failed.failure) std::rethrow_exception(failed.failure);
  } catch (const ArchiveError&) {
    scan.complete = false;
  }
  scan.found = found;
  if (scan.found) scan.complete = true;
  return scan;
}

}  // namespace core

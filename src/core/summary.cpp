#include "core/summary.h"

#include <cmath>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string_view>
#include <utility>

#include "core/archive.h"
#include "core/file_names.h"

namespace core {

// ---- The menu's checks ---------------------------------------------------------------

namespace {

constexpr TextView kBreak = u"\n\r\n\r";

SummaryCheck fail(SummaryCheck check, Text message, BoxKind kind, SummaryField focus) {
  check.ok = false;
  check.message = std::move(message);
  check.kind = kind;
  check.focus = focus;
  return check;
}

Text missingDate(TextView date, TextView which, TextView ending) {
  return Text(u"Attenzione: la data ") + Text(trim(date)) + u" di " + Text(which) + u" intervallo non esiste." +
         Text(kBreak) + Text(ending);
}

}  // namespace

SummaryCheck checkSummaryEntries(const SummaryEntries& e) {
  // A year is four ASCII digits: anything else could not name a year, nor a file.
  if (!isYearText(e.year)) return fail(SummaryCheck{}, Text(kYearWarning), BoxKind::Warning, SummaryField::Year);
  return checkInterval(
      e, {.startMissing = u"Per poter visualizzare il riepilogo è necessario indicare una data valida.",
          .endMissing = u"Per poter visualizzare il riepilogo è necessario indicare una data valida.",
          .order = u"Per poter visualizzare il riepilogo è necessario indicare un intervallo di tempo valido."});
}

SummaryCheck checkInterval(const SummaryEntries& e, const IntervalEndings& endings) {
  SummaryCheck check;  // both date texts start empty
  struct Required {
    const Text& text;
    const char16_t* message;
    SummaryField focus;
  };
  const Required required[] = {
      {e.startDay, u"Attenzione: indicare il giorno di inizio intervallo selezionandolo dall'elenco a cascata.",
       SummaryField::StartDay},
      {e.startMonth, u"Attenzione: indicare il mese di inizio intervallo selezionandolo dall'elenco a cascata.",
       SummaryField::StartMonth},
      {e.endDay, u"Attenzione: indicare il giorno di fine intervallo selezionandolo dall'elenco a cascata.",
       SummaryField::EndDay},
      {e.endMonth, u"Attenzione: indicare il mese di fine intervallo selezionandolo dall'elenco a cascata.",
       SummaryField::EndMonth},
  };
  for (const Required& r : required) {
    if (trim(r.text).empty()) return fail(check, r.message, BoxKind::Warning, r.focus);
  }

  check.startText = composeDate(e.startDay, e.startMonth, e.startYear);
  const auto start = parseDate(check.startText);
  if (!start)
    return fail(check, missingDate(check.startText, u"inizio", endings.startMissing), BoxKind::Plain,
                SummaryField::StartDay);

  check.endText = composeDate(e.endDay, e.endMonth, e.endYear);
  const auto end = parseDate(check.endText);
  if (!end)
    return fail(check, missingDate(check.endText, u"fine", endings.endMissing), BoxKind::Plain,
                SummaryField::EndDay);

  // Earlier in the calendar, compared by day number.
  if (start->serial() > end->serial())
    return fail(check,
                u"Attenzione: la data di fine intervallo (" + trim(check.endText) +
                    u") non può essere anteriore a quella di inizio intervallo (" + trim(check.startText) + u")." +
                    Text(kBreak) + Text(endings.order),
                BoxKind::Plain, SummaryField::Stay);

  check.ok = true;
  check.start = *start;
  check.end = *end;
  return check;
}

Text summaryIntervalText(TextView start, TextView end) {
  return u"Dal   " + trim(start) + u"   al   " + trim(end);
}

// ---- The scan ------------------------------------------------------------------------

namespace {

// A field's stored bytes straight from the record's bytes, trimmed: the scan reads a
// date and a few numbers from every record without copying or converting it.
std::string_view trimmedField(const std::uint8_t* record, const RecordLayout& layout, std::size_t field) {
  return trimBytes(storedFieldBytes(record, layout, field));
}

// Adds the numbers of the records listed, `sums.size()` per record in file order, to
// `sums`. A record whose numbers would make a total too large for a double is left
// out like a record whose number does not convert: the returned flags mark those
// records (empty when there are none).
std::vector<bool> addFinitely(std::vector<double>& sums, const std::vector<double>& values) {
  std::vector<bool> dropped;
  const std::size_t n = sums.size();
  if (n == 0) return dropped;
  const std::size_t records = values.size() / n;
  for (std::size_t r = 0; r < records; ++r) {
    const double* v = &values[r * n];
    bool finite = true;
    for (std::size_t i = 0; i < n && finite; ++i) finite = std::isfinite(sums[i] + v[i]);
    if (finite) {
      for (std::size_t i = 0; i < n; ++i) sums[i] += v[i];
    } else {
      dropped.resize(records);
      dropped[r] = true;
    }
  }
  return dropped;
}

// The lines of `lines` whose flag in `dropped` is not set, in their order.
LineList withoutLines(const LineList& lines, const std::vector<bool>& dropped) {
  LineList kept;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (!dropped[i]) kept.add(lines[i]);
  }
  return kept;
}

}  // namespace

SummaryResult scanSummary(Archive& archive, const SummaryFields& summary, const std::vector<Text>& filters,
                          const Date& start, const Date& end) {
  std::vector<RecordFilter::Term> terms;
  for (std::size_t i = 0; i < summary.filterFields.size() && i < filters.size(); ++i)
    terms.push_back({summary.filterFields[i], filters[i]});
  const RecordFilter filter(std::move(terms));
  const long long first = start.serial(), last = end.serial();
  const RecordLayout& layout = *summary.layout;
  if (archive.recordSize() != layout.size()) throw ArchiveError("record size mismatch");

  SummaryResult result;
  result.sums.assign(summary.sums.size(), 0.0);
  // A long archive is read in parts side by side. Each part keeps the numbers of the
  // records it lists; the totals are added here afterwards, in file order, so they are
  // to the last bit what one pass over the file gives.
  const std::vector<ScanPart> parts = scanParts(archive.count());
  struct Part {
    LineList lines;
    std::vector<double> values;  // summary.sums.size() per record listed
  };
  std::vector<Part> found(parts.size());
  // The parts' lines go into one store: joined, they are not copied.
  std::vector<LineList> partLines = LineList::forParts(parts.size());
  for (std::size_t p = 0; p < parts.size(); ++p) found[p].lines = std::move(partLines[p]);
  const PartFailure failed = runParts(parts.size(), [&](std::size_t p) {
    Part& out = found[p];
    // With no filter most records of an interval are usually listed: room for all of
    // them at once (reserved, not touched), rather than growing the lists many times over.
    if (filter.count() == 0) {
      out.lines.reserve(parts[p].end - parts[p].first, (parts[p].end - parts[p].first) * 160);
      out.values.reserve((parts[p].end - parts[p].first) * summary.sums.size());
    }
    RecordBuffer record(layout);
    std::vector<double> values(summary.sums.size());
    forEachRecordBytesIn(archive, parts[p], [&](const std::uint8_t* bytes, std::size_t) {
      // The filters and the line read the record where the scan's block holds it.
      record.lookAt(bytes);
      if (!filter.qualifies(record)) return true;
      const auto date = parseDate(trimmedField(bytes, layout, summary.dateField));
      if (!date || date->serial() < first || date->serial() > last) return true;
      // Every number first: a record with one that does not convert adds nothing at all.
      for (std::size_t i = 0; i < summary.sums.size(); ++i) {
        const auto value = parseDecimal(trimmedField(bytes, layout, summary.sums[i].field));
        if (!value) return true;
        values[i] = *value;
      }
      out.lines.add(summary.line, record);
      out.values.insert(out.values.end(), values.begin(), values.end());
      return true;
    });
  });
  const std::size_t upTo = failed.failure ? failed.part + 1 : parts.size();
  for (std::size_t p = 0; p < upTo; ++p) {
    const std::vector<bool> dropped = addFinitely(result.sums, found[p].values);
    if (!dropped.empty()) found[p].lines = withoutLines(found[p].lines, dropped);
    if (p == 0) result.lines = std::move(found[p].lines);
    else result.lines.append(std::move(found[p].lines));
  }
  if (failed.failure) std::rethrow_exception(failed.failure);
  return result;
}

Text formatTotal(double sum, TotalForm form) {
  const Text shortest = formatGeneral(sum);
  return form == TotalForm::Amount ? normaliseAmount(shortest) : shortest;
}

}  // namespace core

#include "core/search_filter.h"

#include <algorithm>
#include <cstring>

#include "core/ansi.h"
#include "core/archive.h"

namespace core {

namespace {

inline char foldLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

inline char16_t foldUpper(char16_t c) { return (c >= u'a' && c <= u'z') ? static_cast<char16_t>(c - u'a' + u'A') : c; }

bool isBlankOnly(TextView text) {
  return std::all_of(text.begin(), text.end(), [](char16_t c) { return c <= u' '; });
}

// The stored value of a field with the characters up to the blank removed at both
// ends. Windows-1252 maps bytes 0x00-0x20 to U+0000-U+0020 and nothing else there,
// so this is the trim of the converted text.
std::string_view trimmedBytes(const RecordBuffer& record, std::size_t field) {
  std::string_view v = record.rawValue(field);
  std::size_t b = 0, e = v.size();
  while (b < e && static_cast<unsigned char>(v[b]) <= 0x20) ++b;
  while (e > b && static_cast<unsigned char>(v[e - 1]) <= 0x20) --e;
  return v.substr(b, e - b);
}

void appendTrimmed(Text& out, const RecordBuffer& record, std::size_t field) {
  for (char c : trimmedBytes(record, field)) out.push_back(AnsiToUnicode(static_cast<std::uint8_t>(c)));
}

void appendPadded(Text& out, TextView text, int width) {
  const std::size_t n = static_cast<std::size_t>(width);
  out.append(text.substr(0, std::min(n, text.size())));
  if (text.size() < n) out.append(n - text.size(), u' ');
}

}  // namespace

// ---- Filters ---------------------------------------------------------------------

int CountFilters(const std::vector<Text>& filters) {
  return static_cast<int>(std::count_if(filters.begin(), filters.end(), [](const Text& f) { return !isBlankOnly(f); }));
}

bool FilterMatches(TextView filter, TextView field) {
  if (isBlankOnly(filter)) return false;
  return LowerAZ(field).find(LowerAZ(filter)) != Text::npos;
}

RecordFilter::RecordFilter(std::vector<Term> terms) {
  for (const Term& t : terms) {
    if (isBlankOnly(t.text)) continue;
    ++count_;
    // A character Windows-1252 lacks can never be in a stored field: such a filter
    // counts but matches nothing.
    std::string bytes;
    bool possible = true;
    for (char16_t ch : t.text) {
      std::uint8_t b;
      if (!UnicodeToAnsi(ch, b)) {
        possible = false;
        break;
      }
      bytes.push_back(foldLower(static_cast<char>(b)));
    }
    if (possible) needles_.push_back({t.field, std::move(bytes)});
  }
}

int RecordFilter::matches(const RecordBuffer& record) const {
  int n = 0;
  char folded[256];
  for (const Needle& needle : needles_) {
    std::string_view v = trimmedBytes(record, needle.field);
    if (v.size() < needle.bytes.size()) continue;
    for (std::size_t i = 0; i < v.size(); ++i) folded[i] = foldLower(v[i]);
    if (std::string_view(folded, v.size()).find(needle.bytes) != std::string_view::npos) ++n;
  }
  return n;
}

// ---- List lines ------------------------------------------------------------------

namespace line {
LinePiece Literal(Text text) {
  LinePiece p;
  p.literal = std::move(text);
  return p;
}
LinePiece Column(std::initializer_list<std::size_t> fields, int width) {
  LinePiece p;
  p.fields = fields;
  p.width = width;
  return p;
}
LinePiece Rest(std::initializer_list<std::size_t> fields) { return Column(fields, 0); }
LinePiece Computed(std::function<Text(const RecordBuffer&)> compute, int width) {
  LinePiece p;
  p.compute = std::move(compute);
  p.width = width;
  return p;
}
}  // namespace line

Text PadColumn(TextView text, int width) {
  Text out;
  appendPadded(out, text, width);
  return out;
}

Text JoinFields(const RecordBuffer& record, const std::vector<std::size_t>& fields) {
  Text out;
  for (std::size_t i = 0; i < fields.size(); ++i) {
    if (i) out.push_back(u' ');
    appendTrimmed(out, record, fields[i]);
  }
  return out;
}

void LineFormat::appendTo(Text& out, const RecordBuffer& record) const {
  for (const LinePiece& p : pieces_) {
    if (p.width < 0) {
      out.append(p.literal);
      continue;
    }
    if (p.compute) {
      Text t = p.compute(record);
      if (p.width == 0) out.append(t);
      else appendPadded(out, t, p.width);
      continue;
    }
    const std::size_t start = out.size();
    for (std::size_t i = 0; i < p.fields.size(); ++i) {
      if (i) out.push_back(u' ');
      appendTrimmed(out, record, p.fields[i]);
    }
    if (p.width > 0) {
      const std::size_t n = static_cast<std::size_t>(p.width);
      const std::size_t len = out.size() - start;
      if (len > n) out.resize(start + n);
      else out.append(n - len, u' ');
    }
  }
}

Text LineFormat::build(const RecordBuffer& record) const {
  Text out;
  out.reserve(160);
  appendTo(out, record);
  return out;
}

// ---- Scan ------------------------------------------------------------------------

std::vector<Text> ScanLines(Archive& archive, const RecordLayout& layout, const LineFormat& format,
                            const std::function<Verdict(const RecordBuffer&)>& choose) {
  std::vector<Text> lines;
  RecordBuffer record(layout);
  const std::size_t count = archive.count();
  archive.seek(0);
  while (archive.position() < count) {
    archive.read(record);
    const Verdict v = choose(record);
    if (v == Verdict::Take) lines.push_back(format.build(record));
    if (v == Verdict::Stop) break;
  }
  return lines;
}

std::vector<Text> SearchLines(Archive& archive, const RecordLayout& layout, const LineFormat& format,
                              const RecordFilter& filter) {
  std::vector<Text> lines;
  RecordBuffer record(layout);
  const std::size_t count = archive.count();
  archive.seek(0);
  while (archive.position() < count) {
    archive.read(record);
    if (filter.qualifies(record)) lines.push_back(format.build(record));
  }
  return lines;
}

void FindEqualLines(Archive& archive, const RecordLayout& layout, const LineFormat& format,
                    TextView chosen, const std::function<void(const RecordBuffer&, std::size_t)>& found) {
  const Text wanted = Trim(chosen);
  RecordBuffer record(layout);
  Text built;
  const std::size_t count = archive.count();
  archive.seek(0);
  while (archive.position() < count) {
    archive.read(record);
    built.clear();
    format.appendTo(built, record);
    if (Trim(built) == wanted) found(record, archive.position());
  }
}

// ---- Order -----------------------------------------------------------------------

bool LessFolded(TextView a, TextView b) {
  const std::size_t n = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < n; ++i) {
    const char16_t x = foldUpper(a[i]), y = foldUpper(b[i]);
    if (x != y) return x < y;
  }
  return a.size() < b.size();
}

void SortLines(std::vector<Text>& lines) {
  std::stable_sort(lines.begin(), lines.end(), [](const Text& a, const Text& b) { return LessFolded(a, b); });
}

}  // namespace core

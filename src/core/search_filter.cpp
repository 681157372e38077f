#include "core/search_filter.h"

#include <algorithm>
#include <cstring>

#include "core/ansi.h"
#include "core/archive.h"

namespace core {

namespace {

inline char foldLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

inline char16_t foldUpper(char16_t c) { return (c >= u'a' && c <= u'z') ? static_cast<char16_t>(c - u'a' + u'A') : c; }

TextView trimmedView(TextView text) {
  std::size_t b = 0, e = text.size();
  while (b < e && text[b] <= u' ') ++b;
  while (e > b && text[e - 1] <= u' ') --e;
  return text.substr(b, e - b);
}

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

int countFilters(const std::vector<Text>& filters) {
  return static_cast<int>(std::count_if(filters.begin(), filters.end(), [](const Text& f) { return !isBlankOnly(f); }));
}

bool filterMatches(TextView filter, TextView field) {
  if (isBlankOnly(filter)) return false;
  return lowerAZ(field).find(lowerAZ(filter)) != Text::npos;
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
      if (!unicodeToAnsi(ch, b)) {
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
LinePiece literal(Text text) {
  LinePiece p;
  p.literal = std::move(text);
  return p;
}
LinePiece column(std::initializer_list<std::size_t> fields, int width) {
  LinePiece p;
  p.fields = fields;
  p.width = width;
  return p;
}
LinePiece rest(std::initializer_list<std::size_t> fields) { return column(fields, 0); }
LinePiece computed(std::function<Text(const RecordBuffer&)> compute, int width) {
  LinePiece p;
  p.compute = std::move(compute);
  p.width = width;
  return p;
}
}  // namespace line

Text padColumn(TextView text, int width) {
  Text out;
  appendPadded(out, text, width);
  return out;
}

Text joinFields(const RecordBuffer& record, const std::vector<std::size_t>& fields) {
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

void LineList::add(TextView line) {
  chars_.append(line);
  ends_.push_back(chars_.size());
}

void LineList::add(const LineFormat& format, const RecordBuffer& record) {
  format.appendTo(chars_, record);
  ends_.push_back(chars_.size());
}

void LineList::reserve(std::size_t lines, std::size_t chars) {
  ends_.reserve(lines);
  chars_.reserve(chars);
}

void LineList::clear() {
  chars_.clear();
  ends_.clear();
}

std::vector<Text> LineList::toVector() const {
  std::vector<Text> out;
  out.reserve(size());
  for (std::size_t i = 0; i < size(); ++i) out.emplace_back((*this)[i]);
  return out;
}

// ---- Scan ------------------------------------------------------------------------

void scanLines(Archive& archive, const RecordLayout& layout, const LineFormat& format,
               const std::function<Verdict(const RecordBuffer&)>& choose, LineList& lines) {
  RecordBuffer record(layout);
  forEachRecord(archive, record, [&](const RecordBuffer& r, std::size_t) {
    const Verdict v = choose(r);
    if (v == Verdict::Take) lines.add(format, r);
    return v != Verdict::Stop;
  });
}

LineList searchLines(Archive& archive, const RecordLayout& layout, const LineFormat& format,
                     const RecordFilter& filter) {
  LineList lines;
  RecordBuffer record(layout);
  const std::size_t count = archive.count();
  // With no filter every record is listed: room for all of them at once.
  if (filter.count() == 0) lines.reserve(count, count * 160);
  forEachRecord(archive, record, [&](const RecordBuffer& r, std::size_t) {
    if (filter.qualifies(r)) lines.add(format, r);
    return true;
  });
  return lines;
}

void findEqualLines(Archive& archive, const RecordLayout& layout, const LineFormat& format,
                    TextView chosen, const std::function<void(const RecordBuffer&, std::size_t)>& found) {
  const Text wanted = trim(chosen);
  RecordBuffer record(layout);
  Text built;
  forEachRecord(archive, record, [&](const RecordBuffer& r, std::size_t index) {
    built.clear();
    format.appendTo(built, r);
    if (trimmedView(built) == wanted) found(r, index + 1);
    return true;
  });
}

// ---- Order -----------------------------------------------------------------------

bool lessFolded(TextView a, TextView b) {
  const std::size_t n = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < n; ++i) {
    const char16_t x = foldUpper(a[i]), y = foldUpper(b[i]);
    if (x != y) return x < y;
  }
  return a.size() < b.size();
}

namespace {
// The order of `count` lines: each folded line written as big-endian UTF-16 bytes,
// so that comparing the bytes (memcmp, fast on long common beginnings) compares the
// folded code units.
template <typename At>
std::vector<std::size_t> foldedOrder(std::size_t count, At at) {
  std::string keys;
  std::vector<std::size_t> ends(count);
  std::size_t total = 0;
  for (std::size_t i = 0; i < count; ++i) total += at(i).size() * 2;
  keys.resize(total);
  char* out = keys.data();
  for (std::size_t i = 0; i < count; ++i) {
    for (char16_t c : at(i)) {
      const char16_t f = foldUpper(c);
      *out++ = static_cast<char>(f >> 8);
      *out++ = static_cast<char>(f & 0xFF);
    }
    ends[i] = static_cast<std::size_t>(out - keys.data());
  }
  auto key = [&](std::size_t i) {
    const std::size_t begin = i ? ends[i - 1] : 0;
    return std::string_view(keys).substr(begin, ends[i] - begin);
  };
  std::vector<std::size_t> order(count);
  for (std::size_t i = 0; i < count; ++i) order[i] = i;
  std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return key(a) < key(b); });
  return order;
}
}  // namespace

void sortLines(std::vector<Text>& lines) {
  const auto order = foldedOrder(lines.size(), [&](std::size_t i) { return TextView(lines[i]); });
  std::vector<Text> sorted;
  sorted.reserve(lines.size());
  for (std::size_t i : order) sorted.push_back(std::move(lines[i]));
  lines = std::move(sorted);
}

std::vector<std::size_t> LineList::sortedOrder() const {
  return foldedOrder(size(), [this](std::size_t i) { return (*this)[i]; });
}

}  // namespace core

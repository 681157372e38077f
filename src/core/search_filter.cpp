#include "core/search_filter.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <exception>
#include <memory>

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

// The stored value of a field, trimmed as the converted text would be.
std::string_view trimmedBytes(const RecordBuffer& record, std::size_t field) {
  return trimBytes(record.rawValue(field));
}

// Every Windows-1252 byte's character, for the conversions of a scan.
const std::array<char16_t, 256>& ansiChars() {
  static const std::array<char16_t, 256> table = [] {
    std::array<char16_t, 256> t{};
    for (std::size_t b = 0; b < t.size(); ++b) t[b] = ansiToUnicode(static_cast<std::uint8_t>(b));
    return t;
  }();
  return table;
}

void appendTrimmed(Text& out, const RecordBuffer& record, std::size_t field) {
  const std::string_view v = trimmedBytes(record, field);
  const std::size_t at = out.size();
  out.resize(at + v.size());
  const std::array<char16_t, 256>& chars = ansiChars();
  char16_t* p = out.data() + at;
  for (char c : v) *p++ = chars[static_cast<std::uint8_t>(c)];
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

std::vector<std::size_t> RecordFilter::fields() const {
  std::vector<std::size_t> out;
  for (const Needle& n : needles_) out.push_back(n.field);
  return out;
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

LineFormat::LineFormat(std::vector<LinePiece> pieces) : pieces_(std::move(pieces)) {
  for (const LinePiece& p : pieces_) {
    if (p.width < 0) maxChars_ += p.literal.size();
    else if (p.compute) computed_ = true;
    else maxChars_ += p.fields.size() * 256 + static_cast<std::size_t>(p.width);  // a field holds at most 255
  }
}

char16_t* LineFormat::write(char16_t* out, const RecordBuffer& record) const {
  const std::array<char16_t, 256>& chars = ansiChars();
  for (const LinePiece& p : pieces_) {
    if (p.width < 0) {
      out = std::copy(p.literal.begin(), p.literal.end(), out);
      continue;
    }
    char16_t* const start = out;
    for (std::size_t i = 0; i < p.fields.size(); ++i) {
      if (i) *out++ = u' ';
      for (char c : trimmedBytes(record, p.fields[i])) *out++ = chars[static_cast<std::uint8_t>(c)];
    }
    if (p.width > 0) {
      char16_t* const end = start + p.width;
      if (out < end) std::fill(out, end, u' ');
      out = end;
    }
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

bool LineFormat::readsOnly(std::vector<std::size_t>& fields) const {
  for (const LinePiece& p : pieces_) {
    if (p.compute) return false;
    fields.insert(fields.end(), p.fields.begin(), p.fields.end());
  }
  return true;
}

Text LineFormat::build(const RecordBuffer& record) const {
  Text out;
  out.reserve(160);
  appendTo(out, record);
  return out;
}

namespace {
// Blocks of 64 Ki characters (128 KiB) to 1 Gi characters, so an offset in a block
// always fits in 32 bits. The untouched end of the last block is never given memory.
constexpr std::size_t kMinBlockChars = std::size_t{64} * 1024;
constexpr std::size_t kMaxBlockChars = std::size_t{1} << 30;
constexpr std::uint64_t kOffsetMask = 0xFFFFFFFFu;
}  // namespace

TextView LineList::operator[](std::size_t i) const {
  const std::uint64_t start = starts_[i];
  const std::size_t block = static_cast<std::size_t>(start >> 32);
  const std::size_t begin = static_cast<std::size_t>(start & kOffsetMask);
  const Block& b = blocks_[block];
  std::size_t end = b.size;
  if (i + 1 < starts_.size() && (starts_[i + 1] >> 32) == block) end = static_cast<std::size_t>(starts_[i + 1] & kOffsetMask);
  return TextView(b.chars.get() + begin, end - begin);
}

char16_t* LineList::room(std::size_t length) {
  // A line never straddles two blocks and a block never grows, so no line ever moves.
  // Each new block is as large as all before it together: a long list needs few.
  if (blocks_.empty() || blocks_.back().size + length > blocks_.back().capacity) {
    std::size_t held = 0;
    for (const Block& b : blocks_) held += b.size;
    const std::size_t capacity =
        wholeLargePages(std::max(length, std::min(kMaxBlockChars, std::max({kMinBlockChars, nextBlockChars_, held}))) *
                        sizeof(char16_t)) /
        sizeof(char16_t);
    // Not filled in advance: memory the lines never reach is never touched.
    blocks_.push_back({allocateLarge<char16_t>(capacity), 0, capacity});
    nextBlockChars_ = 0;
  }
  starts_.push_back((static_cast<std::uint64_t>(blocks_.size() - 1) << 32) | blocks_.back().size);
  return blocks_.back().chars.get() + blocks_.back().size;
}

void LineList::add(TextView line) {
  std::copy(line.begin(), line.end(), room(line.size()));
  blocks_.back().size += line.size();
}

void LineList::add(const LineFormat& format, const RecordBuffer& record) {
  if (format.computed_) {
    // Built aside first, so that its length is known where it is placed.
    line_.clear();
    format.appendTo(line_, record);
    add(line_);
    return;
  }
  // Written in place: the block has room for the longest line the format can make.
  char16_t* begin = room(format.maxChars_);
  blocks_.back().size += static_cast<std::size_t>(format.write(begin, record) - begin);
}

LineList::LineList(const LineList& other) : starts_(other.starts_) {
  // Each block copied as far as it is filled.
  blocks_.reserve(other.blocks_.size());
  for (const Block& b : other.blocks_) {
    blocks_.push_back({allocateLarge<char16_t>(b.size), b.size, b.size});
    std::copy(b.chars.get(), b.chars.get() + b.size, blocks_.back().chars.get());
  }
}

LineList& LineList::operator=(const LineList& other) {
  if (this != &other) *this = LineList(other);
  return *this;
}

void LineList::reserve(std::size_t lines, std::size_t chars) {
  starts_.reserve(lines);
  if (blocks_.empty()) nextBlockChars_ = chars;
}

void LineList::append(LineList&& other) {
  const std::uint64_t shift = static_cast<std::uint64_t>(blocks_.size()) << 32;
  starts_.reserve(starts_.size() + other.starts_.size());
  for (std::uint64_t start : other.starts_) starts_.push_back(start + shift);
  for (Block& b : other.blocks_) blocks_.push_back(std::move(b));
  other.clear();
}

void LineList::clear() {
  std::vector<Block>().swap(blocks_);
  starts_.release();
  nextBlockChars_ = 0;
}

std::vector<Text> LineList::toVector() const {
  std::vector<Text> out;
  out.reserve(size());
  for (std::size_t i = 0; i < size(); ++i) out.emplace_back((*this)[i]);
  return out;
}

// ---- Scan ------------------------------------------------------------------------

namespace {
// The parts' lines joined in file order, those of parts [0, upTo).
LineList joinParts(std::vector<LineList>& partLines, std::size_t upTo) {
  // The line starts of all the parts in one array, made once.
  std::size_t total = 0;
  for (std::size_t p = 0; p < upTo; ++p) total += partLines[p].size();
  LineList lines = std::move(partLines[0]);
  lines.reserve(total, 0);
  for (std::size_t p = 1; p < upTo; ++p) lines.append(std::move(partLines[p]));
  return lines;
}
}  // namespace

void scanLines(Archive& archive, const RecordLayout& layout, const LineFormat& format,
               const std::function<Verdict(const RecordBuffer&)>& choose, LineList& lines) {
  if (layout.size() != archive.recordSize()) throw ArchiveError("record size mismatch");
  const std::vector<ScanPart> parts = scanParts(archive.count());
  std::vector<LineList> partLines(parts.size());
  // A part that meets Stop ends there; the parts after it count for nothing.
  std::vector<char> stopped(parts.size(), 0);
  const PartFailure failed = runParts(parts.size(), [&](std::size_t p) {
    // Room for a line a record: the line starts are a few bytes each, and growing
    // them means copying them.
    partLines[p].reserve(parts[p].end - parts[p].first, 0);
    RecordBuffer r(layout);
    forEachRecordBytesIn(archive, parts[p], [&](const std::uint8_t* bytes, std::size_t) {
      r.lookAt(bytes);
      const Verdict v = choose(r);
      if (v == Verdict::Take) partLines[p].add(format, r);
      if (v == Verdict::Stop) stopped[p] = 1;
      return v != Verdict::Stop;
    });
  });
  // Lines up to the first stop or failure, in file order; a failure after a stop is
  // in a part that counts for nothing.
  std::size_t upTo = parts.size();
  for (std::size_t p = 0; p < parts.size(); ++p)
    if (stopped[p] || p == failed.part) {
      upTo = p + 1;
      break;
    }
  LineList joined = joinParts(partLines, upTo);
  if (lines.empty()) lines = std::move(joined);
  else lines.append(std::move(joined));
  if (failed.failure && failed.part < upTo) std::rethrow_exception(failed.failure);
}

LineList searchLines(Archive& archive, const RecordLayout& layout, const LineFormat& format,
                     const RecordFilter& filter) {
  LineList lines;
  RecordBuffer record(layout);
  const std::size_t count = archive.count();
  // With no filter every record is listed: room for all of them at once (a guess of
  // the characters; longer lines only add a block).
  auto makeRoom = [&](LineList& list, std::size_t records) {
    if (filter.count() == 0) list.reserve(records, records * 160);
  };
  std::vector<std::size_t> fields = filter.fields();
  if (!format.readsOnly(fields)) {
    makeRoom(lines, count);
    forEachRecord(archive, record, [&](const RecordBuffer& r, std::size_t) {
      if (filter.qualifies(r)) lines.add(format, r);
      return true;
    });
    return lines;
  }
  if (record.size() != archive.recordSize()) throw ArchiveError("record size mismatch");

  // A line of the record's own fields only is built in parts side by side, reading
  // each record where the scan's block holds it.
  const std::vector<ScanPart> parts = scanParts(count);
  std::vector<LineList> partLines(parts.size());
  const PartFailure failed = runParts(parts.size(), [&](std::size_t p) {
    LineList& out = partLines[p];
    makeRoom(out, parts[p].end - parts[p].first);
    RecordBuffer r(layout);
    forEachRecordBytesIn(archive, parts[p], [&](const std::uint8_t* bytes, std::size_t) {
      r.lookAt(bytes);
      if (filter.qualifies(r)) out.add(format, r);
      return true;
    });
  });
  if (failed.failure) std::rethrow_exception(failed.failure);
  return joinParts(partLines, partLines.size());
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

// The first position from `from` on at which two texts differ once folded (their
// common length when they do not).
std::size_t foldedMismatch(TextView x, TextView y, std::size_t from) {
  const std::size_t n = std::min(x.size(), y.size());
  std::size_t i = from;
  while (i < n) {
    // Equal code units are equal folded too: they go eight at a time, then four.
    while (i + 8 <= n && std::memcmp(x.data() + i, y.data() + i, 8 * sizeof(char16_t)) == 0) i += 8;
    while (i + 4 <= n && std::memcmp(x.data() + i, y.data() + i, 4 * sizeof(char16_t)) == 0) i += 4;
    for (const std::size_t stop = std::min(n, i + 4); i < stop; ++i)
      if (foldUpper(x[i]) != foldUpper(y[i])) return i;
  }
  return n;
}

// The order of a result list without copying its lines: a three-way string quicksort
// on the folded characters (Bentley and Sedgewick), four of them at a time read as
// one number and kept beside each line, so most comparisons touch no line at all.
// Lines that compare equal end in the same range and are put in file order there,
// which makes the order stable.
class FoldedSort {
 public:
  template <typename At>
  FoldedSort(std::size_t count, At at) {
    entries_.resizeForOverwrite(count);
    // A long list's entries are made in parts side by side.
    const std::vector<ScanPart> parts = scanParts(count);
    const PartFailure failed = runParts(parts.size(), [&](std::size_t p) {
      for (std::size_t i = parts[p].first; i < parts[p].end; ++i) {
        const TextView line = at(i);
        entries_[i] = {key(line, 0), line.data(), static_cast<std::uint32_t>(i),
                       static_cast<std::uint32_t>(line.size())};
      }
    });
    if (failed.failure) std::rethrow_exception(failed.failure);
  }

  LargeVector<std::size_t> order() {
    const std::size_t n = entries_.size();
    // A long list is sorted in as many parts as a scan of as many records is read in.
    const std::size_t parts = scanParts(n).size();
    if (parts > 1) sortInParts(parts);
    else sort(entries_.data(), n, 0);
    LargeVector<std::size_t> out;
    out.resizeForOverwrite(n);
    for (std::size_t i = 0; i < n; ++i) out[i] = entries_[i].index;
    return out;
  }

 private:
  // A long list is cut into a few parts by sampled lines and the parts are sorted
  // side by side, each on a core of its own; the caller waits for all of them.
  static constexpr std::size_t kSamplesPerPart = 32;

  struct Entry {
    std::uint64_t key;  // the folded characters depth .. depth + 3, 0 past the end
    const char16_t* chars;
    std::uint32_t index;  // a list holds fewer than 2^32 lines, each shorter than that
    std::uint32_t size;
    TextView line() const { return TextView(chars, size); }
  };
  static constexpr std::size_t kKeyChars = 4;

  static std::uint64_t key(TextView line, std::size_t depth) {
    std::uint64_t k = 0;
    for (std::size_t j = depth; j < depth + kKeyChars; ++j) k = (k << 16) | (j < line.size() ? foldUpper(line[j]) : 0u);
    return k;
  }

  // Whether a goes before b, when both agree on their first `depth` characters: the
  // key, then the rest, then the shorter first (a line that ends within equal keys
  // is a beginning of the other, with U+0000 where the key is padded), then file order.
  static bool less(const Entry& a, const Entry& b, std::size_t depth) {
    if (a.key != b.key) return a.key < b.key;
    const std::size_t n = std::min<std::size_t>(a.size, b.size);
    if (n > depth + kKeyChars) {
      const std::size_t i = foldedMismatch(a.line(), b.line(), depth + kKeyChars);
      if (i < n) return foldUpper(a.chars[i]) < foldUpper(b.chars[i]);
    }
    if (a.size != b.size) return a.size < b.size;
    return a.index < b.index;
  }

  // The whole order: the folded lines, then the shorter first, then file order.
  static bool before(const Entry& a, const Entry& b) {
    const std::size_t n = std::min<std::size_t>(a.size, b.size);
    const std::size_t i = foldedMismatch(a.line(), b.line(), 0);
    if (i < n) return foldUpper(a.chars[i]) < foldUpper(b.chars[i]);
    if (a.size != b.size) return a.size < b.size;
    return a.index < b.index;
  }

  void sortInParts(std::size_t parts) {
    const std::size_t n = entries_.size();
    // Part p takes the entries from splitter p - 1 (included) to splitter p: evenly
    // spread samples, sorted, give parts of about the same size.
    std::vector<Entry> sample;
    const std::size_t samples = parts * kSamplesPerPart;
    for (std::size_t k = 0; k < samples; ++k) sample.push_back(entries_[k * n / samples]);
    std::sort(sample.begin(), sample.end(), before);
    std::vector<Entry> splitters;
    for (std::size_t p = 1; p < parts; ++p) splitters.push_back(sample[p * kSamplesPerPart]);

    // Each entry to its part, in file order within the part (the lines are read in
    // the order they lie in memory). The entries are placed in stretches side by side:
    // each stretch counts its entries per part, and from those counts every stretch
    // knows where its entries of each part go.
    const std::vector<ScanPart> stretches = scanParts(n);
    const std::size_t s = stretches.size();
    std::vector<std::uint8_t> partOf(n);
    std::vector<std::size_t> counts(s * parts, 0);  // stretch t, part p at t * parts + p
    auto each = [&](auto work) {
      const PartFailure failed = runParts(s, work);
      if (failed.failure) std::rethrow_exception(failed.failure);
    };
    each([&](std::size_t t) {
      for (std::size_t i = stretches[t].first; i < stretches[t].end; ++i) {
        // Entries and splitters hold their keys at depth 0: most comparisons end there.
        const auto p = static_cast<std::size_t>(
            std::upper_bound(splitters.begin(), splitters.end(), entries_[i],
                             [](const Entry& a, const Entry& b) { return less(a, b, 0); }) -
            splitters.begin());
        partOf[i] = static_cast<std::uint8_t>(p);
        ++counts[t * parts + p];
      }
    });
    std::vector<std::size_t> starts(parts + 1, 0);
    std::vector<std::size_t> next(s * parts);  // where stretch t puts its next entry of part p
    for (std::size_t p = 0, at = 0; p < parts; ++p) {
      starts[p] = at;
      for (std::size_t t = 0; t < s; ++t) {
        next[t * parts + p] = at;
        at += counts[t * parts + p];
      }
      starts[p + 1] = at;
    }
    LargeVector<Entry> byPart;
    byPart.resizeForOverwrite(n);
    each([&](std::size_t t) {
      for (std::size_t i = stretches[t].first; i < stretches[t].end; ++i) byPart[next[t * parts + partOf[i]]++] = entries_[i];
    });
    entries_ = std::move(byPart);

    Entry* first = entries_.data();
    const PartFailure failed =
        runParts(parts, [first, &starts](std::size_t p) { sort(first + starts[p], starts[p + 1] - starts[p], 0); });
    if (failed.failure) std::rethrow_exception(failed.failure);
  }

  // The lines of a range lie anywhere in the list's memory: asking early for the
  // characters a few entries ahead keeps the reads from waiting on each other.
  static void prefetch(const Entry* a, std::size_t n, std::size_t k, std::size_t depth) {
    constexpr std::size_t kAhead = 12;
    if (k + kAhead < n && depth < a[k + kAhead].size) __builtin_prefetch(a[k + kAhead].chars + depth);
  }

  static std::uint64_t median(std::uint64_t a, std::uint64_t b, std::uint64_t c) {
    return std::max(std::min(a, b), std::min(std::max(a, b), c));
  }

  // Sorts the n entries from `a`, which agree on their first `depth` characters and
  // hold their keys at `depth`.
  static void sort(Entry* a, std::size_t n, std::size_t depth) {
    while (n > 1) {
      if (n < 12) {
        for (std::size_t i = 1; i < n; ++i)
          for (std::size_t j = i; j > 0 && less(a[j], a[j - 1], depth); --j) std::swap(a[j], a[j - 1]);
        return;
      }
      std::uint64_t pivot = median(a[0].key, a[n / 2].key, a[n - 1].key);
      if (n > 1000) {
        const std::size_t s = n / 8;
        pivot = median(median(a[0].key, a[s].key, a[2 * s].key), median(a[3 * s].key, pivot, a[5 * s].key),
                       median(a[6 * s].key, a[7 * s].key, a[n - 1 - s].key));
      }
      std::size_t lt = 0, i = 0, gt = n;
      while (i < gt) {
        if (a[i].key < pivot) std::swap(a[lt++], a[i++]);
        else if (a[i].key > pivot) std::swap(a[i], a[--gt]);
        else ++i;
      }

      // The entries equal on these characters: those that end here come first,
      // shorter first, equal lines in file order; the others go on further along.
      Entry* equal = a + lt;
      Entry* end = a + gt;
      Entry* rest = std::partition(equal, end, [&](const Entry& e) { return e.size <= depth + kKeyChars; });
      std::sort(equal, rest, [](const Entry& x, const Entry& y) { return x.size != y.size ? x.size < y.size : x.index < y.index; });
      const std::size_t restSize = static_cast<std::size_t>(end - rest);
      std::size_t restDepth = depth + kKeyChars;
      if (restSize > 1) restDepth = skipCommon(rest, restSize, restDepth);
      for (std::size_t k = 0; k < restSize; ++k) {
        prefetch(rest, restSize, k, restDepth);
        rest[k].key = key(rest[k].line(), restDepth);
      }

      // Three ranges left: the two smaller are sorted by a call, the largest here, so
      // the calls never nest deeper than the halvings of the list.
      struct Range {
        Entry* first;
        std::size_t size, depth;
      } ranges[] = {{a, lt, depth}, {a + gt, n - gt, depth}, {rest, restSize, restDepth}};
      std::sort(std::begin(ranges), std::end(ranges), [](const Range& x, const Range& y) { return x.size < y.size; });
      sort(ranges[0].first, ranges[0].size, ranges[0].depth);
      sort(ranges[1].first, ranges[1].size, ranges[1].depth);
      a = ranges[2].first;
      n = ranges[2].size;
      depth = ranges[2].depth;
    }
  }

  // Lines of a list often share long beginnings (a column of the same type, make and
  // model): the depth past what all n entries have in common, read once per line.
  static std::size_t skipCommon(const Entry* a, std::size_t n, std::size_t depth) {
    std::size_t common = a[0].size;
    for (std::size_t k = 1; k < n && common > depth; ++k) {
      prefetch(a, n, k, depth);
      common = foldedMismatch(a[0].line().substr(0, common), a[k].line(), depth);
    }
    return std::max(depth, common);
  }

  LargeVector<Entry> entries_;
};

template <typename At>
LargeVector<std::size_t> foldedOrder(std::size_t count, At at) {
  return FoldedSort(count, at).order();
}

}  // namespace

void sortLines(std::vector<Text>& lines) {
  const auto order = foldedOrder(lines.size(), [&](std::size_t i) { return TextView(lines[i]); });
  std::vector<Text> sorted;
  sorted.reserve(lines.size());
  for (std::size_t i : order) sorted.push_back(std::move(lines[i]));
  lines = std::move(sorted);
}

LargeVector<std::size_t> LineList::sortedOrder() const {
  return foldedOrder(size(), [this](std::size_t i) { return (*this)[i]; });
}

}  // namespace core

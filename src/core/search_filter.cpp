#include "core/search_filter.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <exception>
#include <functional>
#include <memory>
#include <mutex>
#include <span>

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
  literalBytes_.resize(pieces_.size());
  for (std::size_t i = 0; i < pieces_.size(); ++i) {
    const LinePiece& p = pieces_[i];
    if (p.width < 0) {
      for (char16_t ch : p.literal) {
        std::uint8_t b;
        if (!unicodeToAnsi(ch, b)) bytesOnly_ = false;
        literalBytes_[i].push_back(static_cast<char>(b));
      }
      maxBytes_ += p.literal.size();
      if (!bytesOnly_) foldable_ = false;
    } else if (p.compute) {
      bytesOnly_ = false;
      foldable_ = false;
    } else {
      if (p.width == 0 && i + 1 != pieces_.size()) foldable_ = false;
      maxBytes_ += p.fields.size() * 256 + static_cast<std::size_t>(p.width);  // a field holds at most 255
    }
  }
}

namespace {
// The stored, trimmed bytes of `fields` joined by one blank, written at `out`.
char* writeJoined(char* out, const RecordBuffer& record, const std::vector<std::size_t>& fields) {
  for (std::size_t f = 0; f < fields.size(); ++f) {
    if (f) *out++ = ' ';
    const std::string_view v = trimmedBytes(record, fields[f]);
    if (!v.empty()) std::memcpy(out, v.data(), v.size());
    out += v.size();
  }
  return out;
}
}  // namespace

char* LineFormat::writeBytes(char* out, const RecordBuffer& record) const {
  for (std::size_t i = 0; i < pieces_.size(); ++i) {
    const LinePiece& p = pieces_[i];
    if (p.width < 0) {
      const std::string& literal = literalBytes_[i];
      if (!literal.empty()) std::memcpy(out, literal.data(), literal.size());
      out += literal.size();
      continue;
    }
    char* const start = out;
    out = writeJoined(out, record, p.fields);
    if (p.width > 0) {
      char* const end = start + p.width;
      if (out < end) std::memset(out, ' ', static_cast<std::size_t>(end - out));
      out = end;
    }
  }
  return out;
}

char* LineFormat::writeFolded(char* out, const RecordBuffer& record) const {
  bool first = true;
  for (const LinePiece& p : pieces_) {
    if (p.width < 0) continue;
    if (!first) *out++ = kFold;
    first = false;
    char* const start = out;
    out = writeJoined(out, record, p.fields);
    if (std::memchr(start, kFold, static_cast<std::size_t>(out - start))) return nullptr;
    if (p.width > 0) {
      // Cut to the width, and without the blanks the padding adds anyway.
      if (out - start > p.width) out = start + p.width;
      while (out > start && out[-1] == ' ') --out;
    }
  }
  return out;
}

void LineFormat::unfold(std::string_view folded, std::string& out) const {
  out.clear();
  std::size_t at = 0;
  for (std::size_t i = 0; i < pieces_.size(); ++i) {
    const LinePiece& p = pieces_[i];
    if (p.width < 0) {
      out += literalBytes_[i];
      continue;
    }
    const std::size_t end = std::min(folded.size(), folded.find(kFold, at));
    out.append(folded.substr(at, end - at));
    if (p.width > 0 && end - at < static_cast<std::size_t>(p.width)) out.append(p.width - (end - at), ' ');
    at = end < folded.size() ? end + 1 : end;
  }
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

// ---- The lines' store -----------------------------------------------------------------
//
// A line in the store: two bytes (low first), then the line. Below kFolded they are
// the length of a line kept whole, from kFolded to kLongFolded that of a folded line
// (plus kFolded); kLongFolded and kLongLine are followed by the length in four bytes;
// kTextLine by the index of the line kept as text (in the store's `texts`).

namespace {
constexpr std::uint16_t kFolded = 0x8000, kLongFolded = 0xFFFD, kLongLine = 0xFFFE, kTextLine = 0xFFFF;
constexpr std::size_t kShortest = 0x7FFC;  // the longest line with two length bytes
constexpr std::size_t kLineHead = 2, kLongHead = 6;
}  // namespace

class LineStore {
 public:
  // Blocks of one large page each (a longer line gets a block of its own size), cut
  // into pieces the lists fill; a position in the store fits in 32 bits.
  static constexpr std::size_t kBlock = std::size_t{2} << 20, kPiece = std::size_t{64} << 10;

  struct Piece {
    char* start;
    std::size_t size;
    std::uint32_t at;  // where it lies in the store
  };

  // A piece of at least `bytes` bytes for one list to fill.
  Piece piece(std::size_t bytes) {
    const std::size_t size = std::max(bytes, kPiece);
    std::lock_guard<std::mutex> lock(mutex_);
    if (blocks_.empty() || used_ + size > kBlock) {
      const std::size_t covered = (size + kBlock - 1) / kBlock;
      if ((blocks_.size() + covered) * kBlock > (std::size_t{1} << 32)) throw std::length_error("result list full");
      blocks_.push_back(allocateLarge<char>(covered * kBlock));
      for (std::size_t i = 1; i < covered; ++i) blocks_.push_back(nullptr);
      used_ = 0;
      if (covered > 1) {
        // A long line fills its blocks: the next piece starts afresh.
        used_ = kBlock;
        return {blocks_[blocks_.size() - covered].get(), covered * kBlock,
                static_cast<std::uint32_t>((blocks_.size() - covered) * kBlock)};
      }
    }
    const Piece out{blocks_.back().get() + used_, size, static_cast<std::uint32_t>((blocks_.size() - 1) * kBlock + used_)};
    used_ += size;
    return out;
  }

  const char* at(std::uint32_t position) const { return blocks_[position / kBlock].get() + position % kBlock; }

  // A line kept as text; returns its index.
  std::uint32_t keepText(TextView line) {
    std::lock_guard<std::mutex> lock(mutex_);
    texts_.emplace_back(line);
    return static_cast<std::uint32_t>(texts_.size() - 1);
  }
  const Text& text(std::uint32_t index) const { return texts_[index]; }
  bool hasTexts() const { return !texts_.empty(); }

  // Room for `bytes` bytes (aligned to `align`) in what the last block has left, for a
  // short while (nothing is added meanwhile); null when it has not that much left.
  void* spare(std::size_t bytes, std::size_t align) {
    std::lock_guard<std::mutex> lock(mutex_);
    if (blocks_.empty() || !blocks_.back()) return nullptr;
    const std::size_t from = (used_ + align - 1) / align * align;
    return from + bytes <= kBlock ? blocks_.back().get() + from : nullptr;
  }

  // The copy of `format` this store folds lines of; null when it folds another's.
  const LineFormat* folding(const LineFormat& format) {
    std::lock_guard<std::mutex> lock(mutex_);
    if (!format_) {
      format_ = std::make_unique<LineFormat>(format);
      source_ = &format;
    }
    return source_ == &format ? format_.get() : nullptr;
  }
  const LineFormat& format() const { return *format_; }

 private:
  std::mutex mutex_;
  std::vector<LargeArray<char>> blocks_;
  std::size_t used_ = 0;  // bytes handed out of the last block
  std::vector<Text> texts_;
  std::unique_ptr<LineFormat> format_;  // what folded lines unfold by
  const LineFormat* source_ = nullptr;
};

namespace {

// A line as the store keeps it: its bytes (folded or whole), or its text.
struct StoredLine {
  const char* bytes = nullptr;
  std::size_t size = 0;
  const Text* text = nullptr;
  bool folded = false;
};

StoredLine readLine(const LineStore& store, std::uint32_t position) {
  const auto* p = reinterpret_cast<const unsigned char*>(store.at(position));
  const auto head = static_cast<std::uint16_t>(p[0] | p[1] << 8);
  const auto* body = reinterpret_cast<const char*>(p + kLineHead);
  if (head < kFolded) return {body, head, nullptr, false};
  if (head < kLongFolded) return {body, static_cast<std::size_t>(head - kFolded), nullptr, true};
  std::uint32_t value;
  std::memcpy(&value, p + kLineHead, 4);
  if (head != kTextLine) return {reinterpret_cast<const char*>(p + kLongHead), value, nullptr, head == kLongFolded};
  const Text& t = store.text(value);
  return {nullptr, t.size(), &t, false};
}

Text textOf(std::string_view bytes) {
  Text out(bytes.size(), u'\0');
  const std::array<char16_t, 256>& chars = ansiChars();
  for (std::size_t i = 0; i < bytes.size(); ++i) out[i] = chars[static_cast<std::uint8_t>(bytes[i])];
  return out;
}

}  // namespace

// ---- LineList -----------------------------------------------------------------------

LineList::LineList() : store_(std::make_shared<LineStore>()) {}
LineList::~LineList() = default;
LineList::LineList(LineList&&) noexcept = default;
LineList& LineList::operator=(LineList&&) noexcept = default;

LineList::LineList(const LineList& other) : LineList() {
  reserve(other.size(), 0);
  addCopiesOf(other);
}

void LineList::addCopiesOf(const LineList& other) {
  for (std::size_t i = 0; i < other.size(); ++i) {
    std::string_view b;
    if (other.bytes(i, b)) {
      char* p = room(b.size());
      if (!b.empty()) std::memcpy(p, b.data(), b.size());
      placed(p + b.size());
    } else {
      addWide(other[i]);
    }
  }
}

LineList& LineList::operator=(const LineList& other) {
  if (this != &other) *this = LineList(other);
  return *this;
}

std::vector<LineList> LineList::forParts(std::size_t parts) {
  std::vector<LineList> lists(parts);
  for (std::size_t p = 1; p < parts; ++p) lists[p].store_ = lists[0].store_;
  return lists;
}

std::uint32_t LineList::at(std::size_t i) const {
  std::size_t s = 0;
  if (at_.size() > 1) s = static_cast<std::size_t>(std::upper_bound(ends_.begin(), ends_.end(), i) - ends_.begin());
  return at_[s][i - (s ? ends_[s - 1] : 0)];
}

Text LineList::operator[](std::size_t i) const {
  const StoredLine line = readLine(*store_, at(i));
  if (line.text) return *line.text;
  std::string_view b;
  bytes(i, b);
  return textOf(b);
}

bool LineList::bytes(std::size_t i, std::string_view& out) const {
  const StoredLine line = readLine(*store_, at(i));
  if (line.text) return false;
  out = std::string_view(line.bytes, line.size);
  if (line.folded) {
    store_->format().unfold(out, unfolded_);
    out = unfolded_;
  }
  return true;
}

char* LineList::room(std::size_t bytes) {
  lineHead_ = bytes > kShortest ? kLongHead : kLineHead;
  const std::size_t need = bytes + lineHead_;
  if (static_cast<std::size_t>(roomEnd_ - room_) < need) {
    const LineStore::Piece piece = store_->piece(need);
    room_ = piece.start;
    roomEnd_ = piece.start + piece.size;
    roomAt_ = piece.at;
  }
  if (at_.empty()) {
    at_.emplace_back();
    ends_.push_back(0);
  }
  at_.back().push_back(roomAt_);
  ++count_;
  ++ends_.back();
  lineStart_ = room_;
  return room_ + lineHead_;
}

void LineList::placed(char* end) {
  const auto size = static_cast<std::size_t>(end - (lineStart_ + lineHead_));
  auto* head = reinterpret_cast<unsigned char*>(lineStart_);
  if (lineHead_ == kLineHead) {
    const std::size_t h = folding_ ? size + kFolded : size;
    head[0] = static_cast<unsigned char>(h & 0xFF);
    head[1] = static_cast<unsigned char>(h >> 8);
  } else {
    const std::uint16_t h = folding_ ? kLongFolded : kLongLine;
    head[0] = h & 0xFF;
    head[1] = h >> 8;
    const auto length = static_cast<std::uint32_t>(size);
    std::memcpy(head + kLineHead, &length, 4);
  }
  roomAt_ += static_cast<std::uint32_t>(end - room_);
  room_ = end;
  (folding_ ? hasFolded_ : hasWhole_) = true;
  folding_ = false;
}

void LineList::addWide(TextView line) {
  char* p = room(4);
  auto* head = reinterpret_cast<unsigned char*>(lineStart_);
  head[0] = kTextLine & 0xFF;
  head[1] = kTextLine >> 8;
  const std::uint32_t index = store_->keepText(line);
  std::memcpy(p, &index, 4);
  roomAt_ += static_cast<std::uint32_t>(p + 4 - room_);
  room_ = p + 4;
}

void LineList::add(TextView line) {
  bytes_.clear();
  for (char16_t ch : line) {
    std::uint8_t b;
    if (!unicodeToAnsi(ch, b)) {
      addWide(line);
      return;
    }
    bytes_.push_back(static_cast<char>(b));
  }
  char* p = room(bytes_.size());
  if (!bytes_.empty()) std::memcpy(p, bytes_.data(), bytes_.size());
  placed(p + bytes_.size());
}

void LineList::add(const LineFormat& format, const RecordBuffer& record) {
  if (!format.bytesOnly_) {
    // Built aside first: a computed column may hold any character.
    line_.clear();
    format.appendTo(line_, record);
    add(line_);
    return;
  }
  if (format.foldable_ && &format != foldsLinesOf_) {
    foldsLinesOf_ = &format;
    folds_ = store_->folding(format);
  }
  // Written in place: the room holds the longest line the format can make.
  char* p = room(format.maxBytes_);
  if (folds_ && &format == foldsLinesOf_) {
    if (char* end = format.writeFolded(p, record)) {
      folding_ = true;
      placed(end);
      return;
    }
  }
  placed(format.writeBytes(p, record));
}

void LineList::reserve(std::size_t lines, std::size_t) {
  if (at_.empty()) {
    at_.emplace_back();
    ends_.push_back(0);
  }
  at_.back().reserve(at_.back().size() + lines);
}

void LineList::append(LineList&& other) {
  if (other.empty()) return;
  if (empty() && at_.size() <= 1) {
    *this = std::move(other);
    other.clear();
    return;
  }
  if (other.store_ == store_) {
    // Lines added later go after these: this list's current piece stays its own.
    hasFolded_ = hasFolded_ || other.hasFolded_;
    hasWhole_ = hasWhole_ || other.hasWhole_;
    for (auto& a : other.at_) {
      if (a.empty()) continue;
      count_ += a.size();
      at_.push_back(std::move(a));
      ends_.push_back(count_);
    }
  } else {
    addCopiesOf(other);
  }
  other.clear();
}

void LineList::clear() {
  store_ = std::make_shared<LineStore>();
  std::vector<LargeVector<std::uint32_t>>().swap(at_);
  std::vector<std::size_t>().swap(ends_);
  count_ = 0;
  room_ = roomEnd_ = lineStart_ = nullptr;
  roomAt_ = 0;
  foldsLinesOf_ = folds_ = nullptr;
  hasFolded_ = hasWhole_ = false;
}

std::vector<Text> LineList::toVector() const {
  std::vector<Text> out;
  out.reserve(size());
  for (std::size_t i = 0; i < size(); ++i) out.push_back((*this)[i]);
  return out;
}

// ---- Scan ------------------------------------------------------------------------

namespace {
// The parts' lines joined in file order, those of parts [0, upTo).
LineList joinParts(std::vector<LineList>& partLines, std::size_t upTo) {
  // The parts keep their lines in one store: joined, nothing is copied.
  LineList lines = std::move(partLines[0]);
  for (std::size_t p = 1; p < upTo; ++p) lines.append(std::move(partLines[p]));
  return lines;
}
}  // namespace

void scanLines(Archive& archive, const RecordLayout& layout, const LineFormat& format,
               const std::function<Verdict(const RecordBuffer&)>& choose, LineList& lines) {
  if (layout.size() != archive.recordSize()) throw ArchiveError("record size mismatch");
  const std::vector<ScanPart> parts = scanParts(archive.count());
  std::vector<LineList> partLines = LineList::forParts(parts.size());
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
  std::vector<LineList> partLines = LineList::forParts(parts.size());
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

// Each Windows-1252 byte's place in the order of the folded characters (a-z as A-Z),
// from 1: fewer than 256 places, so a byte each. For folded lines, kFold's place is
// just below the blank's (between the control characters and the blank).
std::array<std::uint8_t, 256> placesOf(bool folded) {
  std::array<std::uint32_t, 256> order{};
  for (std::size_t b = 0; b < 256; ++b) order[b] = 2u * foldUpper(ansiToUnicode(static_cast<std::uint8_t>(b)));
  if (folded) order[static_cast<std::uint8_t>(kFold)] = 2u * u' ' - 1;
  std::array<std::uint32_t, 256> sorted = order;
  std::sort(sorted.begin(), sorted.end());
  const auto last = std::unique(sorted.begin(), sorted.end());
  std::array<std::uint8_t, 256> out{};
  for (std::size_t b = 0; b < 256; ++b)
    out[b] = static_cast<std::uint8_t>(std::lower_bound(sorted.begin(), last, order[b]) - sorted.begin() + 1);
  return out;
}
const std::array<std::uint8_t, 256>& foldedPlaces() {
  static const std::array<std::uint8_t, 256> places = placesOf(true);
  return places;
}

}  // namespace

const std::array<std::uint8_t, 256>& bytePlaces() {
  static const std::array<std::uint8_t, 256> places = placesOf(false);
  return places;
}

// The order of a result list without copying its lines: a three-way string quicksort
// on the folded characters (Bentley and Sedgewick), several of them at a time read as
// one number and kept beside each line (16 bytes a line in all), so most comparisons
// touch no line at all. A list of bytes only (the usual one) keeps eight characters a
// number, by their places (bytePlaces); a list with lines kept as text, three, by their
// folded code units. Lines that compare equal end in the same range and are put in
// file order there, which makes the order stable.
class LineSorter {
 public:
  struct Entry {
    std::uint64_t key;    // the line's characters depth .. depth + chars - 1, 0 past its end
    std::uint32_t at;     // where the line lies in the store
    std::uint32_t index;  // its place in the list
  };

  // A list whose lines are all folded, or none (LineList::sort sorts others whole).
  explicit LineSorter(const LineList& list)
      : store_(*list.store_),
        places_(list.hasFolded_ ? foldedPlaces().data() : bytePlaces().data()),
        wide_(list.store_->hasTexts()),
        chars_(wide_ ? 3 : 8),
        bits_(wide_ ? 21 : 8) {
    const std::size_t n = list.size();
    // The entries live in what the store's last large page has left, when it holds
    // them: memory already touched, where any other would be touched for the first time.
    auto* spare = static_cast<Entry*>(list.store_->spare(n * sizeof(Entry), alignof(Entry)));
    if (!spare) {
      own_.reserveWholePages(n);  // one large page's fault costs less than its small pages'
      own_.resizeForOverwrite(n);
      spare = own_.data();
    }
    entries_ = std::span<Entry>(spare, n);
    // A long list's entries are made in parts side by side, each part's from its
    // arrays of positions.
    const std::vector<ScanPart> parts = scanParts(n);
    each(parts.size(), [&](std::size_t p) {
      for (std::size_t i = parts[p].first; i < parts[p].end; ++i) {
        const std::uint32_t at = list.at(i);
        entries_[i] = {key(line(at), 0), at, static_cast<std::uint32_t>(i)};
      }
    });
  }

  // Sorts the entries; returns them, in the list's order.
  std::span<const Entry> sorted() {
    const std::size_t n = entries_.size();
    const std::size_t parts = scanParts(n).size();
    if (parts > 1) sortInParts(parts);
    else sort(entries_.data(), n, 0);
    return entries_;
  }


 private:
  struct Line {
    const unsigned char* bytes = nullptr;
    const char16_t* text = nullptr;
    std::size_t size = 0;
  };

  Line line(std::uint32_t at) const {
    const StoredLine s = readLine(store_, at);
    return {reinterpret_cast<const unsigned char*>(s.bytes), s.text ? s.text->data() : nullptr, s.size};
  }

  // The place of character j of a line, from 1.
  std::uint64_t unit(const Line& l, std::size_t j) const {
    if (!wide_) return places_[l.bytes[j]];
    if (l.text) return std::uint64_t{foldUpper(l.text[j])} + 1;
    return std::uint64_t{foldUpper(ansiToUnicode(l.bytes[j]))} + 1;
  }

  std::uint64_t key(const Line& l, std::size_t depth) const {
    std::uint64_t k = 0;
    for (std::size_t j = depth; j < depth + chars_; ++j) k = (k << bits_) | (j < l.size ? unit(l, j) : 0u);
    return k;
  }

  // The first position from `from` on at which two lines' characters differ once
  // folded (their common length when they do not).
  std::size_t mismatch(const Line& x, const Line& y, std::size_t from) const {
    const std::size_t n = std::min(x.size, y.size);
    std::size_t i = from;
    if (x.bytes && y.bytes) {
      // Equal bytes are equal folded too: they go eight at a time.
      while (i < n) {
        while (i + 8 <= n && std::memcmp(x.bytes + i, y.bytes + i, 8) == 0) i += 8;
        for (const std::size_t stop = std::min(n, i + 8); i < stop; ++i)
          if (x.bytes[i] != y.bytes[i] && unit(x, i) != unit(y, i)) return i;
      }
      return n;
    }
    for (; i < n; ++i)
      if (unit(x, i) != unit(y, i)) return i;
    return n;
  }

  // Whether a goes before b, when both agree on their first `depth` characters: the
  // key, then the rest, then the shorter first, then list order.
  bool less(const Entry& a, const Entry& b, std::size_t depth) const {
    if (a.key != b.key) return a.key < b.key;
    const Line x = line(a.at), y = line(b.at);
    const std::size_t n = std::min(x.size, y.size);
    if (n > depth + chars_) {
      const std::size_t i = mismatch(x, y, depth + chars_);
      if (i < n) return unit(x, i) < unit(y, i);
    }
    if (x.size != y.size) return x.size < y.size;
    return a.index < b.index;
  }

  static void each(std::size_t count, const std::function<void(std::size_t)>& work) {
    const PartFailure failed = runParts(count, work);
    if (failed.failure) std::rethrow_exception(failed.failure);
  }

  // A long list is cut into a few parts by sampled lines, each entry is moved into its
  // part's stretch (in place: no second array), and the parts are sorted side by side.
  void sortInParts(std::size_t parts) {
    const std::size_t n = entries_.size();
    constexpr std::size_t kSamplesPerPart = 32;
    std::vector<Entry> sample;
    const std::size_t samples = parts * kSamplesPerPart;
    for (std::size_t k = 0; k < samples; ++k) sample.push_back(entries_[k * n / samples]);
    std::sort(sample.begin(), sample.end(), [this](const Entry& a, const Entry& b) { return less(a, b, 0); });
    std::vector<Entry> splitters;
    for (std::size_t p = 1; p < parts; ++p) splitters.push_back(sample[p * kSamplesPerPart]);
    auto partOf = [&](const Entry& e) {
      return static_cast<std::size_t>(
          std::upper_bound(splitters.begin(), splitters.end(), e, [this](const Entry& a, const Entry& b) { return less(a, b, 0); }) -
          splitters.begin());
    };
    // Each entry's part, found side by side (the comparisons may read lines), kept in
    // the index's top bits while the entries move.
    const std::vector<ScanPart> stretches = scanParts(n);
    std::vector<std::size_t> counts(stretches.size() * parts, 0);
    std::vector<std::uint8_t> partOfEntry(n);
    each(stretches.size(), [&](std::size_t t) {
      for (std::size_t i = stretches[t].first; i < stretches[t].end; ++i) {
        const std::size_t p = partOf(entries_[i]);
        partOfEntry[i] = static_cast<std::uint8_t>(p);
        ++counts[t * parts + p];
      }
    });
    std::vector<std::size_t> starts(parts + 1, 0);
    for (std::size_t p = 0; p < parts; ++p) {
      starts[p + 1] = starts[p];
      for (std::size_t t = 0; t < stretches.size(); ++t) starts[p + 1] += counts[t * parts + p];
    }
    std::vector<std::size_t> next(starts.begin(), starts.end() - 1);
    for (std::size_t p = 0; p < parts; ++p) {
      for (std::size_t i = next[p]; i < starts[p + 1]; i = next[p]) {
        const std::size_t q = partOfEntry[i];
        if (q == p) {
          ++next[p];
        } else {
          const std::size_t j = next[q]++;
          std::swap(entries_[i], entries_[j]);
          std::swap(partOfEntry[i], partOfEntry[j]);
        }
      }
    }
    Entry* first = entries_.data();
    each(parts, [&](std::size_t p) { sort(first + starts[p], starts[p + 1] - starts[p], 0); });
  }

  // The lines of a range lie anywhere in the store: asking early for the bytes a few
  // entries ahead keeps the reads from waiting on each other.
  void prefetch(const Entry* a, std::size_t n, std::size_t k) const {
    constexpr std::size_t kAhead = 12;
    if (k + kAhead < n) __builtin_prefetch(store_.at(a[k + kAhead].at));
  }

  static std::uint64_t median(std::uint64_t a, std::uint64_t b, std::uint64_t c) {
    return std::max(std::min(a, b), std::min(std::max(a, b), c));
  }

  // Sorts the n entries from `a`, which agree on their first `depth` characters and
  // hold their keys at `depth`.
  void sort(Entry* a, std::size_t n, std::size_t depth) const {
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
      // shorter first, equal lines in list order; the others go on further along.
      Entry* equal = a + lt;
      Entry* end = a + gt;
      Entry* rest = std::partition(equal, end, [&](const Entry& e) { return line(e.at).size <= depth + chars_; });
      std::sort(equal, rest, [&](const Entry& x, const Entry& y) {
        const std::size_t sx = line(x.at).size, sy = line(y.at).size;
        return sx != sy ? sx < sy : x.index < y.index;
      });
      const std::size_t restSize = static_cast<std::size_t>(end - rest);
      std::size_t restDepth = depth + chars_;
      if (restSize > 1) restDepth = skipCommon(rest, restSize, restDepth);
      for (std::size_t k = 0; k < restSize; ++k) {
        prefetch(rest, restSize, k);
        rest[k].key = key(line(rest[k].at), restDepth);
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
  std::size_t skipCommon(const Entry* a, std::size_t n, std::size_t depth) const {
    const Line first = line(a[0].at);
    std::size_t common = first.size;
    for (std::size_t k = 1; k < n && common > depth; ++k) {
      prefetch(a, n, k);
      Line head = first;
      head.size = common;
      common = mismatch(head, line(a[k].at), depth);
    }
    return std::max(depth, common);
  }

  const LineStore& store_;
  const std::uint8_t* const places_;
  const bool wide_;
  const std::size_t chars_;
  const unsigned bits_;
  std::span<Entry> entries_;
  LargeVector<Entry> own_;
};

void sortLines(std::vector<Text>& lines) {
  LineList list;
  list.reserve(lines.size(), 0);
  for (const Text& l : lines) list.add(l);
  const LargeVector<std::size_t> order = list.sortedOrder();
  std::vector<Text> sorted;
  sorted.reserve(lines.size());
  for (std::size_t i : order) sorted.push_back(std::move(lines[i]));
  lines = std::move(sorted);
}

bool LineList::foldedAmongOthers() const { return hasFolded_ && (hasWhole_ || store_->hasTexts()); }

LargeVector<std::size_t> LineList::sortedOrder() const {
  if (foldedAmongOthers()) {
    // Folded lines among lines kept whole: all compared whole.
    LineList whole;
    whole.reserve(size(), 0);
    for (std::size_t i = 0; i < size(); ++i) whole.add((*this)[i]);
    return whole.sortedOrder();
  }
  LineSorter sorter(*this);
  const std::span<const LineSorter::Entry> sorted = sorter.sorted();
  LargeVector<std::size_t> out;
  out.resizeForOverwrite(sorted.size());
  for (std::size_t i = 0; i < sorted.size(); ++i) out[i] = sorted[i].index;
  return out;
}

void LineList::sort() {
  if (count_ < 2) return;
  if (foldedAmongOthers()) {
    const LargeVector<std::size_t> order = sortedOrder();
    std::vector<std::uint32_t> positions(count_);
    for (std::size_t i = 0; i < count_; ++i) positions[i] = at(order[i]);
    std::size_t i = 0;
    for (auto& a : at_)
      for (std::uint32_t& position : a) position = positions[i++];
    return;
  }
  LineSorter sorter(*this);
  const std::span<const LineSorter::Entry> sorted = sorter.sorted();
  // The positions in their new order, written back into the arrays that held them.
  std::size_t i = 0;
  for (auto& positions : at_)
    for (std::uint32_t& position : positions) position = sorted[i++].at;
}

}  // namespace core

#include "core/spreadsheet.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdlib>
#include <cstring>
#include <limits>

#include "core/ansi.h"
#include "core/archive.h"
#include "core/record.h"

namespace core {

// ---- TextGrid ---------------------------------------------------------------------
//
// A row's run: for each column, its length as a base-128 number (low 7 bits first, the
// top bit set on every byte but the last), then its bytes.

namespace {

std::size_t readLength(const char*& p) {
  std::size_t length = 0;
  for (int shift = 0;; shift += 7) {
    const auto b = static_cast<std::uint8_t>(*p++);
    length |= static_cast<std::size_t>(b & 0x7F) << shift;
    if (!(b & 0x80)) return length;
  }
}

char* writeLength(char* p, std::size_t length) {
  while (length >= 0x80) {
    *p++ = static_cast<char>(0x80 | (length & 0x7F));
    length >>= 7;
  }
  *p++ = static_cast<char>(length);
  return p;
}

// A length under 128 written in exactly `bytes` bytes (at least one): the base-128 form
// padded with groups of zero, which reads back as the same length. A number cell keeps
// its room this way whatever its digits.
char* writePaddedLength(char* p, std::size_t length, std::size_t bytes) {
  if (bytes == 1) {
    *p++ = static_cast<char>(length);
    return p;
  }
  *p++ = static_cast<char>(0x80 | length);
  for (std::size_t i = 2; i < bytes; ++i) *p++ = static_cast<char>(0x80);
  *p++ = 0;
  return p;
}

// Writes `number` into a number cell of `room` bytes (its length and its digits).
char* writeNumberCell(char* p, std::size_t number, std::size_t room) {
  char digits[24];
  const auto end = std::to_chars(digits, digits + sizeof digits, number).ptr;
  const auto count = static_cast<std::size_t>(end - digits);
  if (count + 1 > room) throw std::length_error("row number past its room");
  p = writePaddedLength(p, count, room - count);
  return std::copy(digits, end, p);
}

// A cell's bytes copied: cells are short, and a call to memmove for each one costs
// more than the copy, so up to 32 bytes go in two overlapping fixed-size moves.
inline char* putBytes(char* p, std::string_view bytes) {
  const char* s = bytes.data();
  const std::size_t n = bytes.size();
  if (n >= 16 && n <= 32) {
    std::memcpy(p, s, 16);
    std::memcpy(p + n - 16, s + n - 16, 16);
  } else if (n >= 8 && n < 16) {
    std::memcpy(p, s, 8);
    std::memcpy(p + n - 8, s + n - 8, 8);
  } else if (n >= 4 && n < 8) {
    std::memcpy(p, s, 4);
    std::memcpy(p + n - 4, s + n - 4, 4);
  } else if (n > 0 && n < 4) {
    p[0] = s[0];
    p[n / 2] = s[n / 2];
    p[n - 1] = s[n - 1];
  } else if (n > 32) {
    std::memcpy(p, s, n);
  }
  return p + n;
}

std::size_t lengthSize(std::size_t length) {
  std::size_t n = 1;
  while (length >= 0x80) {
    length >>= 7;
    ++n;
  }
  return n;
}

}  // namespace

TextGrid::TextGrid(std::size_t columns, std::size_t rows) : columns_(columns) { setRowCount(rows); }

void TextGrid::setRowCount(std::size_t rows) {
  rows_.resize(rows, 0);
  // Texts of dropped or rewritten rows stay in their blocks until the grid is emptied.
  if (rows == 0) {
    blocks_.clear();
    used_ = 0;
  }
}

std::size_t TextGrid::appendRow() {
  rows_.push_back(0);
  return rows_.size() - 1;
}

void TextGrid::rowBytes(std::size_t row, std::vector<std::string_view>& out) const {
  out.assign(columns_, std::string_view());
  if (row >= rows_.size() || rows_[row] == 0) return;
  const std::size_t pos = rows_[row] - 1;
  const char* p = blocks_[pos / kBlock].get() + pos % kBlock;
  for (std::size_t c = 0; c < columns_; ++c) {
    const std::size_t length = readLength(p);
    out[c] = std::string_view(p, length);
    p += length;
  }
}

std::string_view TextGrid::cellBytes(std::size_t row, std::size_t column) const {
  if (row >= rows_.size() || column >= columns_ || rows_[row] == 0) return {};
  const std::size_t pos = rows_[row] - 1;
  const char* p = blocks_[pos / kBlock].get() + pos % kBlock;
  for (std::size_t c = 0;; ++c) {
    const std::size_t length = readLength(p);
    if (c == column) return std::string_view(p, length);
    p += length;
  }
}

std::u16string TextGrid::cell(std::size_t row, std::size_t column) const {
  return fromAnsi(cellBytes(row, column));
}

std::uint32_t TextGrid::store(std::span<const std::string_view> cells, std::size_t numberDigits) {
  std::size_t size = 0;
  for (std::size_t c = 0; c < columns_; ++c) {
    const std::size_t length = c < cells.size() ? cells[c].size() : 0;
    size += (c == 0 && numberDigits) ? 1 + numberDigits : lengthSize(length) + length;
  }
  std::size_t pos;
  if (!blocks_.empty() && used_ + size <= kBlock) {
    pos = (blocks_.size() - 1) * kBlock + used_;
    used_ += size;
  } else {
    const std::size_t covered = (size + kBlock - 1) / kBlock;
    if ((blocks_.size() + covered) * kBlock >= std::numeric_limits<std::uint32_t>::max()) {
      throw std::length_error("export grid full");
    }
    pos = blocks_.size() * kBlock;
    blocks_.push_back(allocateLarge<char>(covered * kBlock));
    for (std::size_t i = 1; i < covered; ++i) blocks_.push_back(nullptr);
    used_ = covered > 1 ? kBlock : size;  // a long run fills its blocks: the next starts afresh
  }
  char* p = blocks_[pos / kBlock].get() + pos % kBlock;
  for (std::size_t c = 0; c < columns_; ++c) {
    const std::string_view cell = c < cells.size() ? cells[c] : std::string_view();
    if (c == 0 && numberDigits) {
      p = writePaddedLength(p, cell.size(), 1 + numberDigits - cell.size());
    } else {
      p = writeLength(p, cell.size());
    }
    p = putBytes(p, cell);
  }
  return static_cast<std::uint32_t>(pos + 1);
}

void TextGrid::setNumberedRowBytes(std::size_t row, std::span<const std::string_view> cells, std::size_t digits) {
  if (row >= rows_.size()) throw std::out_of_range("grid row out of range");
  if (columns_ == 0) return;
  const std::string_view number = cells.empty() ? std::string_view() : cells[0];
  if (number.empty() || digits < number.size() || digits > 9 ||
      !std::all_of(number.begin(), number.end(), [](char c) { return c >= '0' && c <= '9'; })) {
    throw std::invalid_argument("not a row number in its room");
  }
  rows_[row] = store(cells, digits);
}

void TextGrid::addToNumbers(std::size_t offset) {
  if (offset == 0 || columns_ == 0) return;
  for (const std::uint32_t start : rows_) {
    if (start == 0) continue;
    const std::size_t pos = start - 1;
    char* p = blocks_[pos / kBlock].get() + pos % kBlock;
    // The cell's room: its length bytes and its digits.
    const char* q = p;
    const std::size_t length = readLength(q);
    const auto room = static_cast<std::size_t>(q - p) + length;
    std::size_t number = 0;
    std::from_chars(q, q + length, number);
    writeNumberCell(p, number + offset, room);
  }
}

void TextGrid::setRowBytes(std::size_t row, std::span<const std::string_view> cells) {
  if (row >= rows_.size()) throw std::out_of_range("grid row out of range");
  rows_[row] = store(cells);
}

void TextGrid::setCell(std::size_t row, std::size_t column, std::u16string_view text) {
  if (row >= rows_.size() || column >= columns_) throw std::out_of_range("grid cell out of range");
  std::vector<std::string_view> cells;
  rowBytes(row, cells);  // views into blocks, which never move
  const std::string bytes = toAnsi(text);
  cells[column] = bytes;
  rows_[row] = store(cells);
}

void TextGrid::reorderRows(std::span<const std::size_t> order) {
  if (order.size() != rows_.size()) throw std::invalid_argument("not a reordering of the rows");
  LargeVector<std::uint32_t> reordered;
  reordered.resizeForOverwrite(rows_.size());
  std::vector<bool> seen(rows_.size());
  for (std::size_t r = 0; r < order.size(); ++r) {
    if (order[r] >= rows_.size() || seen[order[r]]) throw std::invalid_argument("not a reordering of the rows");
    seen[order[r]] = true;
    reordered[r] = rows_[order[r]];
  }
  rows_ = std::move(reordered);
}

void TextGrid::adoptRows(std::size_t at, TextGrid&& part) {
  if (part.columns_ != columns_) throw std::invalid_argument("grids of other columns");
  // The part's blocks go after this grid's, so its positions move on by as much.
  const std::size_t shift = blocks_.size() * kBlock;
  if ((blocks_.size() + part.blocks_.size()) * kBlock >= std::numeric_limits<std::uint32_t>::max()) {
    throw std::length_error("export grid full");
  }
  if (rows_.size() < at + part.rows_.size()) rows_.resize(at + part.rows_.size(), 0);
  for (std::size_t r = 0; r < part.rows_.size(); ++r)
    rows_[at + r] = part.rows_[r] ? static_cast<std::uint32_t>(part.rows_[r] + shift) : 0;
  if (!part.blocks_.empty()) {
    for (Block& b : part.blocks_) blocks_.push_back(std::move(b));
    used_ = part.used_;  // the part's last block is now the last
  }
  part.rows_.clear();
  part.blocks_.clear();
  part.used_ = 0;
}

// ---- Filling a grid from an archive ----------------------------------------------

void fillGrid(TextGrid& grid, Archive& archive, const RecordLayout& layout, std::span<const GridSource> sources,
              const std::function<bool(const RecordBuffer&)>& take) {
  const std::size_t count = archive.count();
  if (count == 0) return;
  if (layout.size() != archive.recordSize()) throw ArchiveError("record size mismatch");
  const std::size_t columns = grid.columnCount();
  // Only a selection or a composed value needs the record as a RecordBuffer; plain
  // fields are read where the scan's block holds them.
  bool needsRecord = static_cast<bool>(take);
  for (const GridSource& source : sources) needsRecord |= source.field == GridSource::kComposed;

  const std::vector<ScanPart> parts = scanParts(count);
  // With a selection each part numbers its rows from 1, with room for the largest
  // number the archive can give; once the rows of the parts before it are counted,
  // its numbers move on in place.
  const std::size_t digits = std::to_string(count).size();
  std::vector<TextGrid> partGrids;
  for (std::size_t p = 0; p < parts.size(); ++p) partGrids.emplace_back(columns);
  const PartFailure failed = runParts(parts.size(), [&](std::size_t p) {
    TextGrid& out = partGrids[p];
    out.reserve(parts[p].end - parts[p].first);  // at most a row a record: a few bytes each
    RecordBuffer record(layout);
    std::vector<std::string_view> cells(columns);
    std::vector<std::string> composed(columns);
    char numberText[24];
    // Without a selection a row's number is its record's: known here already.
    std::size_t number = take ? 0 : parts[p].first;
    forEachRecordBytesIn(archive, parts[p], [&](const std::uint8_t* bytes, std::size_t) {
      if (needsRecord) record.lookAt(bytes);
      if (take && !take(record)) return true;
      const std::size_t row = out.appendRow();
      ++number;
      if (columns == 0) return true;
      cells[0] = std::string_view(numberText,
                                  static_cast<std::size_t>(std::to_chars(numberText, numberText + sizeof numberText, number).ptr - numberText));
      for (std::size_t c = 1; c < columns; ++c) {
        cells[c] = {};
        if (c > sources.size()) continue;
        const GridSource& source = sources[c - 1];
        if (source.field != GridSource::kComposed) {
          // The stored bytes, trimmed as every reader trims.
          cells[c] = trimBytes(storedFieldBytes(bytes, layout, source.field));
        } else if (source.compose) {
          composed[c] = toAnsi(source.compose(record));
          cells[c] = composed[c];
        }
      }
      out.setNumberedRowBytes(row, cells, digits);
      return true;
    });
  });

  // Without a selection every record has its row (the count set first, rows a failed
  // read never reached left empty); with one, the rows are those taken, in file order,
  // up to a failed read.
  const std::size_t fillParts = (take && failed.failure) ? failed.part + 1 : parts.size();
  std::vector<std::size_t> firstRow(fillParts, 0);
  for (std::size_t p = 1; p < fillParts; ++p)
    firstRow[p] = take ? firstRow[p - 1] + partGrids[p - 1].rowCount() : parts[p].first;
  if (take) {
    const PartFailure renumbered =
        runParts(fillParts, [&](std::size_t p) { partGrids[p].addToNumbers(firstRow[p]); });
    if (renumbered.failure) std::rethrow_exception(renumbered.failure);
  }
  // The earlier rows' texts go: a grid filled again never holds two archives' texts.
  grid.setRowCount(0);
  if (!take) grid.setRowCount(count);
  else if (fillParts > 0) grid.reserve(firstRow[fillParts - 1] + partGrids[fillParts - 1].rowCount());
  for (std::size_t p = 0; p < fillParts; ++p) grid.adoptRows(firstRow[p], std::move(partGrids[p]));
  if (failed.failure) std::rethrow_exception(failed.failure);
}

// ---- The file ---------------------------------------------------------------------

namespace {

// Everything before the sheet name, the html start tag to "<x:Name>".
constexpr std::string_view kHead =
    "<html xmlns:o=\"urn:schemas-microsoft-com:office:office\""
    " xmlns:x=\"urn:schemas-microsoft-com:office:excel\""
    " xmlns=\"http://www.w3.org/TR/REC-html40\">"
    "<head>"
    "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">"
    "<!--[if gte mso 9]><xml>"
    "<x:ExcelWorkbook><x:ExcelWorksheets><x:ExcelWorksheet>"
    "<x:Name>";

// From the end of the sheet name to the table start tag.
constexpr std::string_view kAfterName =
    "</x:Name>"
    "<x:WorksheetOptions><x:Selected/><x:Panes><x:Pane>"
    "<x:Number>1</x:Number><x:ActiveRow>3</x:ActiveRow>"
    "</x:Pane></x:Panes>"
    "<x:ProtectContents>False</x:ProtectContents>"
    "<x:ProtectObjects>False</x:ProtectObjects>"
    "<x:ProtectScenarios>False</x:ProtectScenarios>"
    "</x:WorksheetOptions></x:ExcelWorksheet></x:ExcelWorksheets></x:ExcelWorkbook>"
    "</xml><![endif]--></head><body><table x:str>";

constexpr std::string_view kHeadingCell = "<td style=\"text-align: left; font-weight: bold;\" width=";
constexpr std::string_view kCell = "<td style=\"text-align: left;\">";
constexpr std::string_view kCellEnd = "</td>";
constexpr std::string_view kRow = "<tr>";
constexpr std::string_view kRowEnd = "</tr>";
constexpr std::string_view kTail = "</table></body></html>";

// Characters that would end a cell or start markup, written as references. Line
// breaks and tabs become references too, and the other control characters (C0 and
// DEL), which no cell can show, are left out: the file stays one line with no raw
// control character in it.
constexpr std::uint8_t kLeftOut = 0xFF;
constexpr std::array<std::uint8_t, 256> kSpecial = [] {
  std::array<std::uint8_t, 256> t{};
  for (int c = 0; c < 0x20; ++c) t[c] = kLeftOut;
  t[0x7F] = kLeftOut;
  t['&'] = 1;
  t['<'] = 2;
  t['>'] = 3;
  t['"'] = 4;
  t['\r'] = 5;
  t['\n'] = 6;
  t['\t'] = 7;
  return t;
}();
constexpr std::string_view kReference[] = {"", "&amp;", "&lt;", "&gt;", "&quot;", "&#13;", "&#10;", "&#9;"};
constexpr std::size_t kLongestReference = 6;

inline char* copyBytes(char* p, std::string_view s) {
  std::memcpy(p, s.data(), s.size());
  return p + s.size();
}

// Stored bytes, trimmed and escaped, at p (room for kLongestReference per byte).
char* putCell(char* p, std::string_view bytes) {
  for (char ch : trimBytes(bytes)) {
    const std::uint8_t k = kSpecial[static_cast<std::uint8_t>(ch)];
    if (k == 0) {
      *p++ = ch;
    } else if (k != kLeftOut) {
      p = copyBytes(p, kReference[k]);
    }
  }
  return p;
}

// The file being built: a buffer filled through a cursor, grown when needed.
class Sink {
 public:
  explicit Sink(std::string& buffer) : buffer_(buffer), used_(buffer.size()) {}
  ~Sink() { buffer_.resize(used_); }
  // A cursor with room for n more bytes; hand it back to advance().
  char* room(std::size_t n) {
    if (used_ + n > buffer_.size()) buffer_.resize(std::max(buffer_.size() * 2, used_ + n));
    return buffer_.data() + used_;
  }
  void advance(char* end) { used_ = static_cast<std::size_t>(end - buffer_.data()); }
  void put(std::string_view s) { advance(copyBytes(room(s.size()), s)); }
  // A text of the program (sheet name, heading) in Windows-1252, trimmed and escaped.
  void putText(std::u16string_view text) {
    const std::string bytes = toAnsi(text);
    advance(putCell(room(bytes.size() * kLongestReference), bytes));
  }
  std::string_view pending() const { return std::string_view(buffer_.data(), used_); }
  void clear() { used_ = 0; }

 private:
  std::string& buffer_;
  std::size_t used_;
};

// Writes the pieces in order; `flush` is called between rows with the sink, so that a
// large grid can go out in pieces instead of being held whole. Stops, returning false,
// as soon as `flush` returns false.
template <typename Flush>
bool emitSheet(Sink& out, const Sheet& sheet, const TextGrid& grid, Flush&& flush) {
  out.put(kHead);
  out.putText(sheet.name);
  out.put(kAfterName);

  out.put(kRow);
  for (const SheetColumn& c : sheet.columns) {
    out.put(kHeadingCell);
    char digits[16];
    out.put(std::string_view(digits, static_cast<std::size_t>(std::to_chars(digits, digits + 16, c.width).ptr - digits)));
    out.put(">");
    out.putText(c.heading);
    out.put(kCellEnd);
  }
  out.put(kRowEnd);

  const std::size_t n = sheet.columns.size();
  std::vector<std::string_view> cells;
  for (std::size_t r = 0; r < grid.rowCount(); ++r) {
    grid.rowBytes(r, cells);
    std::size_t bound = kRow.size() + kRowEnd.size() + n * (kCell.size() + kCellEnd.size());
    for (std::size_t c = 1; c <= n && c < cells.size(); ++c) bound += cells[c].size() * kLongestReference;
    char* p = out.room(bound);
    p = copyBytes(p, kRow);
    for (std::size_t c = 1; c <= n; ++c) {
      p = copyBytes(p, kCell);
      if (c < cells.size()) p = putCell(p, cells[c]);
      p = copyBytes(p, kCellEnd);
    }
    p = copyBytes(p, kRowEnd);
    out.advance(p);
    if (!flush(out)) return false;
  }
  out.put(kTail);
  return true;
}

}  // namespace

void appendSpreadsheet(std::string& out, const Sheet& sheet, const TextGrid& grid) {
  Sink sink(out);
  emitSheet(sink, sheet, grid, [](Sink&) { return true; });
}

std::string spreadsheetBytes(const Sheet& sheet, const TextGrid& grid) {
  std::string out;
  appendSpreadsheet(out, sheet, grid);
  return out;
}

bool emitSpreadsheet(const Sheet& sheet, const TextGrid& grid,
                     const std::function<bool(std::string_view)>& write) {
  constexpr std::size_t kPiece = std::size_t{1} << 20;
  std::string buffer;
  buffer.reserve(2 * kPiece);
  Sink sink(buffer);
  const bool whole = emitSheet(sink, sheet, grid, [&](Sink& out) {
    if (out.pending().size() < kPiece) return true;
    const bool written = write(out.pending());
    out.clear();
    return written;
  });
  return whole && write(sink.pending());
}

// ---- Sorting a grid ----------------------------------------------------------------

void SortGridByColumn(TextGrid& grid, std::size_t keyColumn) {
  // Each stored byte as the code unit it stands for, a-z folded to A-Z: comparing
  // these compares the texts as the result lists compare their lines.
  static const std::array<char16_t, 256> folded = [] {
    std::array<char16_t, 256> t{};
    for (int b = 0; b < 256; ++b) {
      const char16_t c = ansiToUnicode(static_cast<std::uint8_t>(b));
      t[static_cast<std::size_t>(b)] = (c >= u'a' && c <= u'z') ? static_cast<char16_t>(c - u'a' + u'A') : c;
    }
    return t;
  }();
  // Each byte's place in the order of the folded code units, from 1 (0: no character):
  // fewer than 256 distinct places, so one byte each.
  static const std::array<std::uint8_t, 256> rank = [] {
    std::array<char16_t, 256> sorted = folded;
    std::sort(sorted.begin(), sorted.end());
    std::array<std::uint8_t, 256> r{};
    for (int b = 0; b < 256; ++b) {
      const auto place = std::lower_bound(sorted.begin(), sorted.end(), folded[static_cast<std::size_t>(b)]);
      // Distinct values before this one, plus one.
      std::size_t distinct = 0;
      for (auto it = sorted.begin(); it != place; ++it)
        if (it == sorted.begin() || *it != *(it - 1)) ++distinct;
      r[static_cast<std::size_t>(b)] = static_cast<std::uint8_t>(distinct + 1);
    }
    return r;
  }();
  // Each key's first sixteen characters packed into one number by their places (the
  // first in the highest bits, missing ones 0), kept beside its text and row: most
  // comparisons are one comparison of two numbers in one array; equal prefixes compare
  // the rest.
  constexpr std::size_t kPrefix = 16;
  struct Key {
    unsigned __int128 prefix;
    const char* text;
    std::uint32_t length;
    std::uint32_t row;
  };
  // The texts compared from their seventeenth character on (the first sixteen are
  // equal when this is asked); -1, 0 or 1.
  auto compareTail = [](const Key& a, const Key& b) {
    const std::size_t n = std::min(a.length, b.length);
    for (std::size_t i = kPrefix; i < n; ++i) {
      const char16_t p = folded[static_cast<std::uint8_t>(a.text[i])], q = folded[static_cast<std::uint8_t>(b.text[i])];
      if (p != q) return p < q ? -1 : 1;
    }
    return a.length == b.length ? 0 : a.length < b.length ? -1 : 1;
  };
  // Equal texts keep their order: the row decides last, so the order is total and the
  // faster unstable sort gives the stable result.
  auto less = [&](const Key& a, const Key& b) {
    if (a.prefix != b.prefix) return a.prefix < b.prefix;
    if (const int c = compareTail(a, b); c != 0) return c < 0;
    return a.row < b.row;
  };
  // A long grid is sorted in the parts a scan would read, side by side, and the sorted
  // parts merged pairwise into a second array and back; the order being total, the
  // result is the one sort's.
  const std::size_t rows = grid.rowCount();
  const std::vector<ScanPart> parts = scanParts(rows);
  LargeVector<Key> keys, merged;
  keys.resizeForOverwrite(rows);
  merged.resizeForOverwrite(parts.size() > 1 ? rows : 0);
  PartFailure failed = runParts(parts.size(), [&](std::size_t p) {
    for (std::size_t r = parts[p].first; r < parts[p].end; ++r) {
      const std::string_view text = grid.cellBytes(r, keyColumn);
      unsigned __int128 prefix = 0;
      for (std::size_t i = 0; i < kPrefix; ++i) {
        prefix <<= 8;
        if (i < text.size()) prefix |= rank[static_cast<std::uint8_t>(text[i])];
      }
      keys[r] = {prefix, text.data(), static_cast<std::uint32_t>(text.size()), static_cast<std::uint32_t>(r)};
    }
    std::sort(keys.begin() + parts[p].first, keys.begin() + parts[p].end, less);
  });
  if (failed.failure) std::rethrow_exception(failed.failure);
  Key* from = keys.data();
  Key* to = merged.data();
  std::vector<std::size_t> bounds;  // starts of the sorted runs, then the end
  for (const ScanPart& part : parts) bounds.push_back(part.first);
  bounds.push_back(rows);
  while (bounds.size() > 2) {
    const std::size_t runs = bounds.size() - 1;
    // A run without a partner is carried over as it is.
    failed = runParts((runs + 1) / 2, [&](std::size_t k) {
      const std::size_t a = bounds[2 * k], b = bounds[std::min(2 * k + 1, runs)], e = bounds[std::min(2 * k + 2, runs)];
      std::merge(from + a, from + b, from + b, from + e, to + a, less);
    });
    if (failed.failure) std::rethrow_exception(failed.failure);
    std::swap(from, to);
    std::vector<std::size_t> next;
    for (std::size_t i = 0; i < runs; i += 2) next.push_back(bounds[i]);
    next.push_back(rows);
    bounds = std::move(next);
  }
  LargeVector<std::size_t> order;
  order.resizeForOverwrite(rows);
  for (std::size_t r = 0; r < rows; ++r) order[r] = from[r].row;
  grid.reorderRows(std::span<const std::size_t>(order.data(), order.size()));
}

}  // namespace core

#include "core/spreadsheet.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <bit>
#include <charconv>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <limits>
#include <optional>
#include <utility>

#include "core/ansi.h"
#include "core/archive.h"
#include "core/record.h"
#include "core/search_filter.h"

namespace core {

// ---- Runs of cells ------------------------------------------------------------------
//
// A row that holds its own texts is a run: for each column, its length as a base-128
// number (low 7 bits first, the top bit set on every byte but the last), then its bytes.

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

std::size_t lengthSize(std::size_t length) {
  std::size_t n = 1;
  while (length >= 0x80) {
    length >>= 7;
    ++n;
  }
  return n;
}

constexpr std::uint64_t kLow32 = 0xFFFFFFFFu;

}  // namespace

// ---- Rows that show records -----------------------------------------------------------

// The archive a grid's record rows show, and how a cell is made from a record.
struct GridRecords {
  GridRecords(const Archive& archive, const RecordLayout& layout, std::span<const GridSource> sources,
              std::size_t count)
      : file(archive), layout(&layout), sources(sources.begin(), sources.end()), count(count) {}

  ArchiveRecords file;
  const RecordLayout* layout;
  std::vector<GridSource> sources;  // grid column c (from 1) is sources[c - 1]
  std::size_t count;                // records when the grid was filled
  // A record could not be read again: the file has shrunk (or failed) since the fill.
  mutable std::atomic<bool> lost{false};

  // The records taken: a bit each (the records of word w are 64 * w onwards), and the
  // number taken before each word. Empty: every record is taken.
  LargeVector<std::uint64_t> taken;
  std::vector<std::uint32_t> takenBefore;

  // Counts what `taken` holds (its bits set); returns how many.
  std::size_t countTaken() {
    takenBefore.resize(taken.size() + 1);
    std::uint32_t before = 0;
    for (std::size_t w = 0; w < taken.size(); ++w) {
      takenBefore[w] = before;
      before += static_cast<std::uint32_t>(std::popcount(taken[w]));
    }
    takenBefore[taken.size()] = before;
    return before;
  }

  // The index of the k-th record taken (from 0).
  std::size_t recordOf(std::size_t k) const {
    if (taken.empty()) return k;
    const std::size_t w =
        static_cast<std::size_t>(std::upper_bound(takenBefore.begin(), takenBefore.end(), k) - takenBefore.begin()) - 1;
    std::uint64_t bits = taken[w];
    for (std::size_t skip = k - takenBefore[w]; skip > 0; --skip) bits &= bits - 1;
    return w * 64 + static_cast<std::size_t>(std::countr_zero(bits));
  }
};

// Reads the cells of a grid's rows. A record row's record is read from the archive
// when its row is asked for: rows that go on in file order are read a batch at a time,
// others one record each. The cells handed out stay valid until the next call.
class GridRowReader {
 public:
  GridRowReader(const TextGrid& grid, std::size_t batchBytes)
      : grid_(grid), records_(grid.records_.get()), batchBytes_(batchBytes) {}

  // Every cell of `row`, one per column; all empty for an empty row, a row outside the
  // grid, or a record the archive no longer holds.
  std::span<const std::string_view> cells(std::size_t row) {
    const std::size_t columns = grid_.columns_;
    cells_.assign(columns, std::string_view());
    if (row >= grid_.rowCount()) return cells_;
    const std::uint64_t e = grid_.entry(row);
    if (e == 0) return cells_;
    if (e & TextGrid::kRecordRow) {
      const std::uint8_t* bytes = recordBytes(takenRecord(e));
      if (!bytes) return cells_;
      for (std::size_t c = 0; c < columns; ++c) cells_[c] = recordCell(bytes, e, c);
      return cells_;
    }
    const char* p = run(e);
    for (std::size_t c = 0; c < columns; ++c) {
      const std::size_t length = readLength(p);
      cells_[c] = std::string_view(p, length);
      p += length;
    }
    return cells_;
  }

  std::string_view cell(std::size_t row, std::size_t column) {
    if (row >= grid_.rowCount() || column >= grid_.columns_) return {};
    const std::uint64_t e = grid_.entry(row);
    if (e == 0) return {};
    if (e & TextGrid::kRecordRow) {
      const std::uint8_t* bytes = recordBytes(takenRecord(e));
      return bytes ? recordCell(bytes, e, column) : std::string_view();
    }
    const char* p = run(e);
    for (std::size_t c = 0;; ++c) {
      const std::size_t length = readLength(p);
      if (c == column) return std::string_view(p, length);
      p += length;
    }
  }

 private:
  const char* run(std::uint64_t e) const {
    const std::size_t pos = static_cast<std::size_t>(e - 1);
    return grid_.blocks_[pos / TextGrid::kBlock].get() + pos % TextGrid::kBlock;
  }

  // The record a record row shows: the next one taken when the rows go on in order.
  std::size_t takenRecord(std::uint64_t e) {
    const std::size_t k = static_cast<std::size_t>(e & ~TextGrid::kRecordRow);
    std::size_t record;
    if (records_->taken.empty()) {
      record = k;
    } else if (lastTaken_ + 1 == k && k > 0) {
      // The next bit set after the last record's.
      std::size_t w = (lastRecord_ + 1) / 64;
      std::uint64_t bits = (lastRecord_ + 1) % 64 ? records_->taken[w] & (~std::uint64_t{0} << ((lastRecord_ + 1) % 64))
                                                  : records_->taken[w];
      while (bits == 0) bits = records_->taken[++w];
      record = w * 64 + static_cast<std::size_t>(std::countr_zero(bits));
    } else {
      record = records_->recordOf(k);
    }
    lastTaken_ = k;
    lastRecord_ = record;
    return record;
  }

  // The bytes of record `index`; null (and the grid's records marked lost) when the
  // archive no longer holds it whole.
  const std::uint8_t* recordBytes(std::size_t index) {
    const std::size_t size = records_->file.recordSize();
    if (index >= batchFirst_ && index < batchFirst_ + batchCount_) return batch_.data() + (index - batchFirst_) * size;
    if (batch_.empty()) {
      batchRoom_ = std::max<std::size_t>(1, batchBytes_ / size);
      batch_.resize(batchRoom_ * size);
    }
    // The record right after the batch: the rows go on in file order, read ahead.
    const bool onwards = batchCount_ > 0 && index == batchFirst_ + batchCount_;
    const std::size_t want = onwards ? std::min(batchRoom_, records_->count - index) : 1;
    batchFirst_ = index;
    batchCount_ = records_->file.read(index, batch_.data(), want);
    if (batchCount_ == 0) {
      records_->lost.store(true, std::memory_order_relaxed);
      return nullptr;
    }
    return batch_.data();
  }

  std::string_view recordCell(const std::uint8_t* bytes, std::uint64_t e, std::size_t column) {
    if (column == 0) {
      const std::size_t number = static_cast<std::size_t>(e & ~TextGrid::kRecordRow) + 1;
      return std::string_view(number_, static_cast<std::size_t>(std::to_chars(number_, number_ + sizeof number_, number).ptr - number_));
    }
    if (column > records_->sources.size()) return {};
    const GridSource& source = records_->sources[column - 1];
    if (source.field != GridSource::kComposed) return trimBytes(storedFieldBytes(bytes, *records_->layout, source.field));
    if (!source.compose) return {};
    if (!record_) record_.emplace(*records_->layout);
    record_->lookAt(bytes);
    if (composed_.size() < grid_.columns_) composed_.resize(grid_.columns_);
    composed_[column] = toAnsi(source.compose(*record_));
    return composed_[column];
  }

  const TextGrid& grid_;
  const GridRecords* records_;
  std::size_t batchBytes_;
  std::vector<std::uint8_t> batch_;  // records batchFirst_ .. + batchCount_
  std::size_t batchFirst_ = 0, batchCount_ = 0, batchRoom_ = 0;
  std::size_t lastTaken_ = static_cast<std::size_t>(-1), lastRecord_ = 0;
  std::vector<std::string_view> cells_;
  std::vector<std::string> composed_;  // by column
  char number_[24];
  std::optional<RecordBuffer> record_;
};

// ---- TextGrid ---------------------------------------------------------------------

namespace {
// What a grid reads for its view's cells at once: the rows in sight, not the archive.
constexpr std::size_t kViewBatchBytes = std::size_t{64} << 10;
// What a pass over a whole grid reads at once (the file, a sort's keys).
constexpr std::size_t kPassBatchBytes = std::size_t{256} << 10;
}  // namespace

TextGrid::TextGrid(std::size_t columns, std::size_t rows) : columns_(columns) { setRowCount(rows); }
TextGrid::~TextGrid() = default;

TextGrid::TextGrid(TextGrid&& other) noexcept
    : columns_(other.columns_),
      shownInOrder_(std::exchange(other.shownInOrder_, 0)),
      rows_(std::move(other.rows_)),
      blocks_(std::move(other.blocks_)),
      used_(std::exchange(other.used_, 0)),
      records_(std::move(other.records_)) {
  other.viewer_.reset();
}

TextGrid& TextGrid::operator=(TextGrid&& other) noexcept {
  if (this != &other) {
    viewer_.reset();
    other.viewer_.reset();
    columns_ = other.columns_;
    shownInOrder_ = std::exchange(other.shownInOrder_, 0);
    rows_ = std::move(other.rows_);
    blocks_ = std::move(other.blocks_);
    used_ = std::exchange(other.used_, 0);
    records_ = std::move(other.records_);
  }
  return *this;
}

std::uint64_t TextGrid::entry(std::size_t row) const {
  if (!rows_.empty()) return rows_[row];
  return row < shownInOrder_ ? kRecordRow | row : 0;
}

void TextGrid::giveRowsEntries() {
  if (shownInOrder_ == 0) return;
  const std::size_t n = shownInOrder_;
  rows_.resizeForOverwrite(n);
  for (std::size_t r = 0; r < n; ++r) rows_[r] = kRecordRow | r;
  shownInOrder_ = 0;
}

void TextGrid::clearAll() {
  viewer_.reset();
  shownInOrder_ = 0;
  rows_.release();
  blocks_.clear();
  used_ = 0;
  records_.reset();
}

void TextGrid::setRowCount(std::size_t rows) {
  if (rows == 0) {
    clearAll();
    return;
  }
  giveRowsEntries();
  // Texts of dropped or rewritten rows stay in their blocks until the grid is emptied.
  rows_.resize(rows, 0);
}

std::size_t TextGrid::appendRow() {
  giveRowsEntries();
  rows_.push_back(0);
  return rows_.size() - 1;
}

void TextGrid::reserve(std::size_t rows) {
  if (shownInOrder_ == 0) rows_.reserve(rows);
}

std::string TextGrid::cellBytes(std::size_t row, std::size_t column) const {
  if (row >= rowCount() || column >= columns_) return {};
  if (!viewer_) viewer_ = std::make_unique<GridRowReader>(*this, kViewBatchBytes);
  return std::string(viewer_->cell(row, column));
}

std::u16string TextGrid::cell(std::size_t row, std::size_t column) const {
  return fromAnsi(cellBytes(row, column));
}

bool TextGrid::recordsReadable() const { return !records_ || !records_->lost.load(std::memory_order_relaxed); }

std::uint64_t TextGrid::store(std::span<const std::string_view> cells) {
  std::size_t size = 0;
  for (std::size_t c = 0; c < columns_; ++c) {
    const std::size_t length = c < cells.size() ? cells[c].size() : 0;
    size += lengthSize(length) + length;
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
    p = writeLength(p, cell.size());
    if (!cell.empty()) std::memcpy(p, cell.data(), cell.size());
    p += cell.size();
  }
  return pos + 1;
}

void TextGrid::setRowBytes(std::size_t row, std::span<const std::string_view> cells) {
  if (row >= rowCount()) throw std::out_of_range("grid row out of range");
  giveRowsEntries();
  rows_[row] = store(cells);
}

void TextGrid::setCell(std::size_t row, std::size_t column, std::u16string_view text) {
  if (row >= rowCount() || column >= columns_) throw std::out_of_range("grid cell out of range");
  giveRowsEntries();
  // The row's cells as it shows them (views into the blocks, which never move, or into
  // the reader), this one replaced.
  GridRowReader reader(*this, 0);
  const std::span<const std::string_view> shown = reader.cells(row);
  std::vector<std::string_view> cells(shown.begin(), shown.end());
  const std::string bytes = toAnsi(text);
  cells[column] = bytes;
  rows_[row] = store(cells);
}

void TextGrid::reorderRows(std::span<const std::size_t> order) {
  const std::size_t n = rowCount();
  if (order.size() != n) throw std::invalid_argument("not a reordering of the rows");
  std::vector<bool> seen(n);
  for (const std::size_t from : order) {
    if (from >= n || seen[from]) throw std::invalid_argument("not a reordering of the rows");
    seen[from] = true;
  }
  giveRowsEntries();
  LargeVector<std::uint64_t> reordered;
  reordered.resizeForOverwrite(n);
  for (std::size_t r = 0; r < n; ++r) reordered[r] = rows_[order[r]];
  rows_ = std::move(reordered);
}

// ---- Sorting by a column's texts ----------------------------------------------------------

namespace {

// Sorts `v` (whose elements all differ under `less`) on a few cores at once, in place
// (no second array: memory a sort would touch for the first time costs more than the
// sort): evenly spread samples cut it into parts of about the same size, each element
// is moved into its part's stretch, and the parts are sorted side by side.
template <typename T, typename Less>
void sortInParts(T* v, std::size_t n, Less less) {
  const std::vector<ScanPart> stretches = scanParts(n);
  const std::size_t parts = stretches.size();
  if (parts == 1) {
    std::sort(v, v + n, less);
    return;
  }
  constexpr std::size_t kSamplesPerPart = 32;
  std::vector<T> sample;
  for (std::size_t k = 0; k < parts * kSamplesPerPart; ++k) sample.push_back(v[k * n / (parts * kSamplesPerPart)]);
  std::sort(sample.begin(), sample.end(), less);
  std::vector<T> splitters;
  for (std::size_t p = 1; p < parts; ++p) splitters.push_back(sample[p * kSamplesPerPart]);
  auto partOf = [&](const T& x) {
    return static_cast<std::size_t>(std::upper_bound(splitters.begin(), splitters.end(), x, less) - splitters.begin());
  };
  auto each = [](std::size_t count, const std::function<void(std::size_t)>& work) {
    const PartFailure failed = runParts(count, work);
    if (failed.failure) std::rethrow_exception(failed.failure);
  };
  std::vector<std::size_t> counts(parts * parts, 0);  // stretch t, part p at t * parts + p
  each(parts, [&](std::size_t t) {
    for (std::size_t i = stretches[t].first; i < stretches[t].end; ++i) ++counts[t * parts + partOf(v[i])];
  });
  std::vector<std::size_t> starts(parts + 1, 0);
  for (std::size_t p = 0; p < parts; ++p) {
    starts[p + 1] = starts[p];
    for (std::size_t t = 0; t < parts; ++t) starts[p + 1] += counts[t * parts + p];
  }
  // Each element swapped into the next free place of its part's stretch until every
  // stretch holds its part's elements.
  std::vector<std::size_t> next(starts.begin(), starts.end() - 1);
  for (std::size_t p = 0; p < parts; ++p) {
    for (std::size_t i = next[p]; i < starts[p + 1]; i = next[p]) {
      const std::size_t q = partOf(v[i]);
      if (q == p) {
        ++next[p];
      } else {
        std::swap(v[i], v[next[q]++]);
      }
    }
  }
  each(parts, [&](std::size_t p) { std::sort(v + starts[p], v + starts[p + 1], less); });
}

}  // namespace

// The keys of a grid's rows by one column, taken once per row, and the order they give.
// Each key's first eight characters are kept as their places in the folded order (one
// byte each, the first in the highest); the whole of the keys longer than that, apart.
// When every key fits in what is kept, the places are packed closer (as few bits as
// the places met need) beside the row's index into one 8-byte number per row, and the
// order is that of the numbers; otherwise equal beginnings compare the whole keys.
class SortKeys {
 public:
  // What one part of the rows keeps of its keys.
  struct Part {
    std::array<std::uint64_t, 4> placesMet{};  // bit set for each place met
    std::size_t longest = 0;
    std::string longKeys;                               // keys longer than kKept, back to back
    std::vector<std::array<std::uint32_t, 3>> longRows;  // row, start in longKeys, length
  };

  explicit SortKeys(std::size_t rows) { kept_.resizeForOverwrite(rows); }

  void add(Part& part, std::size_t row, std::string_view key) {
    const std::array<std::uint8_t, 256>& place = bytePlaces();
    std::uint64_t k = 0;
    for (std::size_t i = 0; i < kKept; ++i) {
      k <<= 8;
      if (i < key.size()) {
        const std::uint8_t r = place[static_cast<std::uint8_t>(key[i])];
        part.placesMet[r / 64] |= std::uint64_t{1} << (r % 64);
        k |= r;
      }
    }
    kept_[row] = k;
    part.longest = std::max(part.longest, key.size());
    if (key.size() > kKept) {
      part.longRows.push_back({static_cast<std::uint32_t>(row), static_cast<std::uint32_t>(part.longKeys.size()),
                               static_cast<std::uint32_t>(key.size())});
      part.longKeys.append(key);
    }
  }

  // Rows [from, from + count) of `part` become rows [to, to + count) (to <= from).
  void moveRows(Part& part, std::size_t from, std::size_t to, std::size_t count) {
    if (count && from != to) std::memmove(kept_.data() + to, kept_.data() + from, count * sizeof(std::uint64_t));
    for (auto& r : part.longRows) r[0] = static_cast<std::uint32_t>(r[0] - from + to);
  }

  // Rows 0 .. n - 1 in the order of their keys, equal keys in row order: the index of
  // the row at each place, in the keys' own array (handed over).
  LargeVector<std::uint64_t> order(std::size_t n, const std::vector<Part>& parts) {
    kept_.resize(n);
    const std::vector<ScanPart> stretches = scanParts(n);
    auto each = [&](const std::function<void(std::size_t)>& work) {
      const PartFailure failed = runParts(stretches.size(), work);
      if (failed.failure) std::rethrow_exception(failed.failure);
    };
    if (n < 2) {
      for (std::size_t i = 0; i < n; ++i) kept_[i] = i;
      return std::move(kept_);
    }
    std::array<std::uint64_t, 4> met{};
    std::size_t longest = 0;
    for (const Part& p : parts) {
      for (std::size_t w = 0; w < 4; ++w) met[w] |= p.placesMet[w];
      longest = std::max(longest, p.longest);
    }
    // The places met, numbered from 1 in their order.
    std::array<std::uint8_t, 256> dense{};
    std::size_t distinct = 0;
    for (std::size_t r = 1; r < 256; ++r)
      if (met[r / 64] >> (r % 64) & 1) dense[r] = static_cast<std::uint8_t>(++distinct);
    const auto rowBits = static_cast<unsigned>(std::bit_width(n - 1));
    const auto placeBits = static_cast<unsigned>(std::max<int>(1, std::bit_width(distinct)));
    const std::size_t chars = std::min<std::size_t>(kKept, (64 - rowBits) / placeBits);
    if (longest <= chars) {
      // Every key whole in its number: the numbers differ (the row is in them) and
      // their order is the rows' order.
      each([&](std::size_t t) {
        for (std::size_t i = stretches[t].first; i < stretches[t].end; ++i) {
          std::uint64_t packed = 0;
          for (std::size_t j = 0; j < chars; ++j) packed = packed << placeBits | dense[(kept_[i] >> (56 - 8 * j)) & 0xFF];
          kept_[i] = packed << rowBits | i;
        }
      });
      sortInParts(kept_.data(), n, std::less<std::uint64_t>());
      const std::uint64_t rowMask = (std::uint64_t{1} << rowBits) - 1;
      each([&](std::size_t t) {
        for (std::size_t i = stretches[t].first; i < stretches[t].end; ++i) kept_[i] &= rowMask;
      });
      return std::move(kept_);
    }
    // Keys longer than what is kept: the eight places, then the whole keys.
    struct Entry {
      std::uint64_t kept;
      std::uint32_t row;
      std::uint32_t longKey;  // index in longs + 1; 0: the key is all in `kept`
    };
    std::vector<const char*> longs;
    std::vector<std::uint32_t> longLengths;
    LargeVector<Entry> entries;
    entries.resizeForOverwrite(n);
    each([&](std::size_t t) {
      for (std::size_t i = stretches[t].first; i < stretches[t].end; ++i)
        entries[i] = {kept_[i], static_cast<std::uint32_t>(i), 0};
    });
    for (const Part& p : parts)
      for (const auto& [row, start, length] : p.longRows) {
        longs.push_back(p.longKeys.data() + start);
        longLengths.push_back(length);
        entries[row].longKey = static_cast<std::uint32_t>(longs.size());
      }
    const std::array<std::uint8_t, 256>& place = bytePlaces();
    auto less = [&](const Entry& a, const Entry& b) {
      if (a.kept != b.kept) return a.kept < b.kept;
      // The first kKept characters are equal: what follows them decides.
      const std::size_t la = a.longKey ? longLengths[a.longKey - 1] : 0, lb = b.longKey ? longLengths[b.longKey - 1] : 0;
      const std::size_t common = std::min(la, lb);
      for (std::size_t i = kKept; i < common; ++i) {
        const std::uint8_t x = place[static_cast<std::uint8_t>(longs[a.longKey - 1][i])];
        const std::uint8_t y = place[static_cast<std::uint8_t>(longs[b.longKey - 1][i])];
        if (x != y) return x < y;
      }
      if (la != lb) return la < lb;
      return a.row < b.row;
    };
    sortInParts(entries.data(), n, less);
    each([&](std::size_t t) {
      for (std::size_t i = stretches[t].first; i < stretches[t].end; ++i) kept_[i] = entries[i].row;
    });
    return std::move(kept_);
  }

 private:
  static constexpr std::size_t kKept = 8;
  LargeVector<std::uint64_t> kept_;
};

// ---- The fill, the sort, the file ----------------------------------------------------------

struct GridAccess {
  // The key bytes of a record for grid column `column` (from 1), as a cell shows them.
  static std::string_view keyOf(const std::uint8_t* bytes, const RecordBuffer& record, const RecordLayout& layout,
                                std::span<const GridSource> sources, std::size_t column, std::string& composed) {
    if (column == 0 || column > sources.size()) return {};
    const GridSource& source = sources[column - 1];
    if (source.field != GridSource::kComposed) return trimBytes(storedFieldBytes(bytes, layout, source.field));
    if (!source.compose) return {};
    composed = toAnsi(source.compose(record));
    return composed;
  }

  static void fill(TextGrid& grid, Archive& archive, const RecordLayout& layout, std::span<const GridSource> sources,
                   const std::function<bool(const RecordBuffer&)>& take, std::size_t sortColumn) {
    const std::size_t count = archive.count();
    if (count == 0) return;
    if (layout.size() != archive.recordSize()) throw ArchiveError("record size mismatch");
    if (count >= (std::size_t{1} << 32)) throw std::length_error("archive too long for a grid");
    // The earlier rows' texts go: a grid filled again never holds two archives' texts.
    auto records = std::make_shared<GridRecords>(archive, layout, sources, count);
    grid.clearAll();
    grid.records_ = records;
    // The row numbers are known only once every part is done: a sort by them waits.
    const bool sortNow = sortColumn > 0 && sortColumn < grid.columns_;
    if (!take && !sortNow) {
      // Every record in file order: nothing to read now.
      grid.shownInOrder_ = count;
      if (sortColumn < grid.columns_) GridAccess::sort(grid, sortColumn);
      return;
    }

    const bool composedKey =
        sortNow && sortColumn <= sources.size() && sources[sortColumn - 1].field == GridSource::kComposed;
    const bool needsRecord = static_cast<bool>(take) || composedKey;
    const std::vector<ScanPart> parts = scanParts(count);
    // A bit for each record taken. Each part writes the keys of its rows from its first
    // record's place on, touching only as much memory as it takes rows; the parts' keys
    // then move together, and once sorted the keys' array holds the rows.
    LargeVector<std::uint64_t>& taken = records->taken;
    if (take) taken.resize((count + 63) / 64, 0);
    std::optional<SortKeys> keys;
    if (sortNow) keys.emplace(count);
    std::vector<SortKeys::Part> keyParts(parts.size());
    std::vector<std::size_t> done(parts.size(), 0);
    const PartFailure failed = runParts(parts.size(), [&](std::size_t p) {
      RecordBuffer record(layout);
      std::string composed;
      forEachRecordBytesIn(archive, parts[p], [&](const std::uint8_t* bytes, std::size_t index) {
        if (needsRecord) record.lookAt(bytes);
        if (take) {
          if (!take(record)) return true;
          // Words at the ends of a part are shared with the next and last parts.
          std::atomic_ref<std::uint64_t>(taken[index / 64])
              .fetch_or(std::uint64_t{1} << (index % 64), std::memory_order_relaxed);
        }
        if (keys) keys->add(keyParts[p], parts[p].first + done[p], keyOf(bytes, record, layout, sources, sortColumn, composed));
        ++done[p];
        return true;
      });
    });
    std::size_t n = 0;
    if (take) {
      // The records taken, in file order, up to a failed read.
      if (failed.failure)
        for (std::size_t index = parts[failed.part].end; index < count; ++index)
          taken[index / 64] &= ~(std::uint64_t{1} << (index % 64));
      n = records->countTaken();
      if (keys) {
        for (std::size_t p = 0, at = 0; p < parts.size() && at < n; at += done[p], ++p)
          if (done[p] && at != parts[p].first) keys->moveRows(keyParts[p], parts[p].first, at, done[p]);
      }
    } else {
      n = count;
    }
    if (failed.failure) {
      if (!take) {
        // A row for every record; those the read never reached are empty.
        grid.rows_.resizeForOverwrite(count);
        for (std::size_t p = 0; p < parts.size(); ++p)
          for (std::size_t r = parts[p].first; r < parts[p].end; ++r)
            grid.rows_[r] = r < parts[p].first + done[p] ? TextGrid::kRecordRow | r : 0;
      } else {
        grid.shownInOrder_ = n;
      }
      std::rethrow_exception(failed.failure);
    }
    if (!keys) {
      grid.shownInOrder_ = n;
      return;
    }
    // The rows in the keys' order: each the k-th record taken.
    LargeVector<std::uint64_t> order = keys->order(n, keyParts);
    keys.reset();
    for (std::size_t r = 0; r < n; ++r) order[r] |= TextGrid::kRecordRow;
    grid.rows_ = std::move(order);
    if (sortColumn == 0) GridAccess::sort(grid, 0);
  }

  static void sort(TextGrid& grid, std::size_t keyColumn) {
    const std::size_t n = grid.rowCount();
    // A column outside the grid gives every row an empty key: the order stays.
    if (n < 2 || keyColumn >= grid.columns_) return;
    const std::vector<ScanPart> parts = scanParts(n);
    SortKeys keys(n);
    std::vector<SortKeys::Part> keyParts(parts.size());
    const PartFailure failed = runParts(parts.size(), [&](std::size_t p) {
      GridRowReader reader(grid, kPassBatchBytes);
      for (std::size_t r = parts[p].first; r < parts[p].end; ++r) keys.add(keyParts[p], r, reader.cell(r, keyColumn));
    });
    if (failed.failure) std::rethrow_exception(failed.failure);
    LargeVector<std::uint64_t> order = keys.order(n, keyParts);
    grid.giveRowsEntries();
    for (std::size_t r = 0; r < n; ++r) order[r] = grid.rows_[order[r]];
    grid.rows_ = std::move(order);
  }

  // Whether the record rows come in file order (each one's record after the last's).
  static bool inFileOrder(const TextGrid& grid) {
    if (grid.rows_.empty()) return true;
    std::uint64_t last = 0;
    for (const std::uint64_t e : grid.rows_) {
      if (!(e & TextGrid::kRecordRow)) continue;
      if ((e & ~TextGrid::kRecordRow) < last) return false;
      last = e & ~TextGrid::kRecordRow;
    }
    return true;
  }

  // A grid of the same rows holding their own texts, the records read in file order.
  static TextGrid ownTexts(const TextGrid& grid) {
    const std::size_t n = grid.rowCount();
    TextGrid own(grid.columns_, n);
    std::vector<std::uint64_t> byRecord;  // k << 32 | row: in file order once sorted
    for (std::size_t r = 0; r < n; ++r) {
      const std::uint64_t e = grid.entry(r);
      if (e & TextGrid::kRecordRow) byRecord.push_back((e & ~TextGrid::kRecordRow) << 32 | r);
    }
    std::sort(byRecord.begin(), byRecord.end());
    GridRowReader reader(grid, kPassBatchBytes);
    for (const std::uint64_t k : byRecord) own.setRowBytes(k & kLow32, reader.cells(k & kLow32));
    for (std::size_t r = 0; r < n; ++r) {
      const std::uint64_t e = grid.entry(r);
      if (e != 0 && !(e & TextGrid::kRecordRow)) own.setRowBytes(r, reader.cells(r));
    }
    return own;
  }
};

void fillGrid(TextGrid& grid, Archive& archive, const RecordLayout& layout, std::span<const GridSource> sources,
              const std::function<bool(const RecordBuffer&)>& take, std::size_t sortColumn) {
  GridAccess::fill(grid, archive, layout, sources, take, sortColumn);
}

void SortGridByColumn(TextGrid& grid, std::size_t keyColumn) { GridAccess::sort(grid, keyColumn); }

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
// as soon as `flush` returns false, or at the end when a row could not read its record.
template <typename Flush>
bool emitSheet(Sink& out, const Sheet& sheet, const TextGrid& grid, Flush&& flush) {
  // Rows out of file order (a sorted grid) would read their records one by one: they
  // are read once in file order into a grid of their own texts, written from there.
  if (!GridAccess::inFileOrder(grid)) {
    const TextGrid own = GridAccess::ownTexts(grid);
    return emitSheet(out, sheet, own, flush) && grid.recordsReadable();
  }
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
  GridRowReader reader(grid, kPassBatchBytes);
  for (std::size_t r = 0; r < grid.rowCount(); ++r) {
    const std::span<const std::string_view> cells = reader.cells(r);
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
  return grid.recordsReadable();
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

}  // namespace core

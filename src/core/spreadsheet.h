#pragma once
// The spreadsheet export file: an HTML table in the Office HTML form, with the Excel
// workbook block, that spreadsheet programs open as a worksheet. The whole file is one
// line of Windows-1252 text. Every text is trimmed and escaped (& < > " and line
// breaks), so a cell shows its own text and can never break or inject markup.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "core/large_memory.h"

namespace core {

class Archive;
class RecordBuffer;
class RecordLayout;

struct GridSource;
struct GridRecords;
class GridRowReader;

// A grid of texts, rows x columns, kept as the program keeps every text it stores:
// Windows-1252 bytes ('?' for a character the code page lacks).
//
// An export grid shows a whole archive, so a row filled from it (fillGrid) is a view:
// the row holds the index of its record and its number, and a cell's text is taken
// from the record, read again from the archive's file, when it is asked for (painted
// or written). Only rows whose cells are set (setCell, setRowBytes: the user's edits,
// rows built by hand) hold their own texts: one run of length-prefixed cells each,
// packed into large blocks that never move.
class TextGrid {
 public:
  explicit TextGrid(std::size_t columns = 0, std::size_t rows = 0);
  ~TextGrid();
  TextGrid(TextGrid&&) noexcept;
  TextGrid& operator=(TextGrid&&) noexcept;

  std::size_t columnCount() const { return columns_; }
  std::size_t rowCount() const { return rows_.empty() ? shownInOrder_ : rows_.size(); }
  // New rows are empty; rows beyond the count are dropped.
  void setRowCount(std::size_t rows);
  // Adds an empty row at the end and returns its index.
  std::size_t appendRow();
  void reserve(std::size_t rows);

  // The cell's text; empty outside the grid.
  std::u16string cell(std::size_t row, std::size_t column) const;
  // The cell's stored bytes; empty outside the grid.
  std::string cellBytes(std::size_t row, std::size_t column) const;

  // Sets one cell: the row then holds its own texts (those it showed, with this one).
  // Throws std::out_of_range outside the grid, and std::length_error when the grid's
  // texts would pass 4 GiB.
  void setCell(std::size_t row, std::size_t column, std::u16string_view text);
  // Sets a whole row from stored bytes, one per column (missing ones empty).
  void setRowBytes(std::size_t row, std::span<const std::string_view> cells);
  // Reorders the rows: row r becomes what was row order[r] (a permutation of the rows).
  void reorderRows(std::span<const std::size_t> order);
  // The memory that holds the grid's own texts, in bytes.
  std::size_t heldBytes() const { return blocks_.size() * kBlock; }
  // False once a row could not read its record again (the archive has lost records
  // since the fill): such a row shows empty cells. A grid that is not whole is never
  // written (emitSpreadsheet).
  bool recordsReadable() const;

 private:
  // The fill, the sort, the file and the readers of rows (spreadsheet.cpp).
  friend struct GridAccess;
  friend class GridRowReader;

  // A row's entry: 0 an empty row; kRecordRow | k, a row showing the k-th record taken
  // (from 0, in file order; numbered k + 1); else the position + 1 of its own run of
  // cells.
  static constexpr std::uint64_t kRecordRow = std::uint64_t{1} << 63;
  std::uint64_t entry(std::size_t row) const;
  // Every row gets its own entry (a grid that shows its records in file order has none).
  void giveRowsEntries();
  // Packs a row's cells into the blocks; returns the run's position + 1.
  std::uint64_t store(std::span<const std::string_view> cells);
  // Forgets every row, text and record.
  void clearAll();

  // Blocks are one large memory page each where the system offers them.
  static constexpr std::size_t kBlock = std::size_t{2} << 20;  // bytes
  using Block = LargeArray<char>;

  std::size_t columns_;
  // Rows 0 .. shownInOrder_ - 1 show the records taken, in file order, with no entries
  // (rows_ is empty then).
  std::size_t shownInOrder_ = 0;
  LargeVector<std::uint64_t> rows_;
  // Block b holds positions b * kBlock onwards. A run longer than a block gets a block
  // of its own size and the positions of the blocks it covers (left null).
  std::vector<Block> blocks_;
  std::size_t used_ = 0;  // bytes used in the last block
  // The archive the record rows show, and what a cell is made of.
  std::shared_ptr<const GridRecords> records_;
  // Reads records for cell(): one at a time, as a view asks for them.
  mutable std::unique_ptr<GridRowReader> viewer_;
};

// Where an export grid column takes its value from: a record field, read as every
// reader reads it (trimmed), or a value the window composes from the record (two
// fields joined, a sort key), put into the grid as composed.
struct GridSource {
  static constexpr std::size_t kComposed = static_cast<std::size_t>(-1);
  std::size_t field = kComposed;
  std::function<std::u16string(const RecordBuffer&)> compose;
};

// Fills an export grid from an open archive, in file order. An archive with no record
// leaves the grid as it is (its design rows). Otherwise, with no `take`, the grid gets
// one row per record; with `take`, the grid is emptied and gets one row per record
// taken. Column 0 holds the row's 1-based number in the order taken, column c (from 1)
// the value of sources[c - 1] (a field trimmed, or a composed value as composed). The
// rows show their records (see TextGrid): the archive's file is kept open for reading
// while the grid shows it (`layout` and what the sources capture must outlive it).
//
// With `sortColumn`, the rows are then put in the order of that column's texts, as
// SortGridByColumn puts them; the keys are taken while the records are read.
//
// Only `take` and a sort read the records here: a long archive is then read in parts
// side by side (scanParts), so `take` and the composed values may run on several
// threads at once, and read only the record. A failure to read throws ArchiveError,
// leaving the rows taken before it, unsorted (with no `take`, a row for each record,
// those the read never reached empty).
constexpr std::size_t kUnsorted = static_cast<std::size_t>(-1);
void fillGrid(TextGrid& grid, Archive& archive, const RecordLayout& layout,
              std::span<const GridSource> sources,
              const std::function<bool(const RecordBuffer&)>& take = {}, std::size_t sortColumn = kUnsorted);

// A column written into the file: its heading and the width of its heading cell.
struct SheetColumn {
  std::u16string_view heading;
  int width = 0;
};

// The export's fixed settings: the worksheet name and the exported columns, which are
// grid columns 1 to columns.size(); grid column 0 (the row number) is never written.
struct Sheet {
  std::u16string_view name;
  std::span<const SheetColumn> columns;
};

// Appends the whole file to `out`: the workbook block, the heading row, then one row per
// grid row (all of them, empty ones included), each cell its text trimmed. A grid with
// fewer columns than the sheet writes the missing cells empty.
void appendSpreadsheet(std::string& out, const Sheet& sheet, const TextGrid& grid);
std::string spreadsheetBytes(const Sheet& sheet, const TextGrid& grid);

// Hands the whole file, in order, to `write` in pieces of about 1 MiB (the last one
// smaller; each valid during the call), so that a large grid is never held whole: the
// pieces go straight into the file (platform/files). Stops as soon as `write` returns
// false, and then returns false; returns false too when a row could not read its
// record (the archive has lost records since the fill): the file would not be the grid.
bool emitSpreadsheet(const Sheet& sheet, const TextGrid& grid,
                     const std::function<bool(std::string_view)>& write);

// Puts the rows of a grid in the order of the texts of one column, every column moving
// with its row (the row numbers of column 0 included). Texts compare with A-Z folded, as
// the result lists do; rows with equal texts keep their order. A long grid's keys are
// read and sorted in parts side by side.
void SortGridByColumn(TextGrid& grid, std::size_t keyColumn);

}  // namespace core

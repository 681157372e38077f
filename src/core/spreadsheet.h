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

// A grid of texts, rows x columns, kept as the program keeps every text it stores:
// Windows-1252 bytes ('?' for a character the code page lacks). An export grid holds
// a whole archive, so each row is one run of length-prefixed cells packed into large
// blocks that never move: no allocation per cell, no copying as the grid grows, and
// little more memory than the texts themselves.
class TextGrid {
 public:
  explicit TextGrid(std::size_t columns = 0, std::size_t rows = 0);

  std::size_t columnCount() const { return columns_; }
  std::size_t rowCount() const { return rows_.size(); }
  // New rows are empty; rows beyond the count are dropped.
  void setRowCount(std::size_t rows);
  // Adds an empty row at the end and returns its index.
  std::size_t appendRow();
  void reserve(std::size_t rows) { rows_.reserve(rows); }

  // The cell's text; empty outside the grid.
  std::u16string cell(std::size_t row, std::size_t column) const;
  // The cell's stored bytes; valid until the row changes.
  std::string_view cellBytes(std::size_t row, std::size_t column) const;
  // Every cell of a row as stored bytes, one per column (all empty outside the grid).
  void rowBytes(std::size_t row, std::vector<std::string_view>& out) const;

  // Sets one cell. Throws std::out_of_range outside the grid, and std::length_error
  // when the grid's texts would pass 4 GiB.
  void setCell(std::size_t row, std::size_t column, std::u16string_view text);
  // Sets a whole row from stored bytes, one per column (missing ones empty).
  void setRowBytes(std::size_t row, std::span<const std::string_view> cells);
  // Reorders the rows: row r becomes what was row order[r] (a permutation of the rows).
  void reorderRows(std::span<const std::size_t> order);
  // Sets a whole row whose first cell, cells[0], is a row number (digits only), written
  // with room for `digits` digits (its length padded), so that addToNumbers can
  // rewrite it in place.
  void setNumberedRowBytes(std::size_t row, std::span<const std::string_view> cells, std::size_t digits);
  // Adds `offset` to the number of every row set by setNumberedRowBytes; the result
  // must still fit in the digits it was given room for (at most nine).
  void addToNumbers(std::size_t offset);
  // Takes the rows of `part` as rows at, at + 1, ... (the grid grows to hold them),
  // moving their texts, not copying them; `part` (of as many columns) is left empty.
  // Throws std::length_error when the grid's texts would pass 4 GiB.
  void adoptRows(std::size_t at, TextGrid&& part);
  // The memory that holds the grid's texts, in bytes.
  std::size_t heldBytes() const { return blocks_.size() * kBlock; }

 private:
  // Packs a row's cells into the blocks; returns the run's position + 1.
  // With `numberDigits`, cells[0] (the number) gets room for that many digits.
  std::uint32_t store(std::span<const std::string_view> cells, std::size_t numberDigits = 0);

  // Blocks are one large memory page each where the system offers them.
  static constexpr std::size_t kBlock = std::size_t{2} << 20;  // bytes
  using Block = LargeArray<char>;

  std::size_t columns_;
  LargeVector<std::uint32_t> rows_;  // position + 1 of each row's run; 0: an empty row
  // Block b holds positions b * kBlock onwards. A run longer than a block gets a block
  // of its own size and the positions of the blocks it covers (left null).
  std::vector<Block> blocks_;
  std::size_t used_ = 0;  // bytes used in the last block
};

// Where an export grid column takes its value from: a record field, read as every
// reader reads it (trimmed), or a value the window composes from the record (two
// fields joined, a sort key), put into the grid as composed.
struct GridSource {
  static constexpr std::size_t kComposed = static_cast<std::size_t>(-1);
  std::size_t field = kComposed;
  std::function<std::u16string(const RecordBuffer&)> compose;
};

// Fills an export grid from an open archive, reading its records in file order. An
// archive with no record leaves the grid as it is (its design rows). Otherwise, with
// no `take`, the grid gets one row per record (the row count set first); with `take`,
// the grid is emptied and gets one row per record taken. Column 0 holds the row's
// 1-based number in the order taken, column c (from 1) the value of sources[c - 1].
// A failure to read throws ArchiveError, leaving the rows filled so far in the grid.
// A long archive is read in parts side by side (scanParts): `take` and the composed
// values may run on several threads at once, and read only the record.
void fillGrid(TextGrid& grid, Archive& archive, const RecordLayout& layout,
              std::span<const GridSource> sources,
              const std::function<bool(const RecordBuffer&)>& take = {});

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
// false, and then returns false.
bool emitSpreadsheet(const Sheet& sheet, const TextGrid& grid,
                     const std::function<bool(std::string_view)>& write);

// Puts the rows of a grid in the order of the texts of one column, every column moving
// with its row (the row numbers of column 0 included). Texts compare with A-Z folded, as
// the result lists do; rows with equal texts keep their order.
void SortGridByColumn(TextGrid& grid, std::size_t keyColumn);

}  // namespace core

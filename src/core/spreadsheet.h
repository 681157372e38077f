#pragma once
// The spreadsheet export file: an HTML table in the Office HTML form, with the Excel
// workbook block, that spreadsheet programs open as a worksheet. The whole file is one
// line of Windows-1252 text. Every text is trimmed and escaped (& < > " and line
// breaks), so a cell shows its own text and can never break or inject markup.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace core {

class Archive;
class RecordBuffer;
class RecordLayout;

// A grid of texts, rows x columns, kept in one text pool (no allocation per cell):
// an export grid holds a whole archive.
class TextGrid {
 public:
  explicit TextGrid(std::size_t columns = 0, std::size_t rows = 0);

  std::size_t columnCount() const { return columns_; }
  std::size_t rowCount() const { return rows_; }
  // New rows are empty; rows beyond the count are dropped.
  void setRowCount(std::size_t rows);
  // Adds an empty row at the end and returns its index.
  std::size_t appendRow();
  void reserve(std::size_t rows, std::size_t chars);

  std::u16string_view cell(std::size_t row, std::size_t column) const;
  // Throws std::length_error when the pool would pass 4 Gi characters.
  void setCell(std::size_t row, std::size_t column, std::u16string_view text);

 private:
  struct Span {
    std::uint32_t start = 0;
    std::uint32_t length = 0;
  };
  std::size_t columns_;
  std::size_t rows_ = 0;
  std::vector<Span> cells_;
  std::u16string pool_;
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
void FillGrid(TextGrid& grid, Archive& archive, const RecordLayout& layout,
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
void AppendSpreadsheet(std::string& out, const Sheet& sheet, const TextGrid& grid);
std::string SpreadsheetBytes(const Sheet& sheet, const TextGrid& grid);

// A failure to write the export file; what() names the file and the reason.
class SpreadsheetError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Writes the file at `path` (UTF-8) through a temporary file in the same folder, which
// replaces the file only once everything is written: on failure it throws
// SpreadsheetError, the temporary file is removed and an earlier file stays whole. An
// existing file that is read-only, or a folder in its place, is a failure.
void WriteSpreadsheet(const std::string& path, const Sheet& sheet, const TextGrid& grid);

}  // namespace core

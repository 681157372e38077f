#include "core/spreadsheet.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cstring>
#include <limits>

#include "core/ansi.h"
#include "core/archive.h"
#include "core/record.h"

namespace core {

// ---- TextGrid ---------------------------------------------------------------------

TextGrid::TextGrid(std::size_t columns, std::size_t rows) : columns_(columns) { setRowCount(rows); }

void TextGrid::setRowCount(std::size_t rows) {
  rows_ = rows;
  cells_.resize(rows * columns_);
  // Texts of dropped rows stay in the pool until the grid is emptied.
  if (rows == 0) pool_.clear();
}

std::size_t TextGrid::appendRow() {
  cells_.resize(cells_.size() + columns_);
  return rows_++;
}

void TextGrid::reserve(std::size_t rows, std::size_t chars) {
  cells_.reserve(rows * columns_);
  pool_.reserve(chars);
}

std::u16string_view TextGrid::cell(std::size_t row, std::size_t column) const {
  if (row >= rows_ || column >= columns_) return {};
  const Span& s = cells_[row * columns_ + column];
  return std::u16string_view(pool_).substr(s.start, s.length);
}

void TextGrid::setCell(std::size_t row, std::size_t column, std::u16string_view text) {
  if (row >= rows_ || column >= columns_) throw std::out_of_range("grid cell out of range");
  if (pool_.size() + text.size() > std::numeric_limits<std::uint32_t>::max()) {
    throw std::length_error("grid text pool full");
  }
  Span& s = cells_[row * columns_ + column];
  s.start = static_cast<std::uint32_t>(pool_.size());
  s.length = static_cast<std::uint32_t>(text.size());
  pool_.append(text);
}

// ---- Filling a grid from an archive ----------------------------------------------

namespace {
// Blanks and control characters (up to U+0020) at both ends, nothing else.
std::u16string_view TrimView(std::u16string_view s) {
  std::size_t b = 0, e = s.size();
  while (b < e && s[b] <= u' ') ++b;
  while (e > b && s[e - 1] <= u' ') --e;
  return s.substr(b, e - b);
}
}  // namespace

void FillGrid(TextGrid& grid, Archive& archive, const RecordLayout& layout, std::span<const GridSource> sources,
              const std::function<bool(const RecordBuffer&)>& take) {
  const std::size_t count = archive.count();
  if (count == 0) return;
  grid.setRowCount(take ? 0 : count);
  archive.seek(0);
  RecordBuffer record(layout);
  std::u16string text;  // reused for every field: no allocation per cell
  std::size_t taken = 0;
  for (std::size_t k = 0; k < count; ++k) {
    archive.read(record);
    if (take && !take(record)) continue;
    const std::size_t row = take ? grid.appendRow() : k;
    ++taken;
    text.clear();
    for (std::size_t n = taken; n; n /= 10) text.insert(text.begin(), static_cast<char16_t>(u'0' + n % 10));
    grid.setCell(row, 0, text);
    for (std::size_t c = 0; c < sources.size() && c + 1 < grid.columnCount(); ++c) {
      const GridSource& source = sources[c];
      if (source.field != GridSource::kComposed) {
        const std::string_view raw = record.rawValue(source.field);
        text.resize(raw.size());
        for (std::size_t i = 0; i < raw.size(); ++i) text[i] = AnsiToUnicode(static_cast<std::uint8_t>(raw[i]));
        grid.setCell(row, c + 1, TrimView(text));
      } else if (source.compose) {
        grid.setCell(row, c + 1, source.compose(record));
      }
    }
  }
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

// The text trimmed, in Windows-1252 ('?' for what the code page lacks), with the
// characters that would end a cell or start markup written as references. Line breaks
// become references too: the file stays one line.
void AppendText(std::string& out, std::u16string_view text) {
  text = TrimView(text);
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char16_t ch = text[i];
    switch (ch) {
      case u'&': out.append("&amp;"); continue;
      case u'<': out.append("&lt;"); continue;
      case u'>': out.append("&gt;"); continue;
      case u'"': out.append("&quot;"); continue;
      case u'\r': out.append("&#13;"); continue;
      case u'\n': out.append("&#10;"); continue;
      default: break;
    }
    if (ch < 0x80) {
      out.push_back(static_cast<char>(ch));
      continue;
    }
    if (ch >= 0xD800 && ch <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) {
      ++i;  // one character outside the BMP, one '?'
      out.push_back('?');
      continue;
    }
    std::uint8_t b;
    out.push_back(UnicodeToAnsi(ch, b) ? static_cast<char>(b) : '?');
  }
}

void AppendNumber(std::string& out, int value) {
  char buf[16];
  auto r = std::to_chars(buf, buf + sizeof buf, value);
  out.append(buf, r.ptr);
}

// Writes the pieces in order; `flush`, when given, is called between rows so that a
// large grid goes out in pieces instead of being held whole.
template <typename Flush>
void Emit(std::string& out, const Sheet& sheet, const TextGrid& grid, Flush&& flush) {
  out.append(kHead);
  AppendText(out, sheet.name);
  out.append(kAfterName);

  out.append(kRow);
  for (const SheetColumn& c : sheet.columns) {
    out.append(kHeadingCell);
    AppendNumber(out, c.width);
    out.push_back('>');
    AppendText(out, c.heading);
    out.append(kCellEnd);
  }
  out.append(kRowEnd);

  const std::size_t n = sheet.columns.size();
  for (std::size_t r = 0; r < grid.rowCount(); ++r) {
    out.append(kRow);
    for (std::size_t c = 1; c <= n; ++c) {
      out.append(kCell);
      AppendText(out, grid.cell(r, c));
      out.append(kCellEnd);
    }
    out.append(kRowEnd);
    flush(out);
  }
  out.append(kTail);
}

std::string Describe(const std::string& what, const std::string& path, int err) {
  return what + " " + path + ": " + std::strerror(err);
}

void WriteAll(int fd, const std::string& data, const std::string& path) {
  const char* p = data.data();
  std::size_t left = data.size();
  while (left > 0) {
    ssize_t n = ::write(fd, p, left);
    if (n < 0) {
      if (errno == EINTR) continue;
      throw SpreadsheetError(Describe("cannot write", path, errno));
    }
    p += n;
    left -= static_cast<std::size_t>(n);
  }
}

}  // namespace

void AppendSpreadsheet(std::string& out, const Sheet& sheet, const TextGrid& grid) {
  Emit(out, sheet, grid, [](std::string&) {});
}

std::string SpreadsheetBytes(const Sheet& sheet, const TextGrid& grid) {
  std::string out;
  AppendSpreadsheet(out, sheet, grid);
  return out;
}

void WriteSpreadsheet(const std::string& path, const Sheet& sheet, const TextGrid& grid) {
  struct stat st {};
  if (::stat(path.c_str(), &st) == 0) {
    if (S_ISDIR(st.st_mode)) throw SpreadsheetError("cannot write " + path + ": it is a folder");
    // A file the user made read-only is not replaced behind their back.
    if (::access(path.c_str(), W_OK) != 0) throw SpreadsheetError(Describe("cannot write", path, errno));
  }

  std::string temp;
  int fd = -1;
  for (int i = 0; i < 100 && fd < 0; ++i) {
    temp = path + ".~" + std::to_string(::getpid()) + "-" + std::to_string(i);
    fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0 && errno != EEXIST) break;
  }
  if (fd < 0) throw SpreadsheetError(Describe("cannot create", temp, errno));

  try {
    constexpr std::size_t kChunk = 1 << 20;
    std::string buffer;
    buffer.reserve(kChunk + (64 << 10));
    Emit(buffer, sheet, grid, [&](std::string& out) {
      if (out.size() >= kChunk) {
        WriteAll(fd, out, temp);
        out.clear();
      }
    });
    WriteAll(fd, buffer, temp);
    const int closed = ::close(fd);
    fd = -1;
    if (closed != 0) throw SpreadsheetError(Describe("cannot write", temp, errno));
    if (::rename(temp.c_str(), path.c_str()) != 0) throw SpreadsheetError(Describe("cannot replace", path, errno));
  } catch (...) {
    if (fd >= 0) ::close(fd);
    ::unlink(temp.c_str());
    throw;
  }
}

}  // namespace core

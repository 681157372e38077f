#include "core/search_filter.h"
#include "core/spreadsheet.h"

#include "core/archive.h"
#include "core/record.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <array>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "../support/export_file_bytes.h"

namespace {

namespace fs = std::filesystem;
using core::Sheet;
using core::SheetColumn;
using core::TextGrid;

// A one-column sheet "S" headed "H" (width 100), holding one cell.
std::string OneCellFile(const std::string& cellBytes) {
  return exportFileHead("S") +
         "<tr><td style=\"text-align: left; font-weight: bold;\" width=100>H</td></tr>"
         "<tr><td style=\"text-align: left;\">" + cellBytes + "</td></tr>" + kExportFileTail;
}

std::string OneCellExport(std::u16string_view cell) {
  static const std::array<SheetColumn, 1> cols{{{u"H", 100}}};
  TextGrid grid(2, 1);
  grid.setCell(0, 0, u"1");
  grid.setCell(0, 1, cell);
  return core::spreadsheetBytes(Sheet{u"S", cols}, grid);
}

void WriteFile(const fs::path& p, const std::string& bytes) {
  std::ofstream out(p, std::ios::binary | std::ios::trunc);
  out << bytes;
}

TEST(Spreadsheet, WholeFileByteForByte) {
  // Two exported columns; grid column 0 (the row number) is not written; the second
  // row is empty and is written with empty cells.
  const std::array<SheetColumn, 2> cols{{{u"Tipo veicolo", 250}, {u"Compatibilità ambientale", 300}}};
  TextGrid grid(3, 2);
  grid.setCell(0, 0, u"1");
  grid.setCell(0, 1, u"  Autocarro\t");
  grid.setCell(0, 2, u"Euro 6 – più € e Ω");
  const std::string bytes = core::spreadsheetBytes(Sheet{u"Parco Automezzi", cols}, grid);

  const std::string expected =
      exportFileHead("Parco Automezzi") +
      "<tr><td style=\"text-align: left; font-weight: bold;\" width=250>Tipo veicolo</td>"
      "<td style=\"text-align: left; font-weight: bold;\" width=300>Compatibilit\xE0 ambientale</td></tr>"
      "<tr><td style=\"text-align: left;\">Autocarro</td>"
      "<td style=\"text-align: left;\">Euro 6 \x96 pi\xF9 \x80 e ?</td></tr>"
      "<tr><td style=\"text-align: left;\"></td><td style=\"text-align: left;\"></td></tr>" + kExportFileTail;
  EXPECT_EQ(bytes, expected);
}

TEST(Spreadsheet, CellsAreEscapedAndShowTheirText) {
  struct Case {
    const char* name;
    std::u16string cell;
    std::string bytes;
  };
  const Case cases[] = {
      {"less-than", u"a<b", "a&lt;b"},
      {"ampersand", u"R&D", "R&amp;D"},
      {"quote", u"16\" cerchi", "16&quot; cerchi"},
      {"closing the cell", u"x</td></tr><tr><td>y", "x&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;y"},
      {"markup injection", u"<script>alert(1)</script>", "&lt;script&gt;alert(1)&lt;/script&gt;"},
      {"already a reference", u"&amp;", "&amp;amp;"},
      {"line breaks inside", u"riga 1\r\nriga 2", "riga 1&#13;&#10;riga 2"},
      {"trimmed, blanks inside kept", u" \n a  b \r ", "a  b"},
      {"only blanks", u"   ", ""},
      {"outside the BMP", u"a\U0001F600b", "a?b"},
      {"code page letters", u"ÀèìÒù", "\xC0\xE8\xEC\xD2\xF9"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(OneCellExport(c.cell), OneCellFile(c.bytes));
  }
}

TEST(Spreadsheet, HeadingsAndSheetNameAreEscapedToo) {
  const std::array<SheetColumn, 1> cols{{{u"Costi & <ricavi>", 7}}};
  TextGrid grid(2, 0);
  EXPECT_EQ(core::spreadsheetBytes(Sheet{u"A&B", cols}, grid),
            exportFileHead("A&amp;B") +
                "<tr><td style=\"text-align: left; font-weight: bold;\" width=7>Costi &amp; &lt;ricavi&gt;</td></tr>" +
                kExportFileTail);
}

TEST(Spreadsheet, FileIsOneLineWhateverTheCells) {
  const std::array<SheetColumn, 2> cols{{{u"A", 1}, {u"B", 2}}};
  TextGrid grid(3, 50);
  for (std::size_t r = 0; r < 50; ++r) {
    grid.setCell(r, 1, u"uno\ndue");
    grid.setCell(r, 2, u"\r\ntre\rquattro\r\n");
  }
  const std::string bytes = core::spreadsheetBytes(Sheet{u"S", cols}, grid);
  EXPECT_EQ(bytes.find('\n'), std::string::npos);
  EXPECT_EQ(bytes.find('\r'), std::string::npos);
}

TEST(Spreadsheet, NoRawControlCharacterReachesTheFile) {
  // Cells as an archive holds them (raw bytes, however they got there). A tab is
  // written as its reference, like the line breaks; the other control characters (C0
  // and DEL) are left out: no cell can show them.
  struct Case {
    const char* name;
    std::string stored;
    std::string bytes;
  };
  const Case cases[] = {
      {"tab inside", "a\tb", "a&#9;b"},
      {"NUL inside", std::string("a\0b", 3), "ab"},
      {"bell, escape, unit separator", "a\x07" "b\x1B" "c\x1F" "d", "abcd"},
      {"DEL", "a\x7F" "b", "ab"},
      {"line breaks stay references", "a\r\nb\rc", "a&#13;&#10;b&#13;c"},
      {"controls beside markup", "<\x01&\x02>\x7F\"", "&lt;&amp;&gt;&quot;"},
      {"controls only", std::string("x\x01\x00\x02", 4).substr(1), ""},
      {"code page bytes from 0x80 stay", "\x80\x96\xA0\xFF", "\x80\x96\xA0\xFF"},
  };
  const std::array<SheetColumn, 1> cols{{{u"H", 100}}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TextGrid grid(2, 1);
    const std::array<std::string_view, 2> row{"1", c.stored};
    grid.setRowBytes(0, row);
    EXPECT_EQ(core::spreadsheetBytes(Sheet{u"S", cols}, grid), OneCellFile(c.bytes));
  }

  // Every byte value in one cell, and in the sheet name and a heading as typed text.
  std::string every(256, '\0');
  std::u16string everyText(256, u'\0');
  for (int b = 0; b < 256; ++b) {
    every[b] = char(b);
    everyText[b] = char16_t(b);
  }
  const std::array<SheetColumn, 1> headed{{{everyText, 10}}};
  TextGrid grid(2, 1);
  const std::array<std::string_view, 2> row{"1", every};
  grid.setRowBytes(0, row);
  const std::string file = core::spreadsheetBytes(Sheet{everyText, headed}, grid);
  for (unsigned char ch : file) EXPECT_TRUE(ch >= 0x20 && ch != 0x7F) << "byte " << int(ch);
}

TEST(Spreadsheet, GridNarrowerThanTheSheetWritesEmptyCells) {
  const std::array<SheetColumn, 1> cols{{{u"H", 100}}};
  TextGrid grid(1, 1);  // the row number only
  grid.setCell(0, 0, u"1");
  EXPECT_EQ(core::spreadsheetBytes(Sheet{u"S", cols}, grid), OneCellFile(""));
}

TEST(TextGrid, RowsAndCells) {
  TextGrid grid(3, 10);
  EXPECT_EQ(grid.rowCount(), 10u);
  EXPECT_EQ(grid.cell(9, 2), u"");
  grid.setCell(2, 1, u"prima");
  grid.setCell(2, 1, u"dopo");  // the cell shows its last text
  EXPECT_EQ(grid.cell(2, 1), u"dopo");
  EXPECT_EQ(grid.cell(2, 0), u"");
  EXPECT_EQ(grid.cell(10, 0), u"");  // outside the grid: empty, never past it
  EXPECT_EQ(grid.cell(0, 3), u"");
  EXPECT_THROW(grid.setCell(10, 0, u"x"), std::out_of_range);

  grid.setRowCount(0);
  EXPECT_EQ(grid.rowCount(), 0u);
  EXPECT_EQ(grid.appendRow(), 0u);
  EXPECT_EQ(grid.cell(0, 1), u"");  // a new row is empty, not the old row 0
  grid.setCell(0, 1, u"x");
  grid.setRowCount(3);
  EXPECT_EQ(grid.cell(0, 1), u"x");
  EXPECT_EQ(grid.cell(2, 1), u"");
}

TEST(TextGrid, ManyAndLongTextsKeepTheirContent) {
  // Enough text to fill several blocks, texts longer than a block among them, set in
  // an order that rewrites rows already stored.
  TextGrid grid(3, 3000);
  auto text = [](std::size_t r, std::size_t c) {
    // Lengths of one, two and three length bytes, and beyond a block.
    const std::size_t length = r % 1000 == 7 && c == 1 ? 1'100'000 + r
                               : r % 100 == 3          ? 16'384 + r
                                                       : (r * 7 + c * 131) % 300;
    return std::u16string(length, static_cast<char16_t>(u'A' + (r + c) % 26));
  };
  for (std::size_t c : {2, 0, 1})
    for (std::size_t r = 0; r < grid.rowCount(); ++r) grid.setCell(r, c, text(r, c));
  for (std::size_t r = 0; r < grid.rowCount(); ++r)
    for (std::size_t c = 0; c < 3; ++c) ASSERT_EQ(grid.cell(r, c), text(r, c)) << r << "," << c;
}

TEST(TextGrid, TextsAreKeptInTheCodePage) {
  TextGrid grid(2, 1);
  grid.setCell(0, 1, u"più € Ω \U0001F600");
  EXPECT_EQ(grid.cell(0, 1), u"più € ? ?");
  EXPECT_EQ(grid.cellBytes(0, 1), "pi\xF9 \x80 ? ?");
}

TEST(TextGrid, ReorderRows) {
  TextGrid grid(2, 3);
  for (std::size_t r = 0; r < 3; ++r) grid.setCell(r, 0, std::u16string(1, static_cast<char16_t>(u'a' + r)));
  const std::size_t order[] = {2, 0, 1};
  grid.reorderRows(order);
  EXPECT_EQ(grid.cell(0, 0), u"c");
  EXPECT_EQ(grid.cell(1, 0), u"a");
  EXPECT_EQ(grid.cell(2, 0), u"b");
  const std::size_t twice[] = {0, 0, 1};
  EXPECT_THROW(grid.reorderRows(twice), std::invalid_argument);
  EXPECT_EQ(grid.cell(0, 0), u"c");  // left as it was
}

class SpreadsheetFile : public ::testing::Test {
 protected:
  void SetUp() override {
    char tmpl[] = "/tmp/velmora-xls-XXXXXX";
    ASSERT_NE(::mkdtemp(tmpl), nullptr);
    dir_ = tmpl;
  }
  void TearDown() override { fs::remove_all(dir_); }
  fs::path dir_;
};

TEST(Spreadsheet, LargeGridGoesOutInPiecesThatMakeTheWholeFile) {
  // Bigger than a piece, so it is handed over in several.
  static constexpr std::array<SheetColumn, 1> cols{{{u"H", 100}}};
  TextGrid grid(2, 40000);
  for (std::size_t r = 0; r < grid.rowCount(); ++r) grid.setCell(r, 1, u"cella");
  std::string joined;
  int pieces = 0;
  EXPECT_TRUE(core::emitSpreadsheet(Sheet{u"S", cols}, grid, [&](std::string_view piece) {
    joined += piece;
    ++pieces;
    return true;
  }));
  EXPECT_GT(pieces, 1);
  EXPECT_EQ(joined, core::spreadsheetBytes(Sheet{u"S", cols}, grid));

  // A refused piece stops the file there.
  pieces = 0;
  EXPECT_FALSE(core::emitSpreadsheet(Sheet{u"S", cols}, grid, [&](std::string_view) {
    ++pieces;
    return false;
  }));
  EXPECT_EQ(pieces, 1);
}

// ---- Filling a grid from an archive ------------------------------------------------

constexpr std::array<core::FieldDef, 2> kFields{{{"A", 5}, {"B", 3}}};

class FillGridTest : public SpreadsheetFile {
 protected:
  // Records of 10 bytes: length + 5 bytes of A, length + 3 bytes of B.
  fs::path archive(const std::string& bytes) {
    const fs::path p = dir_ / "test.pro";
    WriteFile(p, bytes);
    return p;
  }
  const core::RecordLayout layout_{kFields};
  std::vector<core::GridSource> sources_{{0, {}}, {1, {}}};
};

TEST_F(FillGridTest, EmptyArchiveKeepsTheDesignRows) {
  core::Archive a(archive("").string(), layout_.size());
  TextGrid grid(3, 10);
  grid.setCell(9, 1, u"design");
  core::fillGrid(grid, a, layout_, sources_);
  EXPECT_EQ(grid.rowCount(), 10u);
  EXPECT_EQ(grid.cell(9, 1), u"design");
}

TEST_F(FillGridTest, EveryRecordInFileOrderNumberedFromOne) {
  // Record 2 has a stale tail after its length and a length byte past the width (9 > 3).
  const std::string bytes = std::string("\x03 ab\0\0\x01xyz", 10) + std::string("\x05\xE8" "abcd\x09XYZ", 10) +
                            std::string("\x00zzzzz\x00zzz", 10);
  core::Archive a(archive(bytes).string(), layout_.size());
  TextGrid grid(3, 10);
  core::fillGrid(grid, a, layout_, sources_);
  ASSERT_EQ(grid.rowCount(), 3u);
  const std::u16string expected[3][3] = {{u"1", u"ab", u"x"}, {u"2", u"\u00E8abcd", u"XYZ"}, {u"3", u"", u""}};
  for (std::size_t r = 0; r < 3; ++r)
    for (std::size_t c = 0; c < 3; ++c) EXPECT_EQ(grid.cell(r, c), expected[r][c]) << r << "," << c;
}

TEST_F(FillGridTest, LargeArchiveReadInBatchesKeepsEveryRecordInPlace) {
  // Field A holds the record's number: every row must show its own record.
  const std::size_t n = 60001;
  std::string bytes;
  for (std::size_t i = 0; i < n; ++i) {
    std::string a = std::to_string(i);
    bytes += static_cast<char>(a.size());
    bytes += (a + "     ").substr(0, 5);
    bytes += std::string("\x01" "b\0\0", 4);
  }
  core::Archive a(archive(bytes).string(), layout_.size());
  TextGrid grid(3, 10);
  core::fillGrid(grid, a, layout_, sources_);
  ASSERT_EQ(grid.rowCount(), n);
  for (std::size_t r = 0; r < n; ++r) {
    ASSERT_EQ(grid.cellBytes(r, 1), std::to_string(r)) << r;
    ASSERT_EQ(grid.cellBytes(r, 0), std::to_string(r + 1)) << r;
  }

  // Every third record taken: read in parts side by side, the rows are still those
  // taken in file order, numbered on across the parts.
  core::fillGrid(grid, a, layout_, sources_, [](const core::RecordBuffer& r) { return r.get(0).back() % 3 == 0; });
  std::vector<std::string> expected;
  for (std::size_t i = 0; i < n; ++i)
    if (std::to_string(i).back() % 3 == 0) expected.push_back(std::to_string(i));
  ASSERT_EQ(grid.rowCount(), expected.size());
  for (std::size_t r = 0; r < expected.size(); ++r) {
    ASSERT_EQ(grid.cellBytes(r, 1), expected[r]) << r;
    ASSERT_EQ(grid.cellBytes(r, 0), std::to_string(r + 1)) << r;
  }

  // Filled again (a window shown again), the grid holds this fill's texts only.
  core::fillGrid(grid, a, layout_, sources_);
  const std::size_t held = grid.heldBytes();
  core::fillGrid(grid, a, layout_, sources_);
  EXPECT_EQ(grid.heldBytes(), held);
  EXPECT_EQ(grid.rowCount(), n);
}

TEST_F(FillGridTest, SelectedRecordsAndComposedValues) {
  const std::string bytes = std::string("\x01" "a\0\0\0\0\x01x\0\0", 10) + std::string("\x01" "b\0\0\0\0\x01y\0\0", 10) +
                            std::string("\x01" "c\0\0\0\0\x01z\0\0", 10);
  core::Archive a(archive(bytes).string(), layout_.size());
  // A composed value goes in as composed: the blank before it stays in the grid.
  std::vector<core::GridSource> sources{{0, {}}, {core::GridSource::kComposed, [](const core::RecordBuffer& r) {
                                                   return u" " + r.get(1) + u"-" + r.get(0);
                                                 }}};
  TextGrid grid(3, 10);
  core::fillGrid(grid, a, layout_, sources, [](const core::RecordBuffer& r) { return r.get(0) != u"b"; });
  ASSERT_EQ(grid.rowCount(), 2u);
  EXPECT_EQ(grid.cell(0, 0), u"1");
  EXPECT_EQ(grid.cell(0, 2), u" x-a");
  EXPECT_EQ(grid.cell(1, 0), u"2");  // numbered in the order taken
  EXPECT_EQ(grid.cell(1, 1), u"c");

  // Records, none taken: no rows at all (not the design rows).
  core::fillGrid(grid, a, layout_, sources, [](const core::RecordBuffer&) { return false; });
  EXPECT_EQ(grid.rowCount(), 0u);
}

TEST_F(FillGridTest, AGridSortedAsItFillsIsTheStableSortOfItsRows) {
  // Field A from a few values that differ in letter case and beyond ASCII, field B the
  // record's number: keys short enough to be compared whole at once (a field), and
  // long ones sharing their beginnings (composed); with every record and with some.
  const std::string as[] = {"ab", "AB", "b", "", "\xE8", "abc", "a", "_", "Z", "\x80"};
  const std::size_t n = 45000;
  std::string bytes;
  for (std::size_t i = 0; i < n; ++i) {
    const std::string a = as[(i * 7) % std::size(as)];
    const std::string b = std::to_string(i % 1000);
    bytes += static_cast<char>(a.size()) + (a + std::string(5, '\0')).substr(0, 5);
    bytes += static_cast<char>(b.size()) + (b + std::string(3, '\0')).substr(0, 3);
  }
  core::Archive archive(this->archive(bytes).string(), layout_.size());
  const auto longKey = [](const core::RecordBuffer& r) { return u"shared beginning " + r.get(0) + r.get(0) + u"|" + r.get(1); };
  const std::vector<core::GridSource> sources{{0, {}}, {1, {}}, {core::GridSource::kComposed, longKey}};
  const auto some = [](const core::RecordBuffer& r) { return r.get(1).back() != u'3'; };
  static constexpr std::array<SheetColumn, 3> cols{{{u"A", 10}, {u"B", 10}, {u"K", 10}}};
  for (const std::size_t key : {std::size_t{1}, std::size_t{3}}) {
    for (const bool selective : {false, true}) {
      SCOPED_TRACE(std::to_string(key) + (selective ? " selective" : " every record"));
      TextGrid sorted(4, 10), plain(4, 10);
      std::function<bool(const core::RecordBuffer&)> take;
      if (selective) take = some;
      core::fillGrid(sorted, archive, layout_, sources, take, key);
      core::fillGrid(plain, archive, layout_, sources, take);
      // The rows as a grid of their own texts, sorted stably by the key's text.
      std::vector<std::size_t> order(plain.rowCount());
      for (std::size_t r = 0; r < order.size(); ++r) order[r] = r;
      std::vector<std::u16string> keys;
      for (std::size_t r = 0; r < order.size(); ++r) keys.push_back(plain.cell(r, key));
      std::stable_sort(order.begin(), order.end(),
                       [&](std::size_t x, std::size_t y) { return core::lessFolded(keys[x], keys[y]); });
      ASSERT_EQ(sorted.rowCount(), order.size());
      TextGrid expected(4, order.size());
      for (std::size_t r = 0; r < order.size(); ++r)
        for (std::size_t c = 0; c < 4; ++c) expected.setCell(r, c, plain.cell(order[r], c));
      for (std::size_t r = 0; r < order.size(); r += 997)
        for (std::size_t c = 0; c < 4; ++c) ASSERT_EQ(sorted.cell(r, c), expected.cell(r, c)) << r << "," << c;
      // Written, the rows read their records once, in file order: the same file.
      EXPECT_EQ(core::spreadsheetBytes(Sheet{u"S", cols}, sorted), core::spreadsheetBytes(Sheet{u"S", cols}, expected));
      // Sorted after the fill, by the same column: the same rows.
      core::SortGridByColumn(plain, key);
      for (std::size_t r = 0; r < order.size(); r += 997) ASSERT_EQ(plain.cell(r, 0), expected.cell(r, 0)) << r;
      // An edited row keeps its texts wherever it goes.
      sorted.setCell(5, 2, u"edited");
      EXPECT_EQ(sorted.cell(5, 0), expected.cell(5, 0));
      EXPECT_EQ(sorted.cell(5, 2), u"edited");
      EXPECT_EQ(sorted.cell(6, 2), expected.cell(6, 2));
    }
  }
}

TEST_F(FillGridTest, FailureKeepsTheRowsFilledSoFar) {
  // Wide records, so that a few thousand take several reads (and one part); the file
  // loses all but its first record while the first records are being chosen.
  constexpr std::array<core::FieldDef, 5> kWide{{{"A", 5}, {"B", 255}, {"C", 255}, {"D", 255}, {"E", 255}}};
  const core::RecordLayout layout{kWide};
  std::string rec(layout.size(), '\0');
  rec.replace(0, 2, "\x01" "a");
  const std::size_t n = 3000;
  std::string bytes;
  for (std::size_t i = 0; i < n; ++i) bytes += rec;
  const fs::path p = archive(bytes);
  core::Archive a(p.string(), layout.size());
  bool truncated = false;
  const auto take = [&](const core::RecordBuffer&) {
    if (!truncated) fs::resize_file(p, layout.size());
    truncated = true;
    return true;
  };
  std::vector<core::GridSource> sources{{0, {}}, {core::GridSource::kComposed, [](const core::RecordBuffer&) {
                                                   return std::u16string(u"c");
                                                 }}};
  TextGrid grid(3, 10);
  EXPECT_THROW(core::fillGrid(grid, a, layout, sources, take), core::ArchiveError);
  // The rows taken before the failed read stay, whole, and the grid can be written.
  ASSERT_GE(grid.rowCount(), 1u);
  ASSERT_LT(grid.rowCount(), n);
  EXPECT_EQ(grid.cell(0, 0), u"1");
  EXPECT_EQ(grid.cell(0, 1), u"a");
  EXPECT_EQ(grid.cell(0, 2), u"c");
}

TEST_F(FillGridTest, ARecordLostAfterTheFillIsNeverWrittenAsEmpty) {
  // The rows show their records, read again when they are asked for: once the file
  // has lost some, their rows show nothing and the grid is no longer written. Sorted,
  // the rows are out of file order (the file is then read in file order to write them).
  std::string bytes;
  for (char c : std::string("dbca")) bytes += std::string("\x01") + c + std::string("\0\0\0\0\x01x\0\0", 8);
  const fs::path p = archive(bytes);
  static constexpr std::array<SheetColumn, 1> cols{{{u"A", 10}}};
  auto file = [&](const TextGrid& grid, bool& written) {
    std::string out;
    written = core::emitSpreadsheet(Sheet{u"S", cols}, grid, [&](std::string_view piece) {
      out += piece;
      return true;
    });
    return out;
  };
  for (const bool sorted : {false, true}) {
    SCOPED_TRACE(sorted ? "sorted" : "file order");
    WriteFile(p, bytes);
    TextGrid grid(3, 10);
    {
      core::Archive a(p.string(), layout_.size());
      core::fillGrid(grid, a, layout_, sources_, {}, sorted ? 1 : core::kUnsorted);
    }
    ASSERT_EQ(grid.rowCount(), 4u);
    bool written = false;
    const std::string whole = file(grid, written);
    EXPECT_TRUE(written);
    const std::string cells = sorted ? "abcd" : "dbca";
    std::string expected;
    for (char c : cells) expected += std::string("<tr><td style=\"text-align: left;\">") + c + "</td></tr>";
    EXPECT_NE(whole.find(expected), std::string::npos);
    EXPECT_EQ(grid.cell(0, 0), sorted ? u"4" : u"1");

    fs::resize_file(p, 2 * layout_.size());  // records "d" and "b" stay
    const std::size_t lostRow = sorted ? 0 : 3, keptRow = 1;
    EXPECT_EQ(grid.cell(keptRow, 1), u"b");
    EXPECT_EQ(grid.cell(lostRow, 1), u"");
    EXPECT_FALSE(grid.recordsReadable());
    file(grid, written);
    EXPECT_FALSE(written);
  }
}

}  // namespace

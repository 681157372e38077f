// Sorting a grid by one column: every column moves with its row, equal keys keep
// their order, and texts compare as the result lists compare their lines.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/search_filter.h"
#include "core/spreadsheet.h"

using core::TextGrid;

namespace {

std::vector<std::u16string> column(const TextGrid& grid, std::size_t c) {
  std::vector<std::u16string> out;
  for (std::size_t r = 0; r < grid.rowCount(); ++r) out.push_back(grid.cell(r, c));
  return out;
}

TEST(SortGrid, RowsMoveWholeAndEqualKeysKeepFileOrder) {
  // Row number, a field, the key (month, day, hour, minutes), as the schedule grids hold them.
  const std::u16string rows[][3] = {
      {u"1", u"Revisione", u"03051430"}, {u"2", u"Tagliando", u"01100900"}, {u"3", u"Bollo", u"03050800"},
      {u"4", u"Gomme", u"01100900"},     {u"5", u"Freni", u"12312359"},
  };
  TextGrid grid(3, std::size(rows));
  for (std::size_t r = 0; r < std::size(rows); ++r)
    for (std::size_t c = 0; c < 3; ++c) grid.setCell(r, c, rows[r][c]);

  core::SortGridByColumn(grid, 2);
  EXPECT_EQ(column(grid, 0), (std::vector<std::u16string>{u"2", u"4", u"3", u"1", u"5"}));
  EXPECT_EQ(column(grid, 1), (std::vector<std::u16string>{u"Tagliando", u"Gomme", u"Bollo", u"Revisione", u"Freni"}));
  EXPECT_EQ(column(grid, 2),
            (std::vector<std::u16string>{u"01100900", u"01100900", u"03050800", u"03051430", u"12312359"}));
}

TEST(SortGrid, ComparesLikeTheResultLists) {
  // Case-folded A-Z, equal folded keys in file order, and characters beyond ASCII by
  // the character they stand for, not by their byte in the file ("€" is byte 0x80 but
  // comes after "è", byte 0xE8).
  const std::u16string keys[] = {u"b", u"A", u"\u20AC", u"a", u"\u00E8", u"B", u"_", u"", u"ab", u"Z"};
  TextGrid grid(2, std::size(keys));
  for (std::size_t r = 0; r < std::size(keys); ++r) {
    grid.setCell(r, 0, std::u16string(1, static_cast<char16_t>(u'0' + r)));
    grid.setCell(r, 1, keys[r]);
  }
  core::SortGridByColumn(grid, 1);
  EXPECT_EQ(column(grid, 1), (std::vector<std::u16string>{u"", u"A", u"a", u"ab", u"b", u"B", u"Z", u"_", u"\u00E8",
                                                          u"\u20AC"}));
  EXPECT_EQ(column(grid, 0), (std::vector<std::u16string>{u"7", u"1", u"3", u"8", u"0", u"5", u"9", u"6", u"4", u"2"}));
  for (std::size_t r = 1; r < grid.rowCount(); ++r)
    EXPECT_FALSE(core::lessFolded(grid.cell(r, 1), grid.cell(r - 1, 1))) << r;
}

TEST(SortGrid, EmptyGridsAndAColumnOutsideTheGridChangeNothing) {
  TextGrid empty(3, 0);
  core::SortGridByColumn(empty, 2);
  EXPECT_EQ(empty.rowCount(), 0u);

  TextGrid grid(2, 3);
  for (std::size_t r = 0; r < 3; ++r) grid.setCell(r, 1, std::u16string(1, static_cast<char16_t>(u'c' - r)));
  core::SortGridByColumn(grid, 5);  // every key empty, so all equal
  EXPECT_EQ(column(grid, 1), (std::vector<std::u16string>{u"c", u"b", u"a"}));
}

}  // namespace

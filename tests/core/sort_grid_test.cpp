// Sorting a grid by one column: every column moves with its row, equal keys keep
// their order, and texts compare as the result lists compare their lines.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/search_filter.h"
#include "core/spreadsheet.h"
#include "core/text.h"

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

TEST(SortGrid, ALongGridSortedInPartsIsTheStableSortByTheListOrder) {
  // Keys that share long beginnings (past the characters compared at once), differ in
  // case, and hold characters beyond ASCII; many are equal, so their file order counts.
  const std::u16string stems[] = {u"2024030508001234567", u"2024030508001234567x", u"2024030508001234567X",
                                  u"20240305080012345", u"€uro", u"è", u"ab", u"AB_", u""};
  const std::size_t n = 30000;
  TextGrid grid(2, n);
  std::vector<std::pair<std::u16string, std::size_t>> expected;
  for (std::size_t r = 0; r < n; ++r) {
    const std::u16string key = stems[(r * 7919) % std::size(stems)] + (r % 3 ? u"" : u"à");
    grid.setCell(r, 0, core::fromUtf8(std::to_string(r)));
    grid.setCell(r, 1, key);
    expected.emplace_back(key, r);
  }
  std::stable_sort(expected.begin(), expected.end(),
                   [](const auto& a, const auto& b) { return core::lessFolded(a.first, b.first); });
  core::SortGridByColumn(grid, 1);
  for (std::size_t r = 0; r < n; ++r) {
    ASSERT_EQ(grid.cell(r, 1), expected[r].first) << r;
    ASSERT_EQ(grid.cell(r, 0), core::fromUtf8(std::to_string(expected[r].second))) << r;
  }
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

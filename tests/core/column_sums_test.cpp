// The totals the trip card computes: a column of numbers summed, and the distance
// from two odometer readings, with what becomes of texts that are empty or are not
// numbers.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/column_sums.h"

using core::Text;
using core::TotalForm;

namespace {

std::string u8(core::TextView t) { return core::toUtf8(t); }

TEST(ColumnSums, TotalsAndTheTextsLeftInTheColumn) {
  struct Case {
    const char* name;
    TotalForm form;
    std::vector<Text> in;
    std::vector<Text> out;  // the column afterwards
    Text total;
  } cases[] = {
      {"amounts in shortest form get two decimals", TotalForm::Amount, {u"12,5", u"7,25"}, {u"12,5", u"7,25"}, u"19,75"},
      {"whole amounts", TotalForm::Amount, {u"10", u"5", u"", u"0,00", u"0,00"}, {u"10", u"5", u"0,00", u"0,00", u"0,00"},
       u"15,00"},
      {"one decimal", TotalForm::Amount, {u"10,5", u"20"}, {u"10,5", u"20"}, u"30,50"},
      {"stored totals of a record", TotalForm::Amount, {u"10,50", u"20,00", u"0,00", u"0,00", u"0,00"},
       {u"10,50", u"20,00", u"0,00", u"0,00", u"0,00"}, u"30,50"},
      {"litres: an empty one becomes 0", TotalForm::Shortest, {u"30", u"", u"0", u"0", u"0"},
       {u"30", u"0", u"0", u"0", u"0"}, u"30"},
      {"litres of a record", TotalForm::Shortest, {u"12", u"23", u"8", u"40", u"17"}, {u"12", u"23", u"8", u"40", u"17"},
       u"100"},
      {"a blank text is empty", TotalForm::Shortest, {u"  ", u"4"}, {u"0", u"4"}, u"4"},
      // Only the text that is not a number is reset: the others keep their values and count.
      {"one bad amount costs only itself", TotalForm::Amount, {u"10", u"abc", u"1,2,3", u"2,5", u""},
       {u"10", u"0,00", u"0,00", u"2,5", u"0,00"}, u"12,50"},
      {"one bad litre figure costs only itself", TotalForm::Shortest, {u"12", u"1x", u"8"}, {u"12", u"0", u"8"}, u"20"},
      {"five full tanks overflow a five-character field", TotalForm::Shortest,
       {u"99999", u"99999", u"99999", u"99999", u"99999"}, {u"99999", u"99999", u"99999", u"99999", u"99999"},
       u"499995"},
      {"the sum is rounded to four decimals", TotalForm::Amount, {u"0,1", u"0,2"}, {u"0,1", u"0,2"}, u"0,30"},
      // A number that would take the sum past what a double holds counts as no number.
      {"a number that would overflow the sum", TotalForm::Shortest, {u"1e308", u"1e308", u"-1E308", u"5"},
       {u"1e308", u"0", u"-1E308", u"5"}, u"5"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const core::ColumnSum sum = core::sumColumn(c.in, c.form);
    ASSERT_EQ(sum.texts.size(), c.out.size());
    for (std::size_t i = 0; i < c.out.size(); ++i) EXPECT_EQ(u8(sum.texts[i]), u8(c.out[i])) << "row " << i;
    EXPECT_EQ(u8(sum.total), u8(c.total));
  }
}

TEST(ColumnSums, DistanceFromTwoReadings) {
  struct Case {
    const char* name;
    Text from, to;
    Text fromAfter, toAfter, distance;
  } cases[] = {
      {"return minus departure", u"120500", u"121020", u"120500", u"121020", u"520"},
      {"a lower return reading gives a negative distance", u"150", u"100", u"150", u"100", u"-50"},
      {"both empty", u"", u"", u"0", u"0", u"0"},
      {"departure empty", u"", u"80", u"0", u"80", u"80"},
      // A reading that is not a number is reset alone; the distance cannot be known.
      {"bad departure", u"12a", u"100", u"0", u"100", u"0"},
      {"bad return", u"100", u"--", u"100", u"0", u"0"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const core::ReadingDifference d = core::differenceOf(c.from, c.to);
    EXPECT_EQ(u8(d.from), u8(c.fromAfter));
    EXPECT_EQ(u8(d.to), u8(c.toAfter));
    EXPECT_EQ(u8(d.difference), u8(c.distance));
  }
}

}  // namespace

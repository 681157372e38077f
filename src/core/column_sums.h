#pragma once
// The totals a record card computes from its own edits: a column of numbers summed
// (the trip card's five litres and five amounts) and the difference of two readings
// (its kilometres). The edits' texts come back as the card shows them afterwards.
#include <vector>

#include "core/summary.h"
#include "core/text.h"

namespace core {

struct ColumnSum {
  std::vector<Text> texts;  // the column's texts after the sum, in order
  Text total;               // in the column's form
};

// Sums a column of typed numbers (decimal comma), in order, in double precision. An
// empty text (trimmed) becomes the zero of the form ("0", "0,00") and adds nothing;
// a text that is not a number becomes that zero too and adds nothing, while every
// other text stays as it is and is added: one bad text never costs the others. A
// number that would make the sum too large for a double ("1e308" twice) is treated as
// a text that is not a number, so the total is always the sum of the texts shown.
ColumnSum sumColumn(const std::vector<Text>& texts, TotalForm form);

struct ReadingDifference {
  Text from, to;    // the two readings after the computation
  Text difference;  // to - from in the general number format, negative when to < from
};

// The distance from two odometer readings: an empty reading becomes "0"; a reading
// that is not a number becomes "0", the other stays, and the difference is "0".
ReadingDifference differenceOf(TextView from, TextView to);

}  // namespace core

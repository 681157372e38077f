#include "core/column_sums.h"

#include <cmath>

namespace core {

ColumnSum sumColumn(const std::vector<Text>& texts, TotalForm form) {
  const Text zero = formatTotal(0, form);
  ColumnSum result;
  result.texts.reserve(texts.size());
  double sum = 0;
  for (const Text& text : texts) {
    const auto value = parseDecimal(text);  // nothing for an empty text too
    // A number that would take the sum past what a double holds counts as no number.
    if (value && std::isfinite(sum + *value)) {
      sum += *value;
      result.texts.push_back(text);
    } else {
      result.texts.push_back(zero);
    }
  }
  result.total = formatTotal(sum, form);
  return result;
}

ReadingDifference differenceOf(TextView from, TextView to) {
  // An empty reading is a reading of 0.
  ReadingDifference result{trim(from).empty() ? Text(u"0") : Text(from), trim(to).empty() ? Text(u"0") : Text(to),
                           Text(u"0")};
  const auto a = parseDecimal(result.from);
  const auto b = parseDecimal(result.to);
  if (!a) result.from = u"0";
  if (!b) result.to = u"0";
  if (a && b) result.difference = formatGeneral(*b - *a);
  return result;
}

}  // namespace core

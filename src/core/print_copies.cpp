#include "core/print_copies.h"

#include <limits>

namespace core {

std::optional<int> copiesFromAnswer(TextView answer) {
  if (trim(answer).empty() || !IsAllDigits(answer)) return 1;
  constexpr int kMax = std::numeric_limits<int>::max();
  int value = 0;
  for (char16_t c : answer) {
    const int digit = c - u'0';
    if (value > (kMax - digit) / 10) return std::nullopt;
    value = value * 10 + digit;
  }
  return value;
}

}  // namespace core

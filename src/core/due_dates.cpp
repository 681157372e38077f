#include "core/due_dates.h"

namespace core {

bool IsDueWithinWeek(TextView dateText, const Date& today) {
  const Text text = Trim(dateText);
  if (text.empty()) return false;
  const auto due = ParseDate(text);
  if (!due) return false;
  return due->serial() - 7 <= today.serial();
}

}  // namespace core

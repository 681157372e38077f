#include "core/due_dates.h"

#include <ctime>

namespace core {

Date Today() {
  std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return Date{local.tm_mday, local.tm_mon + 1, local.tm_year + 1900};
}

bool IsDueWithinWeek(TextView dateText, const Date& today) {
  const Text text = Trim(dateText);
  if (text.empty()) return false;
  const auto due = ParseDate(text);
  if (!due) return false;
  return due->serial() - 7 <= today.serial();
}

}  // namespace core

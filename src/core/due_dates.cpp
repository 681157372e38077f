#include "core/due_dates.h"

namespace core {

bool isDueWithinWeek(TextView dateText, const Date& today) {
  const Text text = trim(dateText);
  if (text.empty()) return false;
  const auto due = parseDate(text);
  if (!due) return false;
  return due->serial() - 7 <= today.serial();
}

// ---- Maintenance deadlines ----------------------------------------------------------

namespace {
// A whole number: an optional sign and one to nine ASCII digits, nothing else.
std::optional<long long> parseWholeNumber(TextView text) {
  std::size_t i = 0;
  const bool negative = !text.empty() && text[0] == u'-';
  if (!text.empty() && (text[0] == u'-' || text[0] == u'+')) ++i;
  if (i == text.size() || text.size() - i > 9) return std::nullopt;
  long long n = 0;
  for (; i < text.size(); ++i) {
    if (text[i] < u'0' || text[i] > u'9') return std::nullopt;
    n = n * 10 + (text[i] - u'0');
  }
  return negative ? -n : n;
}
}  // namespace

Imminence checkImminent(TextView dateText, TextView warningDaysText, const Date& today) {
  const auto due = parseDate(trim(dateText));
  const auto warning = parseWholeNumber(trim(warningDaysText));
  if (!due || !warning) return Imminence::CannotSay;
  const long long d = due->serial(), t = today.serial();
  return d - *warning <= t && t <= d ? Imminence::Yes : Imminence::No;
}

}  // namespace core

#include "gate/visit_days.h"

#include "gate/visit_record.h"

namespace gate {

namespace {

const std::size_t kDataEnt = visitLayout().indexOf("DataEnt");
const std::size_t kDataUsc = visitLayout().indexOf("DataUsc");

core::Verdict takeIf(bool take) { return take ? core::Verdict::Take : core::Verdict::Skip; }

}  // namespace

bool isDateOf(std::string_view stored, const core::Date& day) {
  const std::string_view text = core::trimBytes(stored);
  if (text.size() != 10 || day.year < 0 || day.year > 9999) return false;
  // Written out without allocating: the lists ask this of every record.
  const int parts[] = {day.day, day.month, day.year};
  char expected[10] = {char('0' + parts[0] / 10), char('0' + parts[0] % 10), '/',
                       char('0' + parts[1] / 10), char('0' + parts[1] % 10), '/',
                       char('0' + parts[2] / 1000), char('0' + parts[2] / 100 % 10),
                       char('0' + parts[2] / 10 % 10), char('0' + parts[2] % 10)};
  return text == std::string_view(expected, 10);
}

core::Verdict exitedOn(const core::RecordBuffer& visit, const core::Date& today) {
  return takeIf(isDateOf(visit.rawValue(kDataUsc), today));
}

core::Verdict enteredOn(const core::RecordBuffer& visit, const core::Date& today) {
  return takeIf(isDateOf(visit.rawValue(kDataEnt), today));
}

core::Verdict notYetOut(const core::RecordBuffer& visit, const core::Date&) {
  return takeIf(core::trimBytes(visit.rawValue(kDataUsc)).empty());
}

}  // namespace gate

#include "maintenance/schedule_lines.h"

#include "core/ansi.h"
#include "maintenance/schedule_record.h"

namespace maintenance {

namespace {

const core::Text kYes = u"S\u00EC";
const core::Text kNo = u"No";

core::Text field(const core::RecordBuffer& record, std::string_view name) { return record.get(scheduleField(name)); }

}  // namespace

std::size_t scheduleField(std::string_view name) { return scheduleLayout().indexOf(name); }

core::LineFormat scheduleLineFormat() {
  using namespace core::line;
  const auto f = scheduleField;
  return core::LineFormat({
      column({f("Marca"), f("Modello")}, 28),
      literal(u"  Targa: "),
      column({f("Targa")}, 12),
      literal(u"  Data: "),
      column({f("Data")}, 10),
      literal(u"  Ora: "),
      column({f("Ora")}, 5),
      literal(u"  "),
      column({f("Conducente")}, 28),
      literal(u"  Tel. "),
      column({f("Recapito")}, 14),
      literal(u"  "),
      rest({f("Manutenzione")}),
  });
}

namespace {
// The stored bytes of a field, trimmed (bytes up to 0x20 are the characters up to U+0020).
std::string_view trimmedBytes(const core::RecordBuffer& record, std::size_t field) {
  return core::trimBytes(record.rawValue(field));
}
void append(core::Text& out, std::string_view bytes) {
  for (char b : bytes) out += core::ansiToUnicode(static_cast<std::uint8_t>(b));
}
}  // namespace

core::Text scheduleSortKey(const core::RecordBuffer& record) {
  // Read from the stored bytes: every row of a grid of the whole year builds one.
  static const std::size_t data = scheduleField("Data"), day = scheduleField("Giorno"),
                           hour = scheduleField("OreApp"), minutes = scheduleField("MinutiApp");
  core::Text key;
  key.reserve(8);
  const std::string_view date = trimmedBytes(record, data);
  append(key, date.size() > 3 ? date.substr(3, 2) : std::string_view());
  append(key, trimmedBytes(record, day));
  append(key, trimmedBytes(record, hour));
  append(key, trimmedBytes(record, minutes));
  return key;
}

bool isToDo(const core::RecordBuffer& record) { return field(record, "Effettuata") == kNo; }
bool isDone(const core::RecordBuffer& record) { return field(record, "Effettuata") == kYes; }
bool isToConfirm(const core::RecordBuffer& record) { return field(record, "DaConfermare") == kYes; }

bool isOnDate(const core::RecordBuffer& record, core::TextView date) { return field(record, "Data") == date; }

bool isInMonth(const core::RecordBuffer& record, int month, core::TextView year) {
  const core::Text name = core::monthName(month);
  return !name.empty() && core::lowerAZ(field(record, "Mese")) == core::lowerAZ(name) && field(record, "Anno") == year;
}

}  // namespace maintenance

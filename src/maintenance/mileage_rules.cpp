#include "maintenance/mileage_rules.h"

#include <string_view>

#include "maintenance/mileage_record.h"

namespace maintenance {

namespace {

core::Text zeroWhenEmpty(core::TextView text) {
  return core::trim(text).empty() ? core::Text(u"0") : core::Text(text);
}

std::size_t field(std::string_view name) { return mileageLayout().indexOf(name); }

// Whether the stored value of a field, trimmed, is exactly `ansi` (Windows-1252 bytes):
// the lists look at two short fields of every record without converting them.
bool storedIs(const core::RecordBuffer& record, std::size_t index, std::string_view ansi) {
  return core::trimBytes(record.rawValue(index)) == ansi;
}

constexpr std::string_view kYesBytes = "S\xEC";
constexpr std::string_view kNoBytes = "No";
constexpr std::string_view kExpiredBytes = "SCADUTA";

}  // namespace

DueReading computeDueReading(core::TextView kmRil, core::TextView ogni) {
  DueReading out{true, zeroWhenEmpty(kmRil), zeroWhenEmpty(ogni), {}};
  const auto initial = core::parseDecimal(out.kmRil);
  const auto interval = core::parseDecimal(out.ogni);
  if (!initial || !interval) return {false, u"0", u"0", u"0"};
  out.prossima = core::formatGeneral(*initial + *interval);
  return out;
}

StateCheck checkState(core::TextView prossima, core::TextView kmAttuali) {
  StateCheck out{true, zeroWhenEmpty(prossima), zeroWhenEmpty(kmAttuali), {}};
  const auto due = core::parseDecimal(out.prossima);
  const auto current = core::parseDecimal(out.kmAttuali);
  if (!due || !current) return {false, u"0", u"0", std::nullopt};
  out.stato = core::Text(*current > *due ? kExpired : kValid);
  return out;
}

const core::LineFormat& mileageLine() {
  using namespace core::line;
  static const core::LineFormat format({
      column({field("Marca"), field("Modello")}, 30),
      literal(u"  Targa: "),
      column({field("Targa")}, 12),
      literal(u"  "),
      column({field("Manutenzione")}, 40),
      literal(u"  Km iniziali: "),
      column({field("KmRil")}, 12),
      literal(u"  Scadenza a km: "),
      rest({field("Prossima")}),
  });
  return format;
}

const core::LineFormat& doneLine() {
  using namespace core::line;
  static const core::LineFormat format({
      column({field("Marca"), field("Modello")}, 32),
      literal(u"  Targa: "),
      column({field("Targa")}, 12),
      literal(u"  "),
      column({field("Manutenzione")}, 45),
      literal(u"  Data: "),
      column({field("DataInt")}, 10),
      literal(u"  Km attuali: "),
      rest({field("KmAttuali")}),
  });
  return format;
}

bool isDoneMileage(const core::RecordBuffer& record) {
  static const std::size_t done = field("Effettuata");
  return storedIs(record, done, kYesBytes);
}

bool isToDoMileage(const core::RecordBuffer& record) {
  static const std::size_t done = field("Effettuata");
  return storedIs(record, done, kNoBytes);
}

bool isExpiredMileage(const core::RecordBuffer& record) {
  static const std::size_t state = field("Stato");
  return isToDoMileage(record) && storedIs(record, state, kExpiredBytes);
}

}  // namespace maintenance

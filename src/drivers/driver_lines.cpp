#include "drivers/driver_lines.h"

#include "core/ansi.h"
#include "drivers/driver_record.h"

namespace drivers {

namespace {

std::size_t field(std::string_view name) { return driverLayout().indexOf(name); }

// Both lines share their shape; only the widths of the name and the vehicle and
// what ends the line differ.
core::LineFormat line(int nameWidth, int vehicleWidth, std::u16string_view lastCaption, std::string_view last) {
  using namespace core::line;
  return core::LineFormat({
      column({field("Conducente")}, nameWidth),
      literal(u"  Tel. "),
      column({field("Recapito")}, 14),
      literal(u"  "),
      column({field("Marca"), field("Modello")}, vehicleWidth),
      literal(u"  Targa: "),
      column({field("Targa")}, 12),
      literal(core::Text(lastCaption)),
      rest({field(last)}),
  });
}

}  // namespace

core::LineFormat driverLine() { return line(30, 30, u"  Note: ", "Note"); }

core::LineFormat availabilityLine() { return line(26, 26, u"  ", "Programma"); }

bool flagHolds(const core::RecordBuffer& record, std::size_t field, std::u16string_view text) {
  const std::string_view raw = core::trimBytes(record.rawValue(field));
  if (raw.size() != text.size()) return false;
  for (std::size_t i = 0; i < raw.size(); ++i)
    if (core::ansiToUnicode(static_cast<unsigned char>(raw[i])) != text[i]) return false;
  return true;
}

}  // namespace drivers

#include "gate/visit_lines.h"

#include <initializer_list>
#include <string_view>
#include <vector>

#include "gate/visit_record.h"

namespace gate {

namespace {

using namespace core::line;

std::size_t field(std::string_view name) { return visitLayout().indexOf(name); }

// A caption followed by a field of its width.
struct Part {
  std::u16string_view caption;
  std::string_view field;
  int width;
};

// The vehicle and plate, the parts of the list, then the driver.
core::LineFormat visitLine(int vehicleWidth, std::initializer_list<Part> middle) {
  std::vector<core::LinePiece> pieces{
      column({field("Veicolo")}, vehicleWidth),
      literal(u"  Targa: "),
      column({field("Targa")}, 12),
  };
  for (const Part& p : middle) {
    pieces.push_back(literal(core::Text(p.caption)));
    pieces.push_back(column({field(p.field)}, p.width));
  }
  pieces.push_back(literal(u"  Conduttore: "));
  pieces.push_back(rest({field("Conduttore")}));
  return core::LineFormat(std::move(pieces));
}

}  // namespace

core::LineFormat exitedTodayLine() {
  return visitLine(30, {{u"  Ora uscita: ", "OraUsc", 5}, {u"  Entrata: ", "DataEnt", 10}, {u"  Ora: ", "OraEnt", 5}});
}

core::LineFormat enteredTodayLine() {
  return visitLine(30, {{u"  Ora entrata: ", "OraEnt", 5}, {u"  Uscita: ", "DataUsc", 10}, {u"  Ora: ", "OraUsc", 5}});
}

core::LineFormat notYetOutLine() {
  return visitLine(30, {{u"  Entrata: ", "DataEnt", 10}, {u"  Ora: ", "OraEnt", 5}});
}

core::LineFormat visitSearchLine() {
  return visitLine(28, {{u"  Entrata: ", "DataEnt", 10},
                        {u"  Ora: ", "OraEnt", 5},
                        {u"  Uscita: ", "DataUsc", 10},
                        {u"  Ora: ", "OraUsc", 5}});
}

}  // namespace gate

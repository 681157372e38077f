#include "costs/cost_lines.h"

#include "costs/cost_record.h"

namespace costs {

core::LineFormat costListLine() {
  using namespace core::line;
  return core::LineFormat({
      column({costField("Marca"), costField("Modello")}, 28),
      literal(u"  Targa: "),
      column({costField("Targa")}, 10),
      literal(u"  Data: "),
      column({costField("Data")}, 10),
      literal(u"  "),
      column({costField("Causale")}, 32),
      literal(u"  A: "),
      column({costField("Beneficiario")}, 28),
      literal(u"  Costo: \u20AC "),
      rest({costField("Importo")}),
  });
}

}  // namespace costs

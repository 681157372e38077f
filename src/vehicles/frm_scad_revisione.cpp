#include "vehicles/frm_scad_revisione.h"

#include "vehicles/due_date_lists.h"

kit::ListSettings TfrmScadRevisione::settings() {
  return vehicles::dueDateListSettings({
      .windowClass = QStringLiteral("TfrmScadRevisione"),
      .dateField = "ScadRevisione",
      .caption = QStringLiteral(" Veicoli con revisione in scadenza o scaduta"),
      .explanation = QStringLiteral("Il presente riepilogo visualizza le revisioni scadute o in scadenza nei prossimi 7 giorni"),
      .printTitle = QStringLiteral("Veicoli con revisione in scadenza o scadute"),
  });
}

TfrmScadRevisione::TfrmScadRevisione(QWidget* owner) : kit::SearchWindow(owner, settings()) {}

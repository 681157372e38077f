#include "vehicles/frm_scad_revisione.h"

#include "vehicles/due_date_lists.h"

kit::ListSettings TfrmScadRevisione::settings() {
  return vehicles::dueDateListSettings({
      QStringLiteral("TfrmScadRevisione"),
      "ScadRevisione",
      QStringLiteral(" Veicoli con revisione in scadenza o scaduta"),
      QStringLiteral("Il presente riepilogo visualizza le revisioni scadute o in scadenza nei prossimi 7 giorni"),
      QStringLiteral("Veicoli con revisione in scadenza o scadute"),
  });
}

TfrmScadRevisione::TfrmScadRevisione(QWidget* owner) : kit::SearchWindow(owner, settings()) {}

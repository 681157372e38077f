#include "vehicles/frm_scad_assicurazione.h"

#include "vehicles/due_date_lists.h"

kit::ListSettings TfrmScadAssicurazione::settings() {
  return vehicles::dueDateListSettings({
      .windowClass = QStringLiteral("TfrmScadAssicurazione"),
      .dateField = "ScadAssicurazione",
      .caption = QStringLiteral(" Veicoli con assicurazione in scadenza o scaduta"),
      .explanation = QStringLiteral("Il presente riepilogo visualizza le assicurazioni scadute o in scadenza nei prossimi 7 giorni"),
      .printTitle = QStringLiteral("Veicoli con assicurazione in scadenza o scadute"),
  });
}

TfrmScadAssicurazione::TfrmScadAssicurazione(QWidget* owner) : kit::SearchWindow(owner, settings()) {}

#include "vehicles/frm_scad_bollo.h"

#include "vehicles/due_date_lists.h"

kit::ListSettings TfrmScadBollo::settings() {
  return vehicles::dueDateListSettings({
      .windowClass = QStringLiteral("TfrmScadBollo"),
      .dateField = "ScadBollo",
      .caption = QStringLiteral(" Veicoli con bollo in scadenza o scaduto"),
      .explanation = QStringLiteral("Il presente riepilogo visualizza i bolli scaduti o in scadenza nei prossimi 7 giorni"),
      .printTitle = QStringLiteral("Veicoli con bollo in scadenza o scaduto"),
  });
}

TfrmScadBollo::TfrmScadBollo(QWidget* owner) : kit::SearchWindow(owner, settings()) {}

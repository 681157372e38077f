#include "vehicles/frm_scad_tagliando.h"

#include "vehicles/due_date_lists.h"

kit::ListSettings TfrmScadTagliando::settings() {
  return vehicles::dueDateListSettings({
      .windowClass = QStringLiteral("TfrmScadTagliando"),
      .dateField = "ScadTagliando",
      .caption = QStringLiteral(" Veicoli con tagliando in scadenza o scaduto"),
      .explanation = QStringLiteral("Il presente riepilogo visualizza i tagliandi scaduti o in scadenza nei prossimi 7 giorni"),
      .printTitle = QStringLiteral("Veicoli con tagliando in scadenza o scaduto"),
  });
}

TfrmScadTagliando::TfrmScadTagliando(QWidget* owner) : kit::SearchWindow(owner, settings()) {}

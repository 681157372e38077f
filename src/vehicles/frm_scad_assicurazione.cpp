#include "vehicles/frm_scad_assicurazione.h"

#include "vehicles/due_date_lists.h"

kit::ListSettings TfrmScadAssicurazione::settings() {
  return vehicles::dueDateListSettings({
      QStringLiteral("TfrmScadAssicurazione"),
      "ScadAssicurazione",
      QStringLiteral(" Veicoli con assicurazione in scadenza o scaduta"),
      QStringLiteral("Il presente riepilogo visualizza le assicurazioni scadute o in scadenza nei prossimi 7 giorni"),
      QStringLiteral("Veicoli con assicurazione in scadenza o scadute"),
  });
}

TfrmScadAssicurazione::TfrmScadAssicurazione(QWidget* owner) : kit::SearchWindow(owner, settings()) {}

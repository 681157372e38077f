#include "maintenance/frm_scadute_km.h"

#include "maintenance/mileage_lists.h"

kit::ListSettings TfrmScaduteKm::settings() {
  return maintenance::mileageListSettings({
      .windowClass = QStringLiteral("TfrmScaduteKm"),
      .caption = QStringLiteral(" Riepilogo manutenzioni scadute"),
      .printTitle = QStringLiteral("Riepilogo manutenzioni scadute"),
      .line = &maintenance::mileageLine(),
      .take = &maintenance::isExpiredMileage,
  });
}

TfrmScaduteKm::TfrmScaduteKm(QWidget* owner) : kit::SearchWindow(owner, settings()) {}

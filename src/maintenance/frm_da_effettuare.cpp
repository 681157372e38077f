#include "maintenance/frm_da_effettuare.h"

#include "maintenance/mileage_lists.h"

kit::ListSettings TfrmDaEffettuare::settings() {
  return maintenance::mileageListSettings({
      .windowClass = QStringLiteral("TfrmDaEffettuare"),
      .caption = QStringLiteral(" Riepilogo manutenzioni da effettuare"),
      .printTitle = QStringLiteral("Riepilogo manutenzioni da effettuare"),
      .line = &maintenance::mileageLine(),
      .take = &maintenance::isToDoMileage,
  });
}

TfrmDaEffettuare::TfrmDaEffettuare(QWidget* owner) : kit::SearchWindow(owner, settings()) {}

#include "maintenance/frm_effettuate.h"

#include "maintenance/mileage_lists.h"

kit::ListSettings TfrmEffettuate::settings() {
  return maintenance::mileageListSettings({
      .windowClass = QStringLiteral("TfrmEffettuate"),
      .caption = QStringLiteral(" Riepilogo manutenzioni effettuate"),
      .printTitle = QStringLiteral("Riepilogo manutenzioni effettuate"),
      .line = &maintenance::doneLine(),
      .take = &maintenance::isDoneMileage,
  });
}

TfrmEffettuate::TfrmEffettuate(QWidget* owner) : kit::SearchWindow(owner, settings()) {}

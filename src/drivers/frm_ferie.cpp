#include "drivers/frm_ferie.h"

#include "drivers/driver_lines.h"
#include "drivers/driver_lists.h"

kit::ListSettings TfrmFerie::settings() {
  return drivers::availabilityListSettings({
      .windowClass = QStringLiteral("TfrmFerie"),
      .caption = QStringLiteral(" Riepilogo conduttori in ferie"),
      .flag = "Ferie",
      .text = drivers::kYes,
      .driverLine = false,
      .printTitle = QStringLiteral("Riepilogo conduttori in ferie"),
  });
}

TfrmFerie::TfrmFerie(QWidget* owner) : kit::SearchWindow(owner, settings()) { platform::setRegionalFormats(); }

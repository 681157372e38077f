#include "drivers/frm_trasferte.h"

#include "drivers/driver_lines.h"
#include "drivers/driver_lists.h"

kit::ListSettings TfrmTrasferte::settings() {
  return drivers::availabilityListSettings({
      .windowClass = QStringLiteral("TfrmTrasferte"),
      .caption = QStringLiteral(" Riepilogo conduttori disponibili per trasferte"),
      .flag = "Trasferte",
      .text = drivers::kYes,
      .driverLine = true,
      .printTitle = QStringLiteral("Riepilogo conduttori disponibili per trasferte"),
  });
}

TfrmTrasferte::TfrmTrasferte(QWidget* owner) : kit::SearchWindow(owner, settings()) { platform::setRegionalFormats(); }

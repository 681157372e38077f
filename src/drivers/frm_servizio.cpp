#include "drivers/frm_servizio.h"

#include "drivers/driver_lines.h"
#include "drivers/driver_lists.h"

kit::ListSettings TfrmServizio::settings() {
  return drivers::availabilityListSettings({
      .windowClass = QStringLiteral("TfrmServizio"),
      .caption = QStringLiteral(" Riepilogo conduttori in servizio"),
      .flag = "Ferie",
      .text = drivers::kNo,
      .driverLine = false,
      .printTitle = QStringLiteral("Riepilogo conduttori in servizio"),
  });
}

TfrmServizio::TfrmServizio(QWidget* owner) : kit::SearchWindow(owner, settings()) { platform::setRegionalFormats(); }

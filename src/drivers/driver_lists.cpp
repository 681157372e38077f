#include "drivers/driver_lists.h"

#include "drivers/driver_archive.h"
#include "drivers/driver_lines.h"
#include "drivers/driver_record.h"
#include "drivers/frm_anagrafica.h"

namespace drivers {

kit::PickTarget driverCardTarget(const QString& keyWord) {
  // The card shows the whole record and its number, as if navigation had reached it
  // (a flag other than "Sì" and "No" leaves its box alone).
  return {.keyWord = keyWord,
          .window = QStringLiteral("TfrmAnagrafica"),
          .after = [](platform::Form& window, const core::RecordBuffer& record, std::size_t number) {
            if (auto* anagrafica = qobject_cast<TfrmAnagrafica*>(&window)) anagrafica->loadCard(record, number);
          }};
}

kit::ListSettings availabilityListSettings(const AvailabilityList& list) {
  kit::ListSettings s;
  s.windowClass = list.windowClass;
  s.caption = list.caption;
  s.archive = driverArchive();
  s.line = list.driverLine ? driverLine() : availabilityLine();
  const std::size_t flag = driverLayout().indexOf(list.flag);
  s.select = [flag, text = list.text](const core::RecordBuffer& record, const core::Date&) {
    return flagHolds(record, flag, text) ? core::Verdict::Take : core::Verdict::Skip;
  };
  s.explanation = QStringLiteral("Fare doppio clic sulla voce in elenco per richiamare la scheda");
  s.printTitle = list.printTitle;
  s.findHighlight = true;
  // The double-click rebuilds every record's line, whatever its flags.
  s.doubleClick = true;
  s.targets = {driverCardTarget()};
  return s;
}

}  // namespace drivers

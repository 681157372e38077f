#include "maintenance/mileage_lists.h"

#include "maintenance/frm_chilometrico.h"
#include "maintenance/mileage_archive.h"

namespace maintenance {

kit::PickTarget mileageCardTarget(const QString& keyWord) {
  return {.keyWord = keyWord,
          .window = QStringLiteral("TfrmChilometrico"),
          .writes = {},
          .after = [](platform::Form& window, const core::RecordBuffer& record, std::size_t number) {
            if (auto* card = qobject_cast<TfrmChilometrico*>(&window)) card->loadCard(record, number);
          }};
}

kit::ListSettings mileageListSettings(const MileageListTexts& texts) {
  kit::ListSettings s;
  s.windowClass = texts.windowClass;
  s.caption = texts.caption;
  s.archive = mileageArchive();
  s.line = *texts.line;
  s.select = [take = texts.take](const core::RecordBuffer& record, const core::Date&) {
    return take(record) ? core::Verdict::Take : core::Verdict::Skip;
  };
  s.explanation = QStringLiteral("Fare doppio clic sulla voce in elenco per richiamare la scheda");
  s.printTitle = texts.printTitle;
  s.findHighlight = true;
  s.doubleClick = true;
  s.targets = {mileageCardTarget(QString())};
  return s;
}

}  // namespace maintenance

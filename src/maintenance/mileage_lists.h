#pragma once
// What the search and the three lists of the mileage schedule share: the archive, the
// double-click that shows the chosen record on the mileage card, the list settings.
#include <QString>

#include "kit/search_window.h"
#include "maintenance/mileage_rules.h"

namespace maintenance {

// A double-click shows every record whose line equals the chosen one on the mileage
// card, as navigation shows a record (all fields, the done box, its number); the last
// one in file order stays. `keyWord` empty: whatever the memory label holds.
kit::PickTarget mileageCardTarget(const QString& keyWord);

struct MileageListTexts {
  QString windowClass;
  QString caption;
  QString printTitle;
  const core::LineFormat* line;
  bool (*take)(const core::RecordBuffer&);
};

// A list window of the mileage schedule: the records `take` chooses, in the list's
// sorted order, list find, print, and a double-click that reopens the record.
kit::ListSettings mileageListSettings(const MileageListTexts& texts);

}  // namespace maintenance

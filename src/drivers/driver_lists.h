#pragma once
// The three availability lists of the driver card: the drivers willing to travel, on
// holiday and on duty. Each lists, when it opens, the drivers whose flag holds its
// text, with list find and list print; a double-click loads the driver card.
#include <QString>
#include <string_view>

#include "core/search_filter.h"
#include "kit/search_window.h"

namespace drivers {

struct AvailabilityList {
  QString windowClass;      // TfrmFerie
  QString caption;          // " Riepilogo conduttori in ferie"
  std::string_view flag;    // the flag field compared, "Ferie"
  std::u16string_view text; // what it must hold, trimmed: "Sì" or "No"
  bool driverLine;          // the driver list line, else the availability line
  QString printTitle;
};

kit::ListSettings availabilityListSettings(const AvailabilityList& list);

// Where the lists' double-click writes: the whole driver card with its number.
kit::PickTarget driverCardTarget(const QString& keyWord = {});

}  // namespace drivers

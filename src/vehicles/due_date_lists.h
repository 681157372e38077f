#pragma once
// What the four due-date lists share: the vehicles whose inspection, service,
// insurance or road-tax date has passed or falls within the next seven days, one
// line each, sorted; printable, no find, no double-click.
#include <QString>
#include <string_view>

#include "kit/search_window.h"

namespace vehicles {

struct DueDateListTexts {
  QString windowClass;
  std::string_view dateField;  // the VehicleRecord field tested and shown
  QString caption;
  QString explanation;  // lblRigo03
  QString printTitle;
};

// "Tipo  Marca Modello  Targa: ...  Scad. dd/mm/yyyy  Km: ...  Titolare: ...";
// the owner always begins at character 120.
core::LineFormat dueDateLineFormat(std::string_view dateField);

kit::ListSettings dueDateListSettings(const DueDateListTexts& texts);

}  // namespace vehicles

#pragma once
// The vehicle export: every card of the vehicle archive in a grid, written on request
// into "Parco_Automezzi.xls" beside the executable. Opened by the vehicle card's
// export picture: created with the card as owner, shown modally, freed.
#include "kit/spreadsheet.h"

class TfrmExpAutoparco : public kit::SpreadsheetWindow {
  Q_OBJECT
 public:
  explicit TfrmExpAutoparco(QWidget* owner);

  // The window's settings: file, sheet, the 25 exported columns, the archive, help.
  static kit::ExportSettings settings();
};

#pragma once
// The cost export: every payment of the year open on the cost card in a grid, written
// on request into "Costi_Sostenuti.xls" beside the executable.
#include "kit/spreadsheet.h"

class TfrmExpCosti : public kit::SpreadsheetWindow {
  Q_OBJECT
 public:
  explicit TfrmExpCosti(QWidget* owner);

  // File, sheet, the 21 exported columns (the notes before the settled flag), the
  // archive named by the cost card's `lblFile`, help.
  static kit::ExportSettings settings(QWidget* lblFile);
};

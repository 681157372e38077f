#pragma once
// The mileage export: every deadline of the mileage archive in a grid, written on
// request into "Scadenzario_Chilometrico.xls" beside the executable.
#include "kit/spreadsheet.h"

class TfrmExpChilometrico : public kit::SpreadsheetWindow {
  Q_OBJECT
 public:
  explicit TfrmExpChilometrico(QWidget* owner);

  // File, sheet, the 23 exported columns (the notes before the done flag), archive, help.
  static kit::ExportSettings settings();
};

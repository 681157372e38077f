#pragma once
// The driver export: the whole driver archive in a grid, written on request into
// "Conducenti.xls" beside the executable.
#include "kit/spreadsheet.h"

class TfrmExpAnagrafica : public kit::SpreadsheetWindow {
  Q_OBJECT
 public:
  explicit TfrmExpAnagrafica(QWidget* owner);
  static kit::ExportSettings settings();
};

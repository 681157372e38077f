#pragma once
// The gate export: the whole archive open in the gate card in a grid, one row per
// visit in file order, written on request into "Ingressi_e_Uscite_Veicoli.xls" beside
// the executable (sheet "Ingressi e Uscite Veicoli", sixteen columns). Seven columns
// may be changed on the grid before exporting; the archive never changes.
#include "kit/spreadsheet.h"

class TfrmExpVisite : public kit::SpreadsheetWindow {
  Q_OBJECT
 public:
  explicit TfrmExpVisite(QWidget* owner);
  static kit::ExportSettings settings();
};

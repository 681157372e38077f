#pragma once
// The trip export: the whole trip archive on a grid, written on request to
// "Viaggi.xls" beside the executable (sheet "Registro Viaggi", twenty columns).
#include "kit/spreadsheet.h"

class TfrmExpServizi : public kit::SpreadsheetWindow {
  Q_OBJECT
 public:
  explicit TfrmExpServizi(QWidget* owner);
  static kit::ExportSettings settings();
};

#pragma once
// Vehicles whose inspection is due within a week or overdue.
#include "kit/search_window.h"

class TfrmScadRevisione : public kit::SearchWindow {
  Q_OBJECT
 public:
  explicit TfrmScadRevisione(QWidget* owner);
  static kit::ListSettings settings();
};

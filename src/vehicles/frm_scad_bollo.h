#pragma once
// Vehicles whose road tax is due within a week or overdue.
#include "kit/search_window.h"

class TfrmScadBollo : public kit::SearchWindow {
  Q_OBJECT
 public:
  explicit TfrmScadBollo(QWidget* owner);
  static kit::ListSettings settings();
};

#pragma once
// Vehicles whose insurance is due within a week or overdue.
#include "kit/search_window.h"

class TfrmScadAssicurazione : public kit::SearchWindow {
  Q_OBJECT
 public:
  explicit TfrmScadAssicurazione(QWidget* owner);
  static kit::ListSettings settings();
};

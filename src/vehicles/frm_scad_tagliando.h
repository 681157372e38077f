#pragma once
// Vehicles whose service is due within a week or overdue.
#include "kit/search_window.h"

class TfrmScadTagliando : public kit::SearchWindow {
  Q_OBJECT
 public:
  explicit TfrmScadTagliando(QWidget* owner);
  static kit::ListSettings settings();
};

#pragma once
// The mileage deadlines saved as expired and not yet done.
#include "kit/search_window.h"

class TfrmScaduteKm : public kit::SearchWindow {
  Q_OBJECT
 public:
  explicit TfrmScaduteKm(QWidget* owner);
  static kit::ListSettings settings();
};

#pragma once
// The done deadlines of the mileage schedule, with their intervention date and current reading.
#include "kit/search_window.h"

class TfrmEffettuate : public kit::SearchWindow {
  Q_OBJECT
 public:
  explicit TfrmEffettuate(QWidget* owner);
  static kit::ListSettings settings();
};

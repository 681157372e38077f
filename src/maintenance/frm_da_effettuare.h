#pragma once
// The mileage deadlines not yet done, expired or not.
#include "kit/search_window.h"

class TfrmDaEffettuare : public kit::SearchWindow {
  Q_OBJECT
 public:
  explicit TfrmDaEffettuare(QWidget* owner);
  static kit::ListSettings settings();
};

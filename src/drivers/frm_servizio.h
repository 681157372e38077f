#pragma once
// The drivers on duty ("In ferie" unticked), with their holiday plan.
#include "kit/search_window.h"

class TfrmServizio : public kit::SearchWindow {
  Q_OBJECT
 public:
  explicit TfrmServizio(QWidget* owner);
  static kit::ListSettings settings();
};

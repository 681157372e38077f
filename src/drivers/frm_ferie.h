#pragma once
// The drivers on holiday ("In ferie" ticked), with their holiday plan.
#include "kit/search_window.h"

class TfrmFerie : public kit::SearchWindow {
  Q_OBJECT
 public:
  explicit TfrmFerie(QWidget* owner);
  static kit::ListSettings settings();
};

#pragma once
// The drivers willing to make long trips ("Sì trasferte" ticked), in the driver list line.
#include "kit/search_window.h"

class TfrmTrasferte : public kit::SearchWindow {
  Q_OBJECT
 public:
  explicit TfrmTrasferte(QWidget* owner);
  static kit::ListSettings settings();
};

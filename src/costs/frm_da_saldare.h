#pragma once
// The payments of the open year still to settle: every cost whose settled flag is "No".
#include "kit/search_window.h"

class TfrmDaSaldare : public kit::SearchWindow {
  Q_OBJECT
 public:
  explicit TfrmDaSaldare(QWidget* owner);
  static kit::ListSettings settings(QWidget* lblFile);
};

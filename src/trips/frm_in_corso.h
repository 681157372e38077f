#pragma once
// The trips in progress: every trip whose flag is "Sì", listed when shown; a
// double-click loads the chosen trip into the trip card.
#include "kit/search_window.h"

class TfrmInCorso : public kit::SearchWindow {
  Q_OBJECT
 public:
  explicit TfrmInCorso(QWidget* owner);

  static kit::ListSettings settings();
  // The trip card, whatever the memory label holds (this window has none).
  static std::vector<kit::PickTarget> pickTargets();
};

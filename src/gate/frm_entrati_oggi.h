#pragma once
// The vehicles that came in today through the gate, from the archive open in the gate card;
// a double-click loads the chosen visit into the card (gate/day_lists).
#include "kit/search_window.h"

class TfrmEntratiOggi : public kit::SearchWindow {
  Q_OBJECT
 public:
  explicit TfrmEntratiOggi(QWidget* owner);
  static kit::ListSettings settings();
};

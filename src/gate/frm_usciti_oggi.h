#pragma once
// The vehicles that left today through the gate, from the archive open in the gate card;
// a double-click loads the chosen visit into the card (gate/day_lists).
#include "kit/search_window.h"

class TfrmUscitiOggi : public kit::SearchWindow {
  Q_OBJECT
 public:
  explicit TfrmUscitiOggi(QWidget* owner);
  static kit::ListSettings settings();
};

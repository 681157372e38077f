#pragma once
// The vehicles still inside: every visit of the archive open in the gate card without
// an exit date, of any day; a double-click loads the chosen visit into the card
// (gate/day_lists).
#include "kit/search_window.h"

class TfrmNonUsciti : public kit::SearchWindow {
  Q_OBJECT
 public:
  explicit TfrmNonUsciti(QWidget* owner);
  static kit::ListSettings settings();
};

#pragma once
// The booking summary: the booked days of the booking board, one line per day in
// calendar order (the day's date, then its booking text), with list find and list
// print. It reads the board's day cells as they stand when it is shown, bookings not
// yet saved included, and writes nothing back. Its last find text lasts for the run.
#include "kit/search_window.h"

class TfrmPlanning;

class TfrmRiepPrenotazioni : public kit::SearchWindow {
  Q_OBJECT
 public:
  explicit TfrmRiepPrenotazioni(QWidget* owner);

  static kit::ListSettings settings();
};

namespace planner {

// The program's one booking board (null when there is none).
TfrmPlanning* bookingBoard();

// The summary's lines of the board as it stands (none without a board).
core::LineList boardSummaryLines(const TfrmPlanning* board);

}  // namespace planner

#pragma once
// The monthly transit chart: how many visits of a year's gate archive entered in each
// month, shown as bars or a pie and printed. Reached from the gate menu; its close
// goes back to the launcher.
#include "kit/statistics.h"

class TfrmStatistiche : public kit::StatisticsWindow {
  Q_OBJECT
 public:
  explicit TfrmStatistiche(QWidget* owner);

  // The year's gate archive and its entry date (each visit counts once, in the month
  // it entered), the texts, hints, colours, pictures and help of the window.
  static kit::StatisticsSettings settings();
};

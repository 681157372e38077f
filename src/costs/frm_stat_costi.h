#pragma once
// The monthly cost chart: the costs of a year's cost archive summed per month, rounded
// to whole euros, shown as bars or a pie and printed. Reached from the cost menu; its
// close goes back to the launcher.
#include "kit/statistics.h"

class TfrmStatCosti : public kit::StatisticsWindow {
  Q_OBJECT
 public:
  explicit TfrmStatCosti(QWidget* owner);

  // The year's cost archive, its payment date and amount, the texts, hints, colours,
  // pictures and help of the window.
  static kit::StatisticsSettings settings();
};

#pragma once
// The fuel and distance summary: the selection window of the tenth app (year,
// plate, destination, interval) and the summary window it opens, which lists the
// trips of the interval with their litres, kilometres and fuel cost.
#include "kit/summary.h"

class TfrmMenuRiepCosti : public kit::SummaryMenu {
  Q_OBJECT
 public:
  explicit TfrmMenuRiepCosti(QWidget* owner);

  // The summary's settings: the trip archive, the plate and destination filters, the
  // departure date, the three totals and the texts.
  static kit::SummarySettings settings();

 protected:
  void showSummary(kit::SummaryData data) override;
};

class TfrmRiepCosti : public kit::SummaryWindow {
  Q_OBJECT
 public:
  TfrmRiepCosti(kit::SummaryMenu* menu, kit::SummaryData data);

  QLabel* lblLitriTot;
  QLabel* lblKmPercorsi;
  QLabel* lblTotCosti;
};

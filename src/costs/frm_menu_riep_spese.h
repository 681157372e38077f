#pragma once
// The cost summary: the selection window reached from the cost menu (year, plate,
// cause of payment, interval) and the summary window it opens, which lists the
// payments of the interval as cost list lines with their total.
#include "kit/summary.h"

class TfrmMenuRiepSpese : public kit::SummaryMenu {
  Q_OBJECT
 public:
  explicit TfrmMenuRiepSpese(QWidget* owner);

  // The summary's settings: the year's cost archive, the plate and cause filters
  // (kept from one visit to the next), the payment date, the one total and the texts.
  static kit::SummarySettings settings();

  // The cause-of-payment filter, a combo edit offering the usual causes.
  QComboBox* txtCausale() const;

 protected:
  void showSummary(kit::SummaryData data) override;
};

class TfrmRiepSpese : public kit::SummaryWindow {
  Q_OBJECT
 public:
  TfrmRiepSpese(kit::SummaryMenu* menu, kit::SummaryData data);

  QLabel* lblTotCosti;
};

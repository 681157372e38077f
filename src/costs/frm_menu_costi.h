#pragma once
// The cost menu: the entrance to the cost ledger. It takes a calendar year and opens
// the cost card of that year, the cost summary's menu or the monthly cost chart; closed
// any other way it brings the launcher back. Long-lived.
#include "kit/year_menu.h"

class QPushButton;

class TfrmMenuCosti : public kit::YearMenu {
  Q_OBJECT
 public:
  explicit TfrmMenuCosti(QWidget* owner);

  // Caption, texts, the year box, the three "Apri" with their key words and windows
  // ("costi" the card, "RiepSpese" the summary menu, "stats" the chart), the help.
  static kit::YearMenuSettings settings();

  kit::YearBox* txtAnnoConsumi;
  QPushButton* btnApriConsumi;
  QPushButton* btnApriRiepConsumi;
  QPushButton* btnApriRiepStats;
};

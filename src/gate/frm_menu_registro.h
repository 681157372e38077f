#pragma once
// The gate register's menu: the year of the gate archive, then the gate card of that
// year or the monthly transit chart (which takes its own year). A long-lived year
// menu (kit/year_menu); the launcher's fifth button shows it.
#include "kit/year_menu.h"

class TfrmMenuRegistro : public kit::YearMenu {
  Q_OBJECT
 public:
  explicit TfrmMenuRegistro(QWidget* owner);
  static kit::YearMenuSettings settings();
  // The help: the gate card's paragraphs, then the transit chart's.
  static QStringList helpParagraphs();
};

#pragma once
// The driver card print: the card on screen, saved or not, printed on one A4 page as
// "Scheda Conduttore", one framed row per value under the title, the date and time of
// the print at the foot.
#include "kit/card_print.h"

class TfrmStampaConduttore : public kit::CardPrintDialog {
  Q_OBJECT
 public:
  explicit TfrmStampaConduttore(QWidget* owner);
  static kit::CardPrintSettings settings();
};

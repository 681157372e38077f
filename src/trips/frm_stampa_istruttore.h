#pragma once
// The trip card print: the trip on screen, saved or not, printed on one A4 page as
// "Scheda Viaggio", one framed row per value under the title (each refuelling row on
// one line), the date and time of the print at the foot.
#include "kit/card_print.h"

class TfrmStampaIstruttore : public kit::CardPrintDialog {
  Q_OBJECT
 public:
  explicit TfrmStampaIstruttore(QWidget* owner);
  static kit::CardPrintSettings settings();
};

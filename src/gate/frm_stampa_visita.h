#pragma once
// The gate card print: the visit on screen, saved or not, printed on one A4 sheet in
// two identical copies of its 16 framed rows, the upper one for the driver ("COPIA PER
// CONDUTTORE"), the lower one for the company ("COPIA PER AZIENDA"), a cut line with
// arrowheads between them and the date and time of the print at the foot. There is no
// question and no copies prompt: every sheet carries both copies.
//
// The values are read by name from the gate card `TfrmRegistro` (the dialog's owner,
// else the program's long-lived card): its edits txtDataEnt .. txtOperatoreUsc, each
// printed trimmed and as typed, brackets included, into txt<Field>_A and txt<Field>_B.
// A failure shows its own message in an error box and the dialog stays open.
#include "kit/card_print.h"

class TfrmStampaVisita : public kit::CardPrintDialog {
  Q_OBJECT
 public:
  explicit TfrmStampaVisita(QWidget* owner);
  static kit::CardPrintSettings settings();
};

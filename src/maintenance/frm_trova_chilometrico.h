#pragma once
// The mileage search: ten filters over the mileage archive; a double-click shows the
// chosen deadline on the mileage card, and only for the card's own key word.
#include <vector>

#include "kit/search_window.h"

class QLineEdit;

class TfrmTrovaChilometrico : public kit::SearchWindow {
  Q_OBJECT
 public:
  explicit TfrmTrovaChilometrico(QWidget* owner);

  static kit::ListSettings settings();
  // The one key word, "chilometrico", and where it writes.
  static std::vector<kit::PickTarget> pickTargets();

  // The filters, in the Enter chain's order.
  QLineEdit* txtVeicolo;
  QLineEdit* txtTarga;
  QLineEdit* txtMarca;
  QLineEdit* txtModello;
  QLineEdit* txtConducente;
  QLineEdit* txtManutenzione;
  QLineEdit* txtOfficina;
  QLineEdit* txtDataInt;
  QLineEdit* txtDettagli;
  QLineEdit* txtNote;
};

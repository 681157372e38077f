#pragma once
// The trip search: up to ten filters over the trip archive; a double-click loads the
// chosen trip into the trip card (key word "servizi").
#include "kit/search_window.h"

class QLineEdit;

class TfrmTrovaServizi : public kit::SearchWindow {
  Q_OBJECT
 public:
  explicit TfrmTrovaServizi(QWidget* owner);

  // The window's settings: the trip archive, the ten filters, the trip line, the card.
  static kit::ListSettings settings();
  // Where a double-click loads the trip: the trip card, for "servizi" only.
  static std::vector<kit::PickTarget> pickTargets();

  // The filters, in the Enter chain's order.
  QLineEdit* txtDataPartenza;
  QLineEdit* txtDataRientro;
  QLineEdit* txtLuogo;
  QLineEdit* txtItinerario;
  QLineEdit* txtScopo;
  QLineEdit* txtMerce;
  QLineEdit* txtVeicolo;
  QLineEdit* txtTarga;
  QLineEdit* txtConduttore;
  QLineEdit* txtPersone;
};

#pragma once
// The gate search: ten filters over the archive open in the gate card (entry and exit
// date, vehicle, plate, driver, waybill, persons, goods, destination, notes), matched
// as typed; the visits found are listed, and under the key word "registro" a
// double-click loads the chosen one into the gate card.
#include "kit/search_window.h"

class QLineEdit;

class TfrmTrovaVisite : public kit::SearchWindow {
  Q_OBJECT
 public:
  explicit TfrmTrovaVisite(QWidget* owner);

  static kit::ListSettings settings();
  // The gate card, for the key word "registro" only.
  static std::vector<kit::PickTarget> pickTargets();

  // The filters, in the Enter chain's order.
  QLineEdit* txtDataEnt;
  QLineEdit* txtDataUsc;
  QLineEdit* txtVeicolo;
  QLineEdit* txtTarga;
  QLineEdit* txtConduttore;
  QLineEdit* txtFoglio;
  QLineEdit* txtPersone;
  QLineEdit* txtMerce;
  QLineEdit* txtLuogo;
  QLineEdit* txtNote;
};

#pragma once
// The driver search, which is also the driver picker of the two schedule cards: a
// double-click copies the chosen driver into the window its key word names (the
// whole driver card, or name, tax code and contact of a schedule card).
#include "kit/search_window.h"

class QLineEdit;

class TfrmTrovaAnagrafica : public kit::SearchWindow {
  Q_OBJECT
 public:
  explicit TfrmTrovaAnagrafica(QWidget* owner);

  // The window's settings: the driver archive, the ten filters, the line, the key words.
  static kit::ListSettings settings();
  // The three key words with what each writes where.
  static std::vector<kit::PickTarget> pickTargets();

  // A fresh search owned by `owner` with the key word, shown modally and freed.
  static void open(QWidget* owner, const QString& keyWord);

  // The filters, in the Enter chain's order.
  QLineEdit* txtConducente;
  QLineEdit* txtCodFisc;
  QLineEdit* txtPatenti;
  QLineEdit* txtCitta;
  QLineEdit* txtVeicolo;
  QLineEdit* txtTarga;
  QLineEdit* txtMarca;
  QLineEdit* txtModello;
  QLineEdit* txtProgramma;
  QLineEdit* txtNote;
};

#pragma once
// The vehicle search, which is also the vehicle picker of every other app: a
// double-click copies the chosen vehicle into the window its key word names.
#include "kit/search_window.h"

class QLineEdit;

class TfrmTrovaAutomezzi : public kit::SearchWindow {
  Q_OBJECT
 public:
  explicit TfrmTrovaAutomezzi(QWidget* owner);

  // The window's settings: the vehicle archive, the ten filters, the line, the key words.
  static kit::ListSpec settings();
  // "Tipo  Marca Modello  Targa: ...  Titolare: ...  Anno: ...  Km: ...".
  static core::LineFormat lineFormat();
  // The nine key words with what each writes where.
  static std::vector<kit::PickTarget> pickTargets();

  // The filters, in the Enter chain's order.
  QLineEdit* txtTipo;
  QLineEdit* txtDestinazione;
  QLineEdit* txtMarca;
  QLineEdit* txtModello;
  QLineEdit* txtTarga;
  QLineEdit* txtStato;
  QLineEdit* txtAutista;
  QLineEdit* txtMeccanico;
  QLineEdit* txtProprietario;
  QLineEdit* txtNote;
};

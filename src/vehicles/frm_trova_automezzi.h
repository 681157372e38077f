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
  static kit::ListSettings settings();
  // "Tipo  Marca Modello  Targa: ...  Titolare: ...  Anno: ...  Km: ...".
  static core::LineFormat lineFormat();
  // How every vehicle list line begins: the type (20), make and model (30), then
  // "  Targa: " and the plate (12).
  static std::vector<core::LinePiece> lineStart();
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

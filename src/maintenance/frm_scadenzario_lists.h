#pragma once
// The schedule card's lists and search, over the year open on the card (the path in the
// schedule window's lblFile): maintenance still to do (TfrmConfermati), maintenance done
// (TfrmNonConfermati), appointments to confirm (TfrmDaConfermare), and the search over
// ten filters (TfrmTrovaScadenzario). The class names say the opposite of what the first
// two lists hold; the names are kept. A double-click loads the chosen deadline into the
// schedule card: the lists always, the search only with the key word "Scadenzario".
#include <vector>

#include "kit/search_window.h"

class QLineEdit;

namespace maintenance {

// Where a double-clicked deadline goes: the whole schedule card, with its number.
// `keyWord` empty: always (the lists).
kit::PickTarget scheduleCardTarget(const QString& keyWord);
// The settings every list shares, reading the archive named by `lblFile`.
kit::ListSettings scheduleListSettings(QWidget* lblFile);

}  // namespace maintenance

class TfrmConfermati : public kit::SearchWindow {
  Q_OBJECT
 public:
  explicit TfrmConfermati(QWidget* owner);
  static kit::ListSettings settings(QWidget* lblFile);
};

class TfrmNonConfermati : public kit::SearchWindow {
  Q_OBJECT
 public:
  explicit TfrmNonConfermati(QWidget* owner);
  static kit::ListSettings settings(QWidget* lblFile);
};

class TfrmDaConfermare : public kit::SearchWindow {
  Q_OBJECT
 public:
  explicit TfrmDaConfermare(QWidget* owner);
  static kit::ListSettings settings(QWidget* lblFile);
};

class TfrmTrovaScadenzario : public kit::SearchWindow {
  Q_OBJECT
 public:
  explicit TfrmTrovaScadenzario(QWidget* owner);
  static kit::ListSettings settings(QWidget* lblFile);
  // The one key word it writes with.
  static std::vector<kit::PickTarget> pickTargets();

  // The filters, in the Enter chain's order.
  QLineEdit* txtData;
  QLineEdit* txtOra;
  QLineEdit* txtConducente;
  QLineEdit* txtCodFisc;
  QLineEdit* txtManutenzione;
  QLineEdit* txtTarga;
  QLineEdit* txtMarca;
  QLineEdit* txtModello;
  QLineEdit* txtDettagli;
  QLineEdit* txtNote;
};

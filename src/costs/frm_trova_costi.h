#pragma once
// The cost card's lists over the year open on the card (the path in its lblFile): the
// payments still to settle (TfrmDaSaldare, every "No" of the settled flag) and the
// search over ten filters (TfrmTrovaCosti). Both list cost list lines; a double-click
// loads the chosen payment into the cost card: the list always, the search only with
// the key word "Costi".
#include <vector>

#include "kit/search_window.h"

class QLineEdit;

namespace costs {

// The settings both share, reading the archive named by `lblFile`.
kit::ListSettings costListSettings(QWidget* lblFile);
// The cost card's lblFile, found from a dialog's owner (null when there is no card).
QWidget* lblFileOf(QWidget* owner);

}  // namespace costs

class TfrmTrovaCosti : public kit::SearchWindow {
  Q_OBJECT
 public:
  explicit TfrmTrovaCosti(QWidget* owner);
  static kit::ListSettings settings(QWidget* lblFile);
  // The one key word it loads the card with.
  static std::vector<kit::PickTarget> pickTargets();

  // The filters, in the Enter chain's order.
  QLineEdit* txtData;
  QLineEdit* txtCausale;
  QLineEdit* txtConducente;
  QLineEdit* txtPagatore;
  QLineEdit* txtBeneficiario;
  QLineEdit* txtTarga;
  QLineEdit* txtMarca;
  QLineEdit* txtModello;
  QLineEdit* txtDescrizione;
  QLineEdit* txtNote;
};

#pragma once
// The credit-card checker of the driver card: the Luhn check digit and the card kind
// from the leading digits.
#include "shell/frm_cod_fisc.h"

class TfrmCarta : public shell::CodeCheckerForm {
  Q_OBJECT
 public:
  explicit TfrmCarta(QWidget* owner);

  shell::CodeEdit* txtNumero;

  // A fresh checker owned by `owner`, its edit set to the trimmed `number`, shown
  // modally and freed.
  static void open(QWidget* owner, const QString& number);

 protected:
  core::CheckVerdict check() const override;
};

#pragma once
// The VAT-number checker: the check digit of an 11-digit partita IVA and, for a valid
// one, the town of the VAT office that issued it.
#include "shell/frm_cod_fisc.h"

class TfrmPartitaIva : public shell::CodeCheckerForm {
  Q_OBJECT
 public:
  explicit TfrmPartitaIva(QWidget* owner);

  shell::CodeEdit* txtPartitaIva;

  // A fresh checker owned by `owner`, its edit set to the trimmed `number`, shown
  // modally and freed.
  static void open(QWidget* owner, const QString& number);

 protected:
  core::CheckVerdict check() const override;
};

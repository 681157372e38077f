#pragma once
// The IBAN checker of the driver card: the 27-character length of an Italian IBAN and
// the mod-97 check.
#include "shell/frm_cod_fisc.h"

class TfrmIban : public shell::CodeCheckerForm {
  Q_OBJECT
 public:
  explicit TfrmIban(QWidget* owner);

  shell::CodeEdit* txtIban;

  // A fresh checker owned by `owner`, its edit set to the trimmed `iban`, shown
  // modally and freed.
  static void open(QWidget* owner, const QString& iban);

 protected:
  core::CheckVerdict check() const override;
};

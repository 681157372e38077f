#include "shell/frm_partita_iva.h"

#include "platform/qtext.h"

TfrmPartitaIva::TfrmPartitaIva(QWidget* owner)
    : shell::CodeCheckerForm(owner, QStringLiteral("TfrmPartitaIva"), QStringLiteral(" Controllo partita IVA"),
                             480, 254, QStringLiteral("txtPartitaIva"), 11,
                             QStringLiteral("Immettere il numero di partita IVA e premere il pulsante di controllo.")) {
  txtPartitaIva = codeEdit();
  setDigitsOnly(true);
}

core::CheckVerdict TfrmPartitaIva::check() const {
  return core::checkPartitaIva(platform::toCore(txtPartitaIva->text()));
}

void TfrmPartitaIva::open(QWidget* owner, const QString& number) {
  TfrmPartitaIva checker(owner);
  checker.txtPartitaIva->setText(platform::trim(number));
  checker.showModalDialog();
}

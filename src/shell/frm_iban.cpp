#include "shell/frm_iban.h"

#include "platform/qtext.h"

TfrmIban::TfrmIban(QWidget* owner)
    : shell::CodeCheckerForm(owner, QStringLiteral("TfrmIban"), QStringLiteral(" Controllo IBAN"), 608, 270,
                             QStringLiteral("txtIban"), 27,
                             QStringLiteral("Immettere l'IBAN e premere il pulsante di controllo.")) {
  txtIban = codeEdit();
  txtIban->setNormaliser(shell::trimmedUpper);
}

core::CheckVerdict TfrmIban::check() const { return core::checkIban(platform::toCore(txtIban->text())); }

void TfrmIban::open(QWidget* owner, const QString& iban) {
  TfrmIban checker(owner);
  checker.txtIban->setText(platform::trim(iban));
  checker.showModalDialog();
}

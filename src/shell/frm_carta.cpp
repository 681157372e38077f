#include "shell/frm_carta.h"

#include "platform/qtext.h"

TfrmCarta::TfrmCarta(QWidget* owner)
    : shell::CodeCheckerForm(owner, QStringLiteral("TfrmCarta"), QStringLiteral(" Controllo carta di credito"),
                             519, 254, QStringLiteral("txtNumero"), 30,
                             QStringLiteral("Immettere il numero di carta di credito e premere il pulsante di controllo.")) {
  txtNumero = codeEdit();
  txtNumero->setNormaliser(shell::trimmedUpper);
  setDigitsOnly(true);
}

core::CheckVerdict TfrmCarta::check() const { return core::checkCreditCard(platform::toCore(txtNumero->text())); }

void TfrmCarta::open(QWidget* owner, const QString& number) {
  TfrmCarta checker(owner);
  checker.txtNumero->setText(platform::trim(number));
  checker.showModalDialog();
}

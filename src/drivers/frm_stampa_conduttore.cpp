#include "drivers/frm_stampa_conduttore.h"

namespace {

// The 24 rows; the town carries its province, the card number its expiry.
constexpr kit::CardPrintRow kRows[] = {
    {.caption = "Cognome e nome:", .memo = "txtConducente"},
    {.caption = "Patenti di guida:", .memo = "txtPatenti"},
    {.caption = "Recapito preferenziale:", .memo = "txtRecapito"},
    {.caption = "Indirizzo:", .memo = "txtVia"},
    {.caption = "CAP:", .memo = "txtCap"},
    {.caption = "Città:", .memo = "txtCitta", .value = "{txtCitta} {txtProv}"},
    {.caption = "Compensi pattuiti:", .memo = "txtCompensi"},
    {.caption = "Tel. casa:", .memo = "txtTelCasa"},
    {.caption = "Tel. ufficio:", .memo = "txtTelUff"},
    {.caption = "Tel. cellulare:", .memo = "txtTelCel"},
    {.caption = "PEC:", .memo = "txtFax"},
    {.caption = "E-mail:", .memo = "txtEmail"},
    {.caption = "Codice fiscale:", .memo = "txtCodFisc"},
    {.caption = "Carta di credito n.", .memo = "txtCarta", .value = "{txtCarta}  Scadenza: {txtScadeCarta}"},
    {.caption = "Partita IVA:", .memo = "txtPartitaIva"},
    {.caption = "IBAN:", .memo = "txtIban"},
    {.caption = "Tipo veicolo:", .memo = "txtVeicolo"},
    {.caption = "Marca:", .memo = "txtMarca"},
    {.caption = "Modello:", .memo = "txtModello"},
    {.caption = "Colore:", .memo = "txtColore"},
    {.caption = "Alimentazione:", .memo = "txtAlimentazione"},
    {.caption = "Targa:", .memo = "txtTarga"},
    {.caption = "Programma ferie:", .memo = "txtProgramma"},
    {.caption = "Note:", .memo = "txtNote"},
};
static_assert(std::size(kRows) == 24);

}  // namespace

kit::CardPrintSettings TfrmStampaConduttore::settings() {
  return {
      .dialogClass = QStringLiteral("TfrmStampaConduttore"),
      .cardClass = QStringLiteral("TfrmAnagrafica"),
      .reportName = QStringLiteral("Scheda Conduttore"),
      .title = QStringLiteral("SCHEDA ANAGRAFICA CONDUTTORE"),
      .rows = kRows,
  };
}

TfrmStampaConduttore::TfrmStampaConduttore(QWidget* owner) : kit::CardPrintDialog(owner, settings()) {}

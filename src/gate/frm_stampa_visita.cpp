#include "gate/frm_stampa_visita.h"

namespace {

// The 16 rows in record order, each the gate card edit of the same name.
constexpr kit::CardPrintRow kRows[] = {
    {.caption = "Data ingresso:", .memo = "txtDataEnt"},
    {.caption = "Ora ingresso:", .memo = "txtOraEnt"},
    {.caption = "Registrato da:", .memo = "txtOperatoreEnt"},
    {.caption = "Marca e modello veicolo:", .memo = "txtVeicolo"},
    {.caption = "Targa:", .memo = "txtTarga"},
    {.caption = "Conduttore:", .memo = "txtConduttore"},
    {.caption = "Altre persone a bordo:", .memo = "txtPersone"},
    {.caption = "Merce trasportata:", .memo = "txtMerce"},
    {.caption = "Foglio di marcia:", .memo = "txtFoglio"},
    {.caption = "Tessere:", .memo = "txtTessere"},
    {.caption = "Luogo destinazione:", .memo = "txtLuogo"},
    {.caption = "Cellulare:", .memo = "txtTelCel"},
    {.caption = "Note:", .memo = "txtNote"},
    {.caption = "Data uscita:", .memo = "txtDataUsc"},
    {.caption = "Ora uscita:", .memo = "txtOraUsc"},
    {.caption = "Registrato da:", .memo = "txtOperatoreUsc"},
};
static_assert(std::size(kRows) == 16);

}  // namespace

kit::CardPrintSettings TfrmStampaVisita::settings() {
  return {
      .dialogClass = QStringLiteral("TfrmStampaVisita"),
      .failure = {},  // the failure's own message; the dialog stays open
      .cardClass = QStringLiteral("TfrmRegistro"),
      .reportName = QStringLiteral("Entrata Uscita Veicolo"),
      .title = QStringLiteral("SCHEDA RIEPILOGATIVA INGRESSO E USCITA VEICOLO"),
      .rows = kRows,
      // The second copy's rows start 108 mm below the first's (7 and 115 mm).
      .copies = {{.offset = 0, .suffix = "_A", .tag = "COPIA PER CONDUTTORE"},
                 {.offset = 108, .suffix = "_B", .tag = "COPIA PER AZIENDA"}},
      .cutLine = 102,
      .dataPage = true,
  };
}

TfrmStampaVisita::TfrmStampaVisita(QWidget* owner) : kit::CardPrintDialog(owner, settings()) {}

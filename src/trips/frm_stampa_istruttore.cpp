#include "trips/frm_stampa_istruttore.h"

namespace {

// A refuelling row of the card on one line.
#define REFUEL(n)                                                                                              \
  "Data: {txtDataRif" n "}   Ora: {txtOraRif" n "}   Stazione: {txtStazione" n "}   Litri: {txtLitri" n \
  "}   Importo: € {txtImporto" n "}"

// The 24 rows: the trip, the five refuellings, the totals and the kilometres.
constexpr kit::CardPrintRow kRows[] = {
    {.caption = "Data partenza:", .memo = "txtDataPartenza"},
    {.caption = "Ora partenza:", .memo = "txtOraPartenza"},
    {.caption = "Data rientro:", .memo = "txtDataRientro"},
    {.caption = "Ora rientro:", .memo = "txtOraRientro"},
    {.caption = "Luogo destinazione:", .memo = "txtLuogo"},
    {.caption = "Itinerario:", .memo = "txtItinerario"},
    {.caption = "Scopo del viaggio:", .memo = "txtScopo"},
    {.caption = "Marca e modello veicolo:", .memo = "txtVeicolo"},
    {.caption = "Targa:", .memo = "txtTarga"},
    {.caption = "Conduttore:", .memo = "txtConduttore"},
    {.caption = "Conduttore supplementare:", .memo = "txtSupplementare"},
    {.caption = "Altre persone a bordo:", .memo = "txtPersone"},
    {.caption = "Tot. viaggiatori:", .memo = "txtTotViaggiatori"},
    {.caption = "Merce trasportata:", .memo = "txtMerce"},
    {.caption = "Rifornimento 1:", .memo = "txtRifornimento01", .value = REFUEL("01")},
    {.caption = "Rifornimento 2:", .memo = "txtRifornimento02", .value = REFUEL("02")},
    {.caption = "Rifornimento 3:", .memo = "txtRifornimento03", .value = REFUEL("03")},
    {.caption = "Rifornimento 4:", .memo = "txtRifornimento04", .value = REFUEL("04")},
    {.caption = "Rifornimento 5:", .memo = "txtRifornimento05", .value = REFUEL("05")},
    {.caption = "Tot. litri:", .memo = "txtLitriTot"},
    {.caption = "Importo totale:", .memo = "txtImportoTot"},
    {.caption = "Km alla partenza:", .memo = "txtKmPartenza"},
    {.caption = "Km al rientro:", .memo = "txtKmRientro"},
    {.caption = "Km percorsi:", .memo = "txtKmPercorsi"},
};
static_assert(std::size(kRows) == 24);

#undef REFUEL

}  // namespace

kit::CardPrintSettings TfrmStampaIstruttore::settings() {
  return {
      .dialogClass = QStringLiteral("TfrmStampaIstruttore"),
      .cardClass = QStringLiteral("TfrmServizi"),
      .reportName = QStringLiteral("Scheda Viaggio"),
      .title = QStringLiteral("SCHEDA RIEPILOGATIVA VIAGGIO"),
      .rows = kRows,
  };
}

TfrmStampaIstruttore::TfrmStampaIstruttore(QWidget* owner) : kit::CardPrintDialog(owner, settings()) {}

#include "gate/frm_menu_registro.h"

#include "gate/frm_registro.h"
#include "platform/windows.h"
#include "shell/frm_guida.h"

namespace {

// The first "Apri": the year's archive and caption into the long-lived gate card, whose
// show handler then starts a new card.
bool openGateCard(kit::YearMenu&, const QString& year) {
  auto* card = platform::findWindow<TfrmRegistro>(QStringLiteral("TfrmRegistro"));
  if (!card) throw platform::WiringError("the gate menu opens a gate card the program does not have");
  card->openYear(year);
  return true;
}

}  // namespace

QStringList TfrmMenuRegistro::helpParagraphs() {
  QStringList paragraphs = TfrmRegistro::helpParagraphs();
  paragraphs << QStringLiteral(
      "L'app Statistiche transiti veicoli consente di visualizzare e stampare grafici statistici sugli ingressi e "
      "sulle uscite registrate nell'anno solare selezionato: il grafico mostra i transiti di ciascun mese dell'anno "
      "sotto forma di dodici barre tridimensionali o di torta. Per visualizzarlo si digita l'anno e si preme Apri; "
      "un pulsante in fondo alla finestra passa dal grafico a torta a quello a barre e viceversa, e il pulsante "
      "Stampa grafico stampa il grafico visualizzato insieme ai dati mensili.");
  return paragraphs;
}

kit::YearMenuSettings TfrmMenuRegistro::settings() {
  return {
      .menuClass = QStringLiteral("TfrmMenuRegistro"),
      .caption = QStringLiteral(" Velmora 4.0 - Ingressi e Uscite Veicoli"),
      .title = QStringLiteral("Ingressi e Uscite Veicoli"),
      .information = QStringLiteral("In questo ambiente è possibile registrare gli ingressi e le uscite dei veicoli e "
                                    "visualizzare grafici statistici dei transiti mensili."),
      .yearBox = QStringLiteral("txtAnnoFatture"),
      .opens = {{.button = QStringLiteral("btnApriFatture"),
                 .heading = QStringLiteral("Registrazione ingressi e uscite veicoli:"),
                 .keyWord = QStringLiteral("registro"),
                 .window = QStringLiteral("TfrmRegistro"),
                 .checksYear = true,
                 .prepare = &openGateCard},
                // The chart has a year of its own: nothing is tested here.
                {.button = QStringLiteral("btnApriRiepStats"),
                 .heading = QStringLiteral("Grafici statistici transiti mensili:"),
                 .keyWord = QStringLiteral("statistiche_vis"),
                 .window = QStringLiteral("TfrmStatistiche")}},
      .helpTitle = TfrmRegistro::kHelpTitle,
      .helpParagraphs = helpParagraphs(),
      .help = &TfrmGuida::showHelp,
  };
}

TfrmMenuRegistro::TfrmMenuRegistro(QWidget* owner) : kit::YearMenu(owner, settings()) {}

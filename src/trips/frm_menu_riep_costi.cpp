#include "trips/frm_menu_riep_costi.h"

#include "shell/frm_guida.h"
#include "trips/trip_archive.h"
#include "trips/trip_record.h"
#include "vehicles/frm_trova_automezzi.h"

using trips::tripField;

kit::SummarySettings TfrmMenuRiepCosti::settings() {
  const QString caption = QStringLiteral(" Velmora 4.0 - Riepilogo consumi carburante e chilometri percorsi");
  kit::SummarySettings s;
  s.menuClass = QStringLiteral("TfrmMenuRiepCosti");
  s.menuCaption = caption;
  s.heading = QStringLiteral("Riepilogo consumi carburante e km percorsi");
  s.headingText = QStringLiteral(
      "Il riepilogo dei consumi di carburante e dei chilometri percorsi in un intervallo di tempo si ottiene "
      "indicando la targa del veicolo e/o il luogo di destinazione, compilando i campi sottostanti e premendo "
      "Visualizza riepilogo.");
  s.instructions = {
      QStringLiteral("Indicare l'anno solare di interesse, la targa del veicolo e/o il luogo di destinazione."),
      QStringLiteral("Per ottenere il riepilogo dei consumi e dei km percorsi relativamente a tutti i viaggi, lasciare "
                     "in bianco i campi di testo."),
      QStringLiteral("Indicare l'intervallo di tempo relativo al periodo da riepilogare in base alla data di partenza."),
  };
  s.plate = {.edit = QStringLiteral("txtCliente"), .caption = QStringLiteral("Targa veicolo:"), .maxLength = 30,
             .field = tripField("Targa"), .upperCase = true};
  s.other = {.edit = QStringLiteral("txtTarga"), .caption = QStringLiteral("Luogo destinazione:"), .maxLength = 120,
             .field = tripField("Luogo")};
  s.pickerKeyWord = QStringLiteral("riepcosti");
  s.openPicker = [](QWidget* owner, const QString& keyWord) { platform::openModal<TfrmTrovaAutomezzi>(owner, keyWord); };
  s.keepFilters = false;
  s.highlights = false;

  s.layout = &trips::tripLayout();
  s.archiveFile = QString::fromLatin1(trips::TripRecord::kArchiveName.data(),
                                      static_cast<qsizetype>(trips::TripRecord::kArchiveName.size()));
  s.dateField = tripField("DataPartenza");
  s.line = trips::fuelSummaryLine();
  s.totals = {
      {QStringLiteral("lblLitriTot"), QStringLiteral("Totale litri carburante:"), tripField("LitriTot"),
       core::TotalForm::Shortest, QStringLiteral("TOTALE LITRI CARBURANTE:           ")},
      {QStringLiteral("lblKmPercorsi"), QStringLiteral("Km percorsi:"), tripField("KmPercorsi"),
       core::TotalForm::Shortest, QStringLiteral("KM PERCORSI:                       ")},
      {QStringLiteral("lblTotCosti"), QStringLiteral("Totale costi carburante: €"), tripField("ImportoTot"),
       core::TotalForm::Amount, QStringLiteral("TOTALE COSTI CARBURANTE:           € ")},
  };

  s.windowClass = QStringLiteral("TfrmRiepCosti");
  s.windowCaption = caption;
  s.plateCaption = QStringLiteral("Targa veicolo:");
  s.emptyPlate = QStringLiteral("- - -");
  s.printTitle = QStringLiteral("Riepilogo consumi carburante e km percorsi   -   Targa veicolo:  ");
  s.intervalTrailer = QStringLiteral("INTERVALLO SELEZIONATO:            ");
  s.helpTitle = QStringLiteral("App Riepilogo consumi carburante e chilometri percorsi");
  s.helpParagraphs = {
      QStringLiteral("L'app Riepilogo consumi carburante e chilometri percorsi somma i litri di carburante e i "
                     "chilometri percorsi da un veicolo, o dall'intero parco automezzi, in un intervallo di tempo "
                     "scelto dall'utente, leggendo i viaggi annotati nel Registro Viaggi."),
      QStringLiteral("Per ottenere il riepilogo si indicano l'anno, la targa del veicolo, il luogo di destinazione e "
                     "l'intervallo di tempo, quindi si preme Visualizza riepilogo."),
      QStringLiteral("Ogni riga dell'elenco riporta le date di partenza e di rientro, il luogo di destinazione, la "
                     "marca e il modello del veicolo, la targa, i litri di carburante, i chilometri percorsi e il "
                     "costo del viaggio."),
      QStringLiteral("In fondo all'elenco compaiono i totali dei litri, dei chilometri e dei costi, con il "
                     "promemoria dell'intervallo selezionato."),
      QStringLiteral("Per il riepilogo dell'intero parco automezzi basta indicare l'intervallo di tempo, lasciando in "
                     "bianco la targa e il luogo di destinazione."),
      QStringLiteral("Si capisce che il campo Targa del registro viaggi è molto importante, dal momento che permette "
                     "di ottenere i riepiloghi dei singoli veicoli."),
      QStringLiteral("Il pulsante Stampa riepilogo permette di ottenere su carta l'elenco visualizzato al momento."),
  };
  s.help = &TfrmGuida::showHelp;
  return s;
}

TfrmMenuRiepCosti::TfrmMenuRiepCosti(QWidget* owner) : kit::SummaryMenu(owner, settings()) {}

void TfrmMenuRiepCosti::showSummary(kit::SummaryData data) {
  TfrmRiepCosti summary(this, std::move(data));
  summary.showModalDialog();
}

TfrmRiepCosti::TfrmRiepCosti(kit::SummaryMenu* menu, kit::SummaryData data)
    : kit::SummaryWindow(menu, menu->settings(), std::move(data)) {
  lblLitriTot = total(QStringLiteral("lblLitriTot"));
  lblKmPercorsi = total(QStringLiteral("lblKmPercorsi"));
  lblTotCosti = total(QStringLiteral("lblTotCosti"));
}

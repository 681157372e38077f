#include "costs/frm_menu_riep_spese.h"

#include <QComboBox>

#include "costs/cost_lines.h"
#include "costs/cost_record.h"
#include "shell/frm_guida.h"
#include "vehicles/frm_trova_automezzi.h"

using costs::costField;

namespace {

QStringList causeItems() {
  QStringList items;
  for (const char* cause : costs::kCauses) items << QString::fromUtf8(cause);
  return items;
}

}  // namespace

kit::SummarySettings TfrmMenuRiepSpese::settings() {
  const QString caption = QStringLiteral(" Velmora 4.0 - Riepilogo costi sostenuti");
  kit::SummarySettings s;
  s.menuClass = QStringLiteral("TfrmMenuRiepSpese");
  s.menuCaption = caption;
  s.heading = QStringLiteral("Riepilogo costi sostenuti");
  s.headingText = QStringLiteral(
      "Il riepilogo dei costi sostenuti in un intervallo di tempo si ottiene per ciascun veicolo del parco auto e "
      "per causale di pagamento. Compilare i campi sottostanti e premere Visualizza riepilogo.");
  s.instructions = {
      QStringLiteral("Indicare l'anno solare di interesse, la targa dell'automezzo e la causale di pagamento."),
      QStringLiteral("Per ottenere il riepilogo di tutti i veicoli del parco auto e/o di tutte le causali, lasciare "
                     "in bianco i relativi campi."),
      QStringLiteral("Indicare l'intervallo di tempo relativo al periodo da riepilogare."),
  };
  s.plate = {.edit = QStringLiteral("txtTipologia"), .caption = QStringLiteral("Targa:"), .maxLength = 30,
             .field = costField("Targa"), .upperCase = true, .highlight = QStringLiteral("effTipologia"),
             .captionName = QStringLiteral("titTipologia")};
  s.other = {.edit = QStringLiteral("txtCausale"), .caption = QStringLiteral("Causale:"), .maxLength = 50,
             .field = costField("Causale"),
             .items = causeItems(),
             .highlight = QStringLiteral("effCausale"),
             .captionName = QStringLiteral("Label1")};
  s.pickerKeyWord = QStringLiteral("riepspese");
  s.openPicker = [](QWidget* owner, const QString& keyWord) { platform::openModal<TfrmTrovaAutomezzi>(owner, keyWord); };
  s.keepFilters = true;
  s.highlights = true;

  s.layout = &costs::costLayout();
  s.yearExtension = QString::fromLatin1(costs::CostRecord::kExtension.data(),
                                        static_cast<qsizetype>(costs::CostRecord::kExtension.size()));
  s.dateField = costField("Data");
  s.line = costs::costListLine();
  s.totals = {{.label = QStringLiteral("lblTotCosti"), .caption = QStringLiteral("Totale costi sostenuti:"),
               .field = costField("Importo"), .form = core::TotalForm::Amount,
               .trailer = QStringLiteral("TOTALE COSTI SOSTENUTI:        € "),
               .captionName = QStringLiteral("infTotKmPercorsi")}};

  s.windowClass = QStringLiteral("TfrmRiepSpese");
  s.windowCaption = caption;
  s.plateCaption = QStringLiteral("Targa selezionata:");
  s.emptyPlate = QStringLiteral("Tutte le targhe in archivio");
  s.printTitle = QStringLiteral("Riepilogo costi sostenuti   -   Targa veicolo:  ");
  s.intervalTrailer = QStringLiteral("INTERVALLO SELEZIONATO:        ");
  s.helpTitle = QStringLiteral("App Riepilogo costi sostenuti");
  s.helpParagraphs = {
      QStringLiteral("L'app Riepilogo costi sostenuti consente di ottenere il resoconto delle spese sostenute in un "
                     "certo intervallo di tempo. A tal fine, è sufficiente fare clic sul pulsante Apri nel riquadro "
                     "Visualizza riepilogo, selezionare una causale, il numero di targa dell'automezzo di interesse "
                     "ed indicare la data di inizio e quella di fine intervallo."),
      QStringLiteral("L'estratto conto che si ottiene visualizza un elenco di tutte le spese effettuate nel periodo "
                     "specificato, riportando la marca e il modello dell'automezzo,"
                     " la data del saldo, la causale del pagamento, il nome del beneficiario e l'importo pagato. Per "
                     "ottenere il riepilogo dei costi relativi a tutti i veicoli del parco auto e a tutte le causali di"
                     " pagamento, basta lasciare in bianco i relativi campi di ricerca."),
      QStringLiteral("Si capisce che il campo \"Targa\" presente nel registro dei costi sostenuti è molto importante "
                     "ai fini della creazione dei riepiloghi parziali, dal momento che"
                     " serve a ottenere resoconti in base al singolo mezzo."),
      QStringLiteral("Il pulsante Stampa riepilogo permette di ottenere su carta l'elenco dei costi visualizzato al "
                     "momento."),
  };
  s.help = &TfrmGuida::showHelp;
  s.windowGradientTop = QColor(0x42, 0x7A, 0xA8);
  return s;
}

TfrmMenuRiepSpese::TfrmMenuRiepSpese(QWidget* owner) : kit::SummaryMenu(owner, settings()) {}

QComboBox* TfrmMenuRiepSpese::txtCausale() const { return static_cast<QComboBox*>(txtOther); }

void TfrmMenuRiepSpese::showSummary(kit::SummaryData data) {
  TfrmRiepSpese summary(this, std::move(data));
  summary.showModalDialog();
}

TfrmRiepSpese::TfrmRiepSpese(kit::SummaryMenu* menu, kit::SummaryData data)
    : kit::SummaryWindow(menu, menu->settings(), std::move(data)) {
  lblTotCosti = total(QStringLiteral("lblTotCosti"));
}

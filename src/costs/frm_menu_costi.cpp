#include "costs/frm_menu_costi.h"

#include "costs/cost_help.h"
#include "costs/frm_costi.h"
#include "platform/windows.h"
#include "shell/frm_guida.h"

kit::YearMenuSettings TfrmMenuCosti::settings() {
  return {
      .menuClass = QStringLiteral("TfrmMenuCosti"),
      .caption = QStringLiteral(" Velmora 4.0 - Costi sostenuti"),
      .title = QStringLiteral("Costi sostenuti"),
      .information = QStringLiteral("In questo ambiente è possibile registrare i costi sostenuti per ciascun veicolo, "
                                    "nonché visualizzarne il riepilogo e i grafici statistici."),
      .yearBox = QStringLiteral("txtAnnoConsumi"),
      .highlight = QStringLiteral("effAnnoConsumi"),
      .opens = {{.button = QStringLiteral("btnApriConsumi"),
                 .heading = QStringLiteral("Crea o aggiorna schede costi:"),
                 .keyWord = QStringLiteral("costi"),
                 .window = QStringLiteral("TfrmCosti"),
                 .checksYear = true,
                 .prepare =
                     [](kit::YearMenu&, const QString& year) {
                       if (auto* card = platform::findWindow<TfrmCosti>(QStringLiteral("TfrmCosti")))
                         card->openYear(year);
                       return true;
                     }},
                {.button = QStringLiteral("btnApriRiepConsumi"),
                 .heading = QStringLiteral("Visualizza riepilogo:"),
                 .keyWord = QStringLiteral("RiepSpese"),
                 .window = QStringLiteral("TfrmMenuRiepSpese")},
                {.button = QStringLiteral("btnApriRiepStats"),
                 .heading = QStringLiteral("Mostra grafici statistici:"),
                 .keyWord = QStringLiteral("stats"),
                 .window = QStringLiteral("TfrmStatCosti")}},
      .helpTitle = costs::costHelpTitle(),
      .helpParagraphs = costs::costHelpParagraphs(),
      .help = &TfrmGuida::showHelp,
  };
}

TfrmMenuCosti::TfrmMenuCosti(QWidget* owner)
    : kit::YearMenu(owner, settings()),
      txtAnnoConsumi(yearBox()),
      btnApriConsumi(button(QStringLiteral("btnApriConsumi"))),
      btnApriRiepConsumi(button(QStringLiteral("btnApriRiepConsumi"))),
      btnApriRiepStats(button(QStringLiteral("btnApriRiepStats"))) {}

#include "costs/frm_exp_costi.h"

#include "costs/cost_record.h"
#include "costs/frm_trova_costi.h"
#include "shell/export_help.h"

kit::ExportSettings TfrmExpCosti::settings(QWidget* lblFile) {
  kit::ExportSettings s;
  s.windowClass = QStringLiteral("TfrmExpCosti");
  s.caption = QStringLiteral(" Esporta archivio costi sostenuti");
  s.fileName = QStringLiteral("Costi_Sostenuti.xls");
  s.sheetName = QStringLiteral("Costi Sostenuti");
  s.archive = kit::ArchiveSource::fromControl(lblFile, &costs::costLayout());
  s.columns = {
      {.name = "colData", .heading = "Data saldo", .screenWidth = 150, .fileWidth = 150, .field = "Data"},
      {.name = "colLuogo", .heading = "Luogo", .screenWidth = 250, .fileWidth = 250, .field = "Luogo"},
      {.name = "colVeicolo", .heading = "Tipo veicolo", .screenWidth = 250, .fileWidth = 250, .field = "Veicolo"},
      {.name = "colMarca", .heading = "Marca", .screenWidth = 250, .fileWidth = 250, .field = "Marca"},
      {.name = "colModello", .heading = "Modello", .screenWidth = 250, .fileWidth = 250, .field = "Modello"},
      {.name = "colColore", .heading = "Colore", .screenWidth = 200, .fileWidth = 200, .field = "Colore"},
      {.name = "colAlimentazione", .heading = "Alimentazione", .screenWidth = 200, .fileWidth = 200,
       .field = "Alimentazione"},
      {.name = "colTarga", .heading = "Targa", .screenWidth = 200, .fileWidth = 200, .field = "Targa"},
      {.name = "colCausale", .heading = "Causale pagamento", .screenWidth = 250, .fileWidth = 250, .field = "Causale"},
      {.name = "colDescrizione", .heading = "Descrizione costi", .screenWidth = 300, .fileWidth = 300,
       .field = "Descrizione"},
      {.name = "colModalita", .heading = "Modalità di pagamento", .screenWidth = 250, .fileWidth = 250,
       .field = "Modalita"},
      {.name = "colEstremi", .heading = "Estremi ricevuta", .screenWidth = 250, .fileWidth = 250, .field = "Estremi",
       .editable = true},
      {.name = "colImporto", .heading = "Importo in euro", .screenWidth = 180, .fileWidth = 200, .field = "Importo",
       .editable = true},
      {.name = "colPagatore", .heading = "Pagatore", .screenWidth = 250, .fileWidth = 250, .field = "Pagatore",
       .editable = true},
      {.name = "colRecPagatore", .heading = "Tel. pagatore", .screenWidth = 200, .fileWidth = 250,
       .field = "RecPagatore", .editable = true},
      {.name = "colBeneficiario", .heading = "Beneficiario", .screenWidth = 250, .fileWidth = 250,
       .field = "Beneficiario", .editable = true},
      {.name = "colRecBeneficiario", .heading = "Tel. beneficiario", .screenWidth = 200, .fileWidth = 250,
       .field = "RecBeneficiario", .editable = true},
      {.name = "colConducente", .heading = "Conduttore o responsabile", .screenWidth = 250, .fileWidth = 250,
       .field = "Conducente"},
      {.name = "colRecapito", .heading = "Tel. conduttore", .screenWidth = 200, .fileWidth = 250, .field = "Recapito"},
      {.name = "colNote", .heading = "Note", .screenWidth = 300, .fileWidth = 300, .field = "Note"},
      {.name = "colSaldato", .heading = "Saldato", .screenWidth = 120, .fileWidth = 200, .field = "Saldato",
       .editable = true},
  };
  s.helpTitle = QStringLiteral("Esportazione archivio costi sostenuti in Excel");
  s.helpParagraphs = {
      QStringLiteral(
          "Il pulsante Esporta archivio consente di esportare tutte le schede dei costi registrate in un anno solare "
          "in un foglio di lavoro di Microsoft Excel, che potrà essere aperto con qualsiasi software in grado di "
          "gestire i file in formato XLS (ad esempio, con Open Office, Libre Office o Microsoft Office)."),
      // Two pieces joined with nothing between them: "in" and " formato".
      QStringLiteral("Dopo aver aperto la finestra contenente la griglia dei dati, bisogna fare clic sull'icona di "
                     "Excel. Questa operazione crea in tempo reale un file in") +
          QStringLiteral(" formato XLS contenente le schede in archivio, che potrà essere aperto immediatamente "
                         "rispondendo affermativamente al messaggio di domanda che appare."),
      QStringLiteral(
          "A questo punto è sufficiente salvare il file sul proprio disco fisso assegnandogli un nome qualsiasi."),
  };
  shell::useProgramHelp(s);
  return s;
}

TfrmExpCosti::TfrmExpCosti(QWidget* owner) : kit::SpreadsheetWindow(owner, settings(costs::lblFileOf(owner))) {}

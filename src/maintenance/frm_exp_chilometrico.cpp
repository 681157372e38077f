#include "maintenance/frm_exp_chilometrico.h"

#include "maintenance/mileage_archive.h"
#include "shell/export_help.h"

kit::ExportSettings TfrmExpChilometrico::settings() {
  kit::ExportSettings s;
  s.windowClass = QStringLiteral("TfrmExpChilometrico");
  s.caption = QStringLiteral(" Esporta scadenzario chilometrico in Microsoft Excel");
  s.fileName = QStringLiteral("Scadenzario_Chilometrico.xls");
  s.sheetName = QStringLiteral("Scadenzario Chilometrico");
  s.archive = maintenance::mileageArchive();
  s.columns = {
      {.name = "colVeicolo", .heading = "Tipo veicolo", .screenWidth = 200, .fileWidth = 250, .field = "Veicolo"},
      {.name = "colMarca", .heading = "Marca", .screenWidth = 200, .fileWidth = 250, .field = "Marca"},
      {.name = "colModello", .heading = "Modello", .screenWidth = 200, .fileWidth = 250, .field = "Modello"},
      {.name = "colColore", .heading = "Colore", .screenWidth = 200, .fileWidth = 250, .field = "Colore"},
      {.name = "colAlimentazione", .heading = "Alimentazione", .screenWidth = 180, .fileWidth = 250, .field = "Alimentazione"},
      {.name = "colTarga", .heading = "Targa", .screenWidth = 160, .fileWidth = 200, .field = "Targa", .editable = true},
      {.name = "colConducente", .heading = "Conduttore", .screenWidth = 200, .fileWidth = 250, .field = "Conducente"},
      {.name = "colCodFisc", .heading = "Codice fiscale", .screenWidth = 200, .fileWidth = 250, .field = "CodFisc"},
      {.name = "colRecapito", .heading = "Recapito preferenziale", .screenWidth = 200, .fileWidth = 250, .field = "Recapito"},
      {.name = "colManutenzione", .heading = "Tipo manutenzione", .screenWidth = 200, .fileWidth = 250, .field = "Manutenzione"},
      {.name = "colDettagli", .heading = "Dettagli intervento", .screenWidth = 300, .fileWidth = 350, .field = "Dettagli"},
      {.name = "colOfficina", .heading = "Officina incaricata", .screenWidth = 200, .fileWidth = 250, .field = "Officina"},
      {.name = "colCosto", .heading = "Costo intervento", .screenWidth = 160, .fileWidth = 200, .field = "Costo"},
      {.name = "colDataInt", .heading = "Data intervento", .screenWidth = 160, .fileWidth = 200, .field = "DataInt"},
      {.name = "colKmRil", .heading = "Km iniziali", .screenWidth = 180, .fileWidth = 220, .field = "KmRil"},
      {.name = "colDataRil", .heading = "Data iniziale", .screenWidth = 160, .fileWidth = 200, .field = "DataRil"},
      {.name = "colOgni", .heading = "Manutenzione ogni km", .screenWidth = 180, .fileWidth = 220, .field = "Ogni"},
      {.name = "colProssima", .heading = "Scadenza a km", .screenWidth = 180, .fileWidth = 220, .field = "Prossima"},
      {.name = "colKmAttuali", .heading = "Km attuali", .screenWidth = 180, .fileWidth = 220, .field = "KmAttuali", .editable = true},
      {.name = "colDataAtt", .heading = "Data attuale", .screenWidth = 160, .fileWidth = 200, .field = "DataAtt", .editable = true},
      {.name = "colStato", .heading = "Stato manutenzione", .screenWidth = 180, .fileWidth = 220, .field = "Stato", .editable = true},
      {.name = "colNote", .heading = "Note", .screenWidth = 350, .fileWidth = 400, .field = "Note"},
      {.name = "colEffettuata", .heading = "Manutenzione effettuata", .screenWidth = 180, .fileWidth = 200, .field = "Effettuata", .editable = true},
  };
  shell::setArchiveExportHelp(
      s, QStringLiteral("Esportazione scadenzario chilometrico in Excel"),
      QStringLiteral("Il comando Esporta archivio trasferisce tutte le schede dello scadenzario chilometrico in un "
                     "foglio di lavoro di Microsoft Excel, leggibile da qualsiasi programma in grado di aprire i file "
                     "in formato XLS."));
  return s;
}

TfrmExpChilometrico::TfrmExpChilometrico(QWidget* owner) : kit::SpreadsheetWindow(owner, settings()) {}

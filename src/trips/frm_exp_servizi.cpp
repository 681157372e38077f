#include "trips/frm_exp_servizi.h"

#include "shell/export_help.h"
#include "trips/trip_archive.h"

kit::ExportSettings TfrmExpServizi::settings() {
  kit::ExportSettings s;
  s.windowClass = QStringLiteral("TfrmExpServizi");
  s.caption = QStringLiteral(" Esporta registro viaggi in Microsoft Excel");
  s.fileName = QStringLiteral("Viaggi.xls");
  s.sheetName = QStringLiteral("Registro Viaggi");
  s.archive = trips::tripArchive();
  // name, heading, screen width, file width, field; the refuelling rows and the
  // attachments are not exported.
  s.columns = {
      {"colDataPartenza", "Data partenza", 110, 200, "DataPartenza"},
      {"colOraPartenza", "Ora partenza", 100, 200, "OraPartenza"},
      {"colDataRientro", "Data rientro", 110, 200, "DataRientro"},
      {"colOraRientro", "Ora rientro", 100, 200, "OraRientro"},
      {"colLuogo", "Luogo destinazione", 200, 250, "Luogo"},
      {"colItinerario", "Itinerario", 250, 350, "Itinerario"},
      {"colScopo", "Scopo del viaggio", 200, 250, "Scopo"},
      {"colVeicolo", "Marca e modello veicolo", 200, 250, "Veicolo"},
      {"colTarga", "Targa", 110, 200, "Targa"},
      {"colConduttore", "Conduttore", 180, 250, "Conduttore"},
      {"colSupplementare", "Conduttore supplementare", 180, 250, "Supplementare"},
      {"colPersone", "Altre persone a bordo", 250, 350, "Persone"},
      {"colTotViaggiatori", "Tot. viaggiatori", 110, 200, "TotViaggiatori"},
      {"colMerce", "Merce trasportata", 220, 300, "Merce"},
      {"colLitriTot", "Tot. litri", 90, 200, "LitriTot"},
      {"colImportoTot", "Importo totale", 110, 200, "ImportoTot"},
      {"colKmPartenza", "Km alla partenza", 120, 200, "KmPartenza"},
      {"colKmRientro", "Km al rientro", 120, 200, "KmRientro"},
      {"colKmPercorsi", "Km percorsi", 110, 200, "KmPercorsi"},
      {"colInCorso", "Viaggio in corso", 120, 180, "InCorso"},
  };
  shell::setArchiveExportHelp(
      s, QStringLiteral("Esportazione registro viaggi in Microsoft Excel"),
      QStringLiteral("Il comando Esporta trasferisce tutte le schede del registro viaggi in un foglio di lavoro di "
                     "Microsoft Excel, leggibile da qualsiasi programma in grado di aprire i file in formato XLS."));
  return s;
}

TfrmExpServizi::TfrmExpServizi(QWidget* owner) : kit::SpreadsheetWindow(owner, settings()) {}

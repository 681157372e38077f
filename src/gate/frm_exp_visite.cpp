#include "gate/frm_exp_visite.h"

#include "gate/frm_registro.h"
#include "shell/export_help.h"

kit::ExportSettings TfrmExpVisite::settings() {
  kit::ExportSettings s;
  s.windowClass = QStringLiteral("TfrmExpVisite");
  s.caption = QStringLiteral(" Esporta archivio ingressi e uscite veicoli in Microsoft Excel");
  s.fileName = QStringLiteral("Ingressi_e_Uscite_Veicoli.xls");
  s.sheetName = QStringLiteral("Ingressi e Uscite Veicoli");
  s.archive = TfrmRegistro::gateArchive();
  // name, heading in the file, screen width, file width, field, editable, the grid's
  // own heading where the file's differs.
  s.columns = {
      {"colDataEnt", "Data ingresso", 120, 180, "DataEnt"},
      {"colOraEnt", "Ora ingresso", 120, 180, "OraEnt", {}, true},
      {"colOperatoreEnt", "Operatore entrata", 250, 250, "OperatoreEnt"},
      {"colVeicolo", "Marca e modello veicoli", 250, 250, "Veicolo", {}, false, "Marca e modello veicolo"},
      {"colTarga", "Targa", 150, 200, "Targa", {}, true},
      {"colConduttore", "Conduttore", 250, 250, "Conduttore"},
      {"colPersone", "Altre persone a bordo", 300, 300, "Persone"},
      {"colMerce", "Merce trasportata", 250, 300, "Merce"},
      {"colFoglio", "Foglio di marcia", 200, 250, "Foglio", {}, true},
      {"colTessere", "Tessere", 250, 250, "Tessere", {}, true},
      {"colLuogo", "Luogo destinazione", 250, 250, "Luogo", {}, true},
      {"colTelCel", "Cellulare", 200, 180, "TelCel", {}, false, "Tel. cellulare"},
      {"colNote", "Note", 300, 300, "Note", {}, true},
      {"colDataUsc", "Data uscita", 120, 180, "DataUsc", {}, true},
      {"colOraUsc", "Ora uscita", 120, 180, "OraUsc"},
      {"colOperatoreEsc", "Operatore uscita", 250, 250, "OperatoreUsc"},
  };
  shell::useProgramHelp(s);
  s.helpTitle = QStringLiteral("Esportazione archivio ingressi e uscite veicoli in Excel");
  s.helpParagraphs = {
      QStringLiteral("Il pulsante Esporta archivio consente di esportare il registro degli ingressi e uscite veicoli "
                     "in un foglio di lavoro di Microsoft Excel, che potrà essere aperto con qualsiasi software in "
                     "grado di gestire i file in formato XLS (ad esempio, con Open Office, Libre Office o Microsoft "
                     "Office)."),
      QStringLiteral("Dopo aver aperto la finestra contenente la griglia dei dati, bisogna fare clic sull'icona di "
                     "Excel. Questa operazione crea in tempo reale un file in formato XLS contenente le schede in "
                     "archivio, che potrà essere aperto immediatamente rispondendo affermativamente al messaggio di "
                     "domanda che appare."),
      QStringLiteral("A questo punto è sufficiente salvare il file sul proprio disco fisso assegnandogli un nome "
                     "qualsiasi."),
  };
  return s;
}

TfrmExpVisite::TfrmExpVisite(QWidget* owner) : kit::SpreadsheetWindow(owner, settings()) {}

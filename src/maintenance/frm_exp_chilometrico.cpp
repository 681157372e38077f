#include "maintenance/frm_exp_chilometrico.h"

#include <QPixmap>

#include "maintenance/mileage_archive.h"
#include "shell/frm_guida.h"
#include "shell/misc.h"

kit::ExportSettings TfrmExpChilometrico::settings() {
  kit::ExportSettings s;
  s.className = QStringLiteral("TfrmExpChilometrico");
  s.caption = QStringLiteral(" Esporta scadenzario chilometrico in Microsoft Excel");
  s.fileName = QStringLiteral("Scadenzario_Chilometrico.xls");
  s.sheetName = QStringLiteral("Scadenzario Chilometrico");
  s.archive = maintenance::mileageArchive();
  // name, heading, screen width, file width, field, compose, editable on the grid
  s.columns = {
      {"colVeicolo", "Tipo veicolo", 200, 250, "Veicolo", {}, false},
      {"colMarca", "Marca", 200, 250, "Marca", {}, false},
      {"colModello", "Modello", 200, 250, "Modello", {}, false},
      {"colColore", "Colore", 200, 250, "Colore", {}, false},
      {"colAlimentazione", "Alimentazione", 180, 250, "Alimentazione", {}, false},
      {"colTarga", "Targa", 160, 200, "Targa", {}, true},
      {"colConducente", "Conduttore", 200, 250, "Conducente", {}, false},
      {"colCodFisc", "Codice fiscale", 200, 250, "CodFisc", {}, false},
      {"colRecapito", "Recapito preferenziale", 200, 250, "Recapito", {}, false},
      {"colManutenzione", "Tipo manutenzione", 200, 250, "Manutenzione", {}, false},
      {"colDettagli", "Dettagli intervento", 300, 350, "Dettagli", {}, false},
      {"colOfficina", "Officina incaricata", 200, 250, "Officina", {}, false},
      {"colCosto", "Costo intervento", 160, 200, "Costo", {}, false},
      {"colDataInt", "Data intervento", 160, 200, "DataInt", {}, false},
      {"colKmRil", "Km iniziali", 180, 220, "KmRil", {}, false},
      {"colDataRil", "Data iniziale", 160, 200, "DataRil", {}, false},
      {"colOgni", "Manutenzione ogni km", 180, 220, "Ogni", {}, false},
      {"colProssima", "Scadenza a km", 180, 220, "Prossima", {}, false},
      {"colKmAttuali", "Km attuali", 180, 220, "KmAttuali", {}, true},
      {"colDataAtt", "Data attuale", 160, 200, "DataAtt", {}, true},
      {"colStato", "Stato manutenzione", 180, 220, "Stato", {}, true},
      {"colNote", "Note", 350, 400, "Note", {}, false},
      {"colEffettuata", "Manutenzione effettuata", 180, 200, "Effettuata", {}, true},
  };
  s.helpTitle = QStringLiteral("Esportazione scadenzario chilometrico in Excel");
  s.helpParagraphs = {
      QStringLiteral("Il comando Esporta archivio trasferisce tutte le schede dello scadenzario chilometrico in un "
                     "foglio di lavoro di Microsoft Excel, leggibile da qualsiasi programma in grado di aprire i file "
                     "in formato XLS."),
      QStringLiteral("Dopo l'apertura della finestra con la griglia dei dati è sufficiente fare clic sull'icona di "
                     "Excel: il file viene creato immediatamente e può essere aperto rispondendo Sì alla domanda che "
                     "segue."),
      QStringLiteral("A questo punto è sufficiente salvare il file sul proprio disco fisso assegnandogli un nome "
                     "qualsiasi."),
  };
  s.help = &TfrmGuida::showHelp;
  s.logo = &shell::logoPicture;
  return s;
}

TfrmExpChilometrico::TfrmExpChilometrico(QWidget* owner) : kit::SpreadsheetWindow(owner, settings()) {}

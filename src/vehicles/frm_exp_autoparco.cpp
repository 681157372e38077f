#include "vehicles/frm_exp_autoparco.h"

#include <QPixmap>

#include "shell/frm_guida.h"
#include "shell/misc.h"
#include "vehicles/vehicle_archive.h"

kit::ExportSettings TfrmExpAutoparco::settings() {
  kit::ExportSettings s;
  s.windowClass = QStringLiteral("TfrmExpAutoparco");
  s.caption = QStringLiteral(" Esportazione archivio veicoli in Microsoft Excel");
  s.fileName = QStringLiteral("Parco_Automezzi.xls");
  s.sheetName = QStringLiteral("Parco Automezzi");
  s.archive = vehicles::vehicleArchive();
  // name, heading, screen width, file width, field, compose, editable on the grid
  s.columns = {
      {"colTipo", "Tipo veicolo", 200, 250, "Tipo", {}, false},
      {"colDestinazione", "Destinazione ed uso", 200, 300, "Destinazione", {}, false},
      {"colMarca", "Marca", 200, 250, "Marca", {}, false},
      {"colModello", "Modello", 200, 250, "Modello", {}, true},
      {"colTarga", "Targa", 160, 200, "Targa", {}, true},
      {"colAnno", "Immatricolazione", 160, 200, "Anno", {}, true},
      {"colColore", "Colore", 200, 250, "Colore", {}, true},
      {"colTelaio", "Telaio", 200, 250, "Telaio", {}, false},
      {"colPneumatici", "Pneumatici", 250, 300, "Pneumatici", {}, false},
      {"colStato", "Stato veicolo", 200, 250, "Stato", {}, true},
      {"colKm", "Km percorsi", 180, 250, "Chilometri", {}, false},
      {"colAlimentazione", "Alimentazione", 180, 250, "Alimentazione", {}, false},
      {"colCilindrata", "Cilindrata", 180, 250, "Cilindrata", {}, false},
      {"colKW", "kW", 160, 250, "KW", {}, true},
      {"colAmbiente", "Compatibilità ambientale", 200, 250, "Ambiente", {}, false},
      {"coProprietario", "Proprietario", 250, 300, "Proprietario", {}, true},
      {"colAutista", "Autista", 200, 250, "Autista", {}, false},
      {"colTelAutista", "Tel. autista", 160, 200, "TelAutista", {}, true},
      {"colMeccanico", "Meccanico", 200, 250, "Meccanico", {}, true},
      {"coTelMeccanico", "Tel. meccanico", 160, 200, "TelMeccanico", {}, true},
      {"colScadRevisione", "Scad. revisione", 160, 200, "ScadRevisione", {}, true},
      {"colScadTagliando", "Scad. tagliando", 160, 200, "ScadTagliando", {}, true},
      {"coScadAssicurazione", "Scad. assicurazione", 160, 200, "ScadAssicurazione", {}, true},
      {"colScadBollo", "Scad. bollo", 160, 200, "ScadBollo", {}, true},
      {"colNote", "Note", 350, 400, "Note", {}, true},
  };
  s.helpTitle = QStringLiteral("Esportazione archivio veicoli in Microsoft Excel");
  s.helpParagraphs = {
      QStringLiteral("Il comando Esporta archivio trasferisce tutte le schede dei veicoli presenti in archivio in un "
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

TfrmExpAutoparco::TfrmExpAutoparco(QWidget* owner) : kit::SpreadsheetWindow(owner, settings()) {}

#include "vehicles/frm_exp_autoparco.h"

#include "shell/export_help.h"
#include "vehicles/vehicle_archive.h"

kit::ExportSettings TfrmExpAutoparco::settings() {
  kit::ExportSettings s;
  s.windowClass = QStringLiteral("TfrmExpAutoparco");
  s.caption = QStringLiteral(" Esportazione archivio veicoli in Microsoft Excel");
  s.fileName = QStringLiteral("Parco_Automezzi.xls");
  s.sheetName = QStringLiteral("Parco Automezzi");
  s.archive = vehicles::vehicleArchive();
  s.columns = {
      {.name = "colTipo", .heading = "Tipo veicolo", .screenWidth = 200, .fileWidth = 250, .field = "Tipo"},
      {.name = "colDestinazione", .heading = "Destinazione ed uso", .screenWidth = 200, .fileWidth = 300, .field = "Destinazione"},
      {.name = "colMarca", .heading = "Marca", .screenWidth = 200, .fileWidth = 250, .field = "Marca"},
      {.name = "colModello", .heading = "Modello", .screenWidth = 200, .fileWidth = 250, .field = "Modello", .editable = true},
      {.name = "colTarga", .heading = "Targa", .screenWidth = 160, .fileWidth = 200, .field = "Targa", .editable = true},
      {.name = "colAnno", .heading = "Immatricolazione", .screenWidth = 160, .fileWidth = 200, .field = "Anno", .editable = true},
      {.name = "colColore", .heading = "Colore", .screenWidth = 200, .fileWidth = 250, .field = "Colore", .editable = true},
      {.name = "colTelaio", .heading = "Telaio", .screenWidth = 200, .fileWidth = 250, .field = "Telaio"},
      {.name = "colPneumatici", .heading = "Pneumatici", .screenWidth = 250, .fileWidth = 300, .field = "Pneumatici"},
      {.name = "colStato", .heading = "Stato veicolo", .screenWidth = 200, .fileWidth = 250, .field = "Stato", .editable = true},
      {.name = "colKm", .heading = "Km percorsi", .screenWidth = 180, .fileWidth = 250, .field = "Chilometri"},
      {.name = "colAlimentazione", .heading = "Alimentazione", .screenWidth = 180, .fileWidth = 250, .field = "Alimentazione"},
      {.name = "colCilindrata", .heading = "Cilindrata", .screenWidth = 180, .fileWidth = 250, .field = "Cilindrata"},
      {.name = "colKW", .heading = "kW", .screenWidth = 160, .fileWidth = 250, .field = "KW", .editable = true},
      {.name = "colAmbiente", .heading = "Compatibilità ambientale", .screenWidth = 200, .fileWidth = 250, .field = "Ambiente"},
      {.name = "coProprietario", .heading = "Proprietario", .screenWidth = 250, .fileWidth = 300, .field = "Proprietario", .editable = true},
      {.name = "colAutista", .heading = "Autista", .screenWidth = 200, .fileWidth = 250, .field = "Autista"},
      {.name = "colTelAutista", .heading = "Tel. autista", .screenWidth = 160, .fileWidth = 200, .field = "TelAutista", .editable = true},
      {.name = "colMeccanico", .heading = "Meccanico", .screenWidth = 200, .fileWidth = 250, .field = "Meccanico", .editable = true},
      {.name = "coTelMeccanico", .heading = "Tel. meccanico", .screenWidth = 160, .fileWidth = 200, .field = "TelMeccanico", .editable = true},
      {.name = "colScadRevisione", .heading = "Scad. revisione", .screenWidth = 160, .fileWidth = 200, .field = "ScadRevisione", .editable = true},
      {.name = "colScadTagliando", .heading = "Scad. tagliando", .screenWidth = 160, .fileWidth = 200, .field = "ScadTagliando", .editable = true},
      {.name = "coScadAssicurazione", .heading = "Scad. assicurazione", .screenWidth = 160, .fileWidth = 200, .field = "ScadAssicurazione", .editable = true},
      {.name = "colScadBollo", .heading = "Scad. bollo", .screenWidth = 160, .fileWidth = 200, .field = "ScadBollo", .editable = true},
      {.name = "colNote", .heading = "Note", .screenWidth = 350, .fileWidth = 400, .field = "Note", .editable = true},
  };
  shell::setArchiveExportHelp(
      s, QStringLiteral("Esportazione archivio veicoli in Microsoft Excel"),
      QStringLiteral("Il comando Esporta archivio trasferisce tutte le schede dei veicoli presenti in archivio in un "
                     "foglio di lavoro di Microsoft Excel, leggibile da qualsiasi programma in grado di aprire i file "
                     "in formato XLS."));
  return s;
}

TfrmExpAutoparco::TfrmExpAutoparco(QWidget* owner) : kit::SpreadsheetWindow(owner, settings()) {}

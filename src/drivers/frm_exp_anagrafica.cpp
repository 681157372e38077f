#include "drivers/frm_exp_anagrafica.h"

#include "core/search_filter.h"
#include "drivers/driver_archive.h"
#include "drivers/driver_record.h"
#include "shell/export_help.h"

namespace {

std::size_t field(std::string_view name) { return drivers::driverLayout().indexOf(name); }

// A value joined from several fields, each trimmed, by one blank (not trimmed again:
// the file's cell is).
std::function<std::u16string(const core::RecordBuffer&)> joined(std::initializer_list<std::string_view> names) {
  std::vector<std::size_t> fields;
  for (std::string_view n : names) fields.push_back(field(n));
  return [fields](const core::RecordBuffer& record) { return core::joinFields(record, fields); };
}

kit::ExportColumn column(const char* name, const char* heading, int screenWidth, int fileWidth, std::string_view source) {
  return {.name = QString::fromLatin1(name), .heading = QString::fromUtf8(heading), .screenWidth = screenWidth,
          .fileWidth = fileWidth, .field = source};
}

}  // namespace

kit::ExportSettings TfrmExpAnagrafica::settings() {
  kit::ExportSettings s;
  s.windowClass = QStringLiteral("TfrmExpAnagrafica");
  s.caption = QStringLiteral(" Esporta archivio conduttori in Microsoft Excel");
  s.fileName = QStringLiteral("Conducenti.xls");
  s.sheetName = QStringLiteral("Anagrafica Conduttori");
  s.archive = drivers::driverArchive();
  kit::ExportColumn via = column("colVia", "Via e numero civico", 250, 300, "Via");
  via.gridHeading = QStringLiteral("Via / Piazza e numero civico");
  kit::ExportColumn citta{.name = QStringLiteral("colCitta"), .heading = QStringLiteral("Città"), .screenWidth = 250,
                          .fileWidth = 250, .compose = joined({"Cap", "Citta", "Prov"})};
  kit::ExportColumn veicolo{.name = QStringLiteral("colMarcaModello"), .heading = QStringLiteral("Marca e modello"),
                            .screenWidth = 250, .fileWidth = 250, .compose = joined({"Marca", "Modello"})};
  kit::ExportColumn ferie = column("colFerie", "In ferie", 100, 150, "Ferie");
  ferie.editable = true;
  kit::ExportColumn trasferte = column("colTrasferte", "Trasferte", 100, 150, "Trasferte");
  trasferte.editable = true;
  s.columns = {
      column("colConducente", "Cognome e nome", 220, 250, "Conducente"),
      column("colPatenti", "Patenti di guida", 180, 250, "Patenti"),
      column("colRecapito", "Recapito preferenziale", 180, 250, "Recapito"),
      via,
      citta,
      column("colCompensi", "Compensi pattuiti", 200, 250, "Compensi"),
      column("colTelCasa", "Tel. casa", 140, 200, "TelCasa"),
      column("colTelUff", "Tel. ufficio", 140, 200, "TelUff"),
      column("colTelCel", "Tel. cellulare", 140, 200, "TelCel"),
      column("colFax", "PEC", 200, 250, "Fax"),
      column("colEmail", "E-mail", 200, 250, "Email"),
      column("colCodFisc", "Codice fiscale", 180, 250, "CodFisc"),
      column("colCarta", "Carta di credito n.", 180, 250, "Carta"),
      column("colScadeCarta", "Data scadenza", 140, 250, "ScadeCarta"),
      column("colPartitaIva", "Partita IVA", 140, 250, "PartitaIva"),
      column("colIban", "IBAN", 260, 300, "Iban"),
      column("colVeicolo", "Tipo veicolo", 180, 250, "Veicolo"),
      veicolo,
      column("colColore", "Colore", 140, 200, "Colore"),
      column("colAlimentazione", "Alimentazione", 140, 200, "Alimentazione"),
      column("colTarga", "Targa", 120, 200, "Targa"),
      column("colProgramma", "Programma ferie", 220, 250, "Programma"),
      column("colNote", "Note", 300, 400, "Note"),
      ferie,
      trasferte,
  };
  shell::setArchiveExportHelp(
      s, QStringLiteral("Esportazione archivio conduttori in Microsoft Excel"),
      QStringLiteral("Il comando Esporta archivio trasferisce tutte le schede dei conduttori presenti in archivio in un "
                     "foglio di lavoro di Microsoft Excel, leggibile da qualsiasi programma in grado di aprire i file "
                     "in formato XLS."));
  return s;
}

TfrmExpAnagrafica::TfrmExpAnagrafica(QWidget* owner) : kit::SpreadsheetWindow(owner, settings()) {}

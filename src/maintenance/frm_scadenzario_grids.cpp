#include "maintenance/frm_scadenzario_grids.h"

#include <QLabel>

#include "core/due_dates.h"
#include "core/spreadsheet.h"
#include "maintenance/frm_scadenzario.h"
#include "maintenance/schedule_lines.h"
#include "maintenance/schedule_record.h"
#include "platform/qtext.h"
#include "shell/export_help.h"

namespace maintenance {

namespace {

QString archiveName(int year) { return QString::fromStdString(scheduleArchiveName(year)); }

const QStringList& selectiveHelp() {
  static const QStringList paragraphs = {
      QStringLiteral("Per visualizzare l'elenco delle scadenze imminenti premere il pulsante OK della finestra "
                     "dello scadenzario, attivo soltanto quando esistono appuntamenti imminenti."),
      QStringLiteral("L'elenco tiene conto dei giorni di preavviso di ogni appuntamento: se per una scadenza sono "
                     "stati scelti molti giorni di preavviso, l'elenco può mostrare appuntamenti ancora lontani."),
      QStringLiteral("I due pulsanti sotto il calendario elencano le scadenze del giorno scelto e quelle dell'intero "
                     "mese."),
      QStringLiteral("Gli appuntamenti sono elencati in ordine di data e ora, qualunque sia l'ordine in cui sono "
                     "stati registrati."),
      QStringLiteral("L'icona di Excel esporta l'elenco in un file di Microsoft Excel, che può essere aperto subito "
                     "rispondendo Sì alla domanda che segue."),
  };
  return paragraphs;
}

kit::ExportSettings gridSettings(const char* className, const char* caption, const char* fileName,
                                 const char* sheetName, bool withKey) {
  kit::ExportSettings s;
  s.windowClass = QString::fromLatin1(className);
  s.caption = QString::fromUtf8(caption);
  s.fileName = QString::fromLatin1(fileName);
  s.sheetName = QString::fromLatin1(sheetName);
  s.columns = scheduleGridColumns(withKey);
  shell::useProgramHelp(s);
  if (withKey) {
    s.sortBy = s.columns.size();  // the sort key, the last column
    s.helpTitle = QStringLiteral("Visualizzazione scadenze");
    s.helpParagraphs = selectiveHelp();
  }
  return s;
}

// The archive of the year of `day`; a day that is no date names none.
kit::ArchiveSource yearOf(const QDate& day) {
  const QString name = day.isValid() ? archiveName(day.year()) : QString();
  return kit::ArchiveSource::yearly([name] { return name; }, &scheduleLayout());
}

QDate calendarDate(QWidget* owner) {
  TfrmScadenzario* schedule = TfrmScadenzario::of(owner);
  return schedule ? schedule->appointmentDate() : QDate();
}

}  // namespace

std::vector<kit::ExportColumn> scheduleGridColumns(bool withKey) {
  std::vector<kit::ExportColumn> c = {
      {.name = "colData", .heading = "Data scadenza", .screenWidth = 150, .fileWidth = 150, .field = "Data"},
      {.name = "colOraApp", .heading = "Ora appuntamento", .screenWidth = 150, .fileWidth = 150, .field = "Ora"},
      {.name = "colConducente", .heading = "Conduttore", .screenWidth = 250, .fileWidth = 250, .field = "Conducente"},
      {.name = "colCodFisc", .heading = "Codice fiscale", .screenWidth = 180, .fileWidth = 200, .field = "CodFisc"},
      {.name = "colRecapito", .heading = "Recapito preferenziale", .screenWidth = 250, .fileWidth = 250, .field = "Recapito"},
      {.name = "colVeicolo", .heading = "Tipo veicolo", .screenWidth = 250, .fileWidth = 250, .field = "Veicolo"},
      {.name = "colMarca", .heading = "Marca", .screenWidth = 250, .fileWidth = 250, .field = "Marca"},
      {.name = "colModello", .heading = "Modello", .screenWidth = 250, .fileWidth = 250, .field = "Modello"},
      {.name = "colColore", .heading = "Colore", .screenWidth = 200, .fileWidth = 200, .field = "Colore"},
      {.name = "colAlimentazione", .heading = "Alimentazione", .screenWidth = 200, .fileWidth = 200, .field = "Alimentazione"},
      {.name = "colTarga", .heading = "Targa", .screenWidth = 200, .fileWidth = 200, .field = "Targa"},
      {.name = "colManutenzione", .heading = "Tipo manutenzione", .screenWidth = 250, .fileWidth = 250, .field = "Manutenzione"},
      {.name = "colDettagli", .heading = "Dettagli intervento", .screenWidth = 300, .fileWidth = 300, .field = "Dettagli"},
      {.name = "colOfficina", .heading = "Ricambi sostituiti", .screenWidth = 300, .fileWidth = 300, .field = "Officina"},
      {.name = "colCosto", .heading = "Costo intervento", .screenWidth = 180, .fileWidth = 200, .field = "Costo"},
      {.name = "colContatto", .heading = "Meccanico esecutore", .screenWidth = 250, .fileWidth = 250, .field = "Contatto"},
      {.name = "colDaConfermare", .heading = "Appuntamento da confermare", .screenWidth = 200, .fileWidth = 250, .field = "DaConfermare"},
      {.name = "colEffettuata", .heading = "Manutenzione effettuata", .screenWidth = 200, .fileWidth = 250, .field = "Effettuata"},
      {.name = "colNote", .heading = "Note", .screenWidth = 300, .fileWidth = 300, .field = "Note"},
  };
  if (withKey)
    c.push_back({.name = "colCodice", .heading = "Codice univoco", .screenWidth = 150, .fileWidth = 150,
                 .compose = scheduleSortKey});
  return c;
}

}  // namespace maintenance

kit::ExportSettings TfrmExpImminenti::settings(const core::Date& today) {
  kit::ExportSettings s = maintenance::gridSettings("TfrmExpImminenti", " Scadenze imminenti",
                                                    "Scadenze_Imminenti.xls", "Scadenze imminenti", true);
  // Always the current year's archive, whatever year the card shows.
  const QString name = maintenance::archiveName(today.year);
  s.archive = kit::ArchiveSource::yearly([name] { return name; }, &maintenance::scheduleLayout());
  const std::size_t data = maintenance::scheduleField("Data"), avviso = maintenance::scheduleField("Avviso");
  // A deadline whose date or warning days do not convert is left out; the others stay.
  s.take = [today, data, avviso](const core::RecordBuffer& record) {
    return core::checkImminent(record.rawValue(data), record.rawValue(avviso), today) == core::Imminence::Yes;
  };
  return s;
}
TfrmExpImminenti::TfrmExpImminenti(QWidget* owner) : kit::SpreadsheetWindow(owner, settings(core::today())) {}

kit::ExportSettings TfrmExpGiornaliere::settings(const QDate& day) {
  kit::ExportSettings s = maintenance::gridSettings("TfrmExpGiornaliere", " Scadenze del giorno",
                                                    "Scadenze_Giornaliere.xls", "Scadenze del giorno", true);
  s.archive = maintenance::yearOf(day);
  const core::Text date = day.isValid() ? core::formatDate({day.day(), day.month(), day.year()}) : core::Text();
  s.take = [date](const core::RecordBuffer& record) { return maintenance::isOnDate(record, date); };
  return s;
}
TfrmExpGiornaliere::TfrmExpGiornaliere(QWidget* owner)
    : kit::SpreadsheetWindow(owner, settings(maintenance::calendarDate(owner))) {}

kit::ExportSettings TfrmExpMensili::settings(const QDate& day) {
  kit::ExportSettings s = maintenance::gridSettings("TfrmExpMensili", " Scadenze del mese", "Scadenze_Mensili.xls",
                                                    "Scadenze del mese", true);
  s.archive = maintenance::yearOf(day);
  const int month = day.isValid() ? day.month() : 0;
  const core::Text year = day.isValid() ? core::yearText(day.year()) : core::Text();
  s.take = [month, year](const core::RecordBuffer& record) { return maintenance::isInMonth(record, month, year); };
  return s;
}
TfrmExpMensili::TfrmExpMensili(QWidget* owner)
    : kit::SpreadsheetWindow(owner, settings(maintenance::calendarDate(owner))) {}

kit::ExportSettings TfrmExpScadenzario::settings(QWidget* lblFile) {
  kit::ExportSettings s =
      maintenance::gridSettings("TfrmExpScadenzario", " Esporta archivio scadenzario manutenzioni",
                                "Scadenzario_Manutenzioni.xls", "Scadenzario Manutenzioni", false);
  s.archive = kit::ArchiveSource::fromControl(lblFile, &maintenance::scheduleLayout());
  shell::setArchiveExportHelp(
      s, QStringLiteral("Esportazione archivio manutenzioni in Excel"),
      QStringLiteral("Il comando Esporta archivio trasferisce tutte le schede dello scadenzario di un anno solare in "
                     "un foglio di lavoro di Microsoft Excel, leggibile da qualsiasi programma in grado di aprire i "
                     "file in formato XLS."));
  return s;
}

TfrmExpScadenzario::TfrmExpScadenzario(QWidget* owner)
    : kit::SpreadsheetWindow(owner, settings([owner]() -> QWidget* {
        TfrmScadenzario* schedule = TfrmScadenzario::of(owner);
        return schedule ? schedule->lblFile : nullptr;
      }())) {}

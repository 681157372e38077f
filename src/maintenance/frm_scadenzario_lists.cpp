#include "maintenance/frm_scadenzario_lists.h"

#include <QLabel>

#include "maintenance/frm_scadenzario.h"
#include "maintenance/schedule_lines.h"
#include "maintenance/schedule_record.h"

namespace maintenance {

namespace {

// The year's archive as the schedule window names it; none when there is no window.
QWidget* lblFileOf(QWidget* owner) {
  TfrmScadenzario* schedule = TfrmScadenzario::of(owner);
  return schedule ? schedule->lblFile : nullptr;
}

kit::ListSettings listSettings(QWidget* lblFile, const char* windowClass, const char* title,
                           bool (*select)(const core::RecordBuffer&)) {
  kit::ListSettings s = scheduleListSettings(lblFile);
  s.windowClass = QString::fromLatin1(windowClass);
  s.caption = QLatin1Char(' ') + QString::fromUtf8(title);
  s.printTitle = QString::fromUtf8(title);
  s.select = [select](const core::RecordBuffer& record, const core::Date&) {
    return select(record) ? core::Verdict::Take : core::Verdict::Skip;
  };
  return s;
}

}  // namespace

kit::PickTarget scheduleCardTarget(const QString& keyWord) {
  return {.keyWord = keyWord,
          .window = QStringLiteral("TfrmScadenzario"),
          .after = [](platform::Form& window, const core::RecordBuffer& record, std::size_t number) {
            if (auto* schedule = qobject_cast<TfrmScadenzario*>(&window)) schedule->loadCard(record, number);
          }};
}

kit::ListSettings scheduleListSettings(QWidget* lblFile) {
  kit::ListSettings s;
  s.archive = kit::ArchiveSource::fromControl(lblFile, &scheduleLayout());
  s.line = scheduleLineFormat();
  s.explanation = QStringLiteral("Fare doppio clic sulla voce in elenco per richiamare la scheda");
  s.doubleClick = true;
  s.targets = {scheduleCardTarget(QString())};
  return s;
}

}  // namespace maintenance

// ---- the three lists ---------------------------------------------------------------

kit::ListSettings TfrmConfermati::settings(QWidget* lblFile) {
  return maintenance::listSettings(lblFile, "TfrmConfermati", "Riepilogo manutenzioni da effettuare",
                                   maintenance::isToDo);
}
TfrmConfermati::TfrmConfermati(QWidget* owner) : kit::SearchWindow(owner, settings(maintenance::lblFileOf(owner))) {}

kit::ListSettings TfrmNonConfermati::settings(QWidget* lblFile) {
  return maintenance::listSettings(lblFile, "TfrmNonConfermati", "Riepilogo manutenzioni effettuate",
                                   maintenance::isDone);
}
TfrmNonConfermati::TfrmNonConfermati(QWidget* owner)
    : kit::SearchWindow(owner, settings(maintenance::lblFileOf(owner))) {}

kit::ListSettings TfrmDaConfermare::settings(QWidget* lblFile) {
  return maintenance::listSettings(lblFile, "TfrmDaConfermare", "Riepilogo appuntamenti da confermare",
                                   maintenance::isToConfirm);
}
TfrmDaConfermare::TfrmDaConfermare(QWidget* owner)
    : kit::SearchWindow(owner, settings(maintenance::lblFileOf(owner))) {}

// ---- the search ----------------------------------------------------------------------

std::vector<kit::PickTarget> TfrmTrovaScadenzario::pickTargets() {
  return {maintenance::scheduleCardTarget(QStringLiteral("Scadenzario"))};
}

kit::ListSettings TfrmTrovaScadenzario::settings(QWidget* lblFile) {
  kit::ListSettings s = maintenance::scheduleListSettings(lblFile);
  s.windowClass = QStringLiteral("TfrmTrovaScadenzario");
  s.caption = QStringLiteral(" Trova scadenze manutenzioni in archivio");
  const auto f = maintenance::scheduleField;
  s.filters = {
      {.edit = QStringLiteral("txtData"), .caption = QStringLiteral("Data scadenza (gg/mm/aaaa):"), .field = f("Data"),
       .highlight = QStringLiteral("effData")},
      {.edit = QStringLiteral("txtOra"), .caption = QStringLiteral("Ora appuntamento (hh:mm):"), .field = f("Ora"),
       .highlight = QStringLiteral("effOra")},
      {.edit = QStringLiteral("txtConducente"), .caption = QStringLiteral("Conduttore:"), .field = f("Conducente"),
       .highlight = QStringLiteral("effConducente")},
      {.edit = QStringLiteral("txtCodFisc"), .caption = QStringLiteral("Codice fiscale:"), .field = f("CodFisc"),
       .highlight = QStringLiteral("effCodFisc")},
      {.edit = QStringLiteral("txtManutenzione"), .caption = QStringLiteral("Tipo manutenzione:"), .field = f("Manutenzione"),
       .highlight = QStringLiteral("effManutenzione")},
      {.edit = QStringLiteral("txtTarga"), .caption = QStringLiteral("Targa veicolo:"), .field = f("Targa"),
       .highlight = QStringLiteral("effTarga")},
      {.edit = QStringLiteral("txtMarca"), .caption = QStringLiteral("Marca:"), .field = f("Marca"),
       .highlight = QStringLiteral("effMarca")},
      {.edit = QStringLiteral("txtModello"), .caption = QStringLiteral("Modello:"), .field = f("Modello"),
       .highlight = QStringLiteral("effModello")},
      {.edit = QStringLiteral("txtDettagli"), .caption = QStringLiteral("Dettagli intervento:"), .field = f("Dettagli"),
       .highlight = QStringLiteral("effDettagli")},
      {.edit = QStringLiteral("txtNote"), .caption = QStringLiteral("Note:"), .field = f("Note"),
       .highlight = QStringLiteral("effNote")},
  };
  s.counter = QStringLiteral("Il presente elenco contiene %1 schede.");
  s.printTitle = QStringLiteral("Riepilogo scadenze manutenzioni");
  s.targets = pickTargets();
  return s;
}

TfrmTrovaScadenzario::TfrmTrovaScadenzario(QWidget* owner)
    : kit::SearchWindow(owner, settings(maintenance::lblFileOf(owner))) {
  txtData = filterEdit(QStringLiteral("txtData"));
  txtOra = filterEdit(QStringLiteral("txtOra"));
  txtConducente = filterEdit(QStringLiteral("txtConducente"));
  txtCodFisc = filterEdit(QStringLiteral("txtCodFisc"));
  txtManutenzione = filterEdit(QStringLiteral("txtManutenzione"));
  txtTarga = filterEdit(QStringLiteral("txtTarga"));
  txtMarca = filterEdit(QStringLiteral("txtMarca"));
  txtModello = filterEdit(QStringLiteral("txtModello"));
  txtDettagli = filterEdit(QStringLiteral("txtDettagli"));
  txtNote = filterEdit(QStringLiteral("txtNote"));
}

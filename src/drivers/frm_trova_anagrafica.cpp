#include "drivers/frm_trova_anagrafica.h"

#include "drivers/driver_archive.h"
#include "drivers/driver_lines.h"
#include "drivers/driver_record.h"
#include "drivers/driver_lists.h"

namespace {

std::size_t field(std::string_view name) { return drivers::driverLayout().indexOf(name); }

kit::ControlWrite put(const char* control, std::string_view name) { return {QString::fromLatin1(control), {field(name)}}; }

kit::ListFilter filter(const char* edit, const char* caption, std::string_view name, const char* highlight) {
  return {QString::fromLatin1(edit), QString::fromUtf8(caption), field(name), QString::fromLatin1(highlight)};
}

// What a schedule card takes of a driver: name, tax code and contact, nothing else.
std::vector<kit::ControlWrite> scheduleDriver() {
  return {put("txtConducente", "Conducente"), put("txtCodFisc", "CodFisc"), put("txtRecapito", "Recapito")};
}

}  // namespace

std::vector<kit::PickTarget> TfrmTrovaAnagrafica::pickTargets() {
  std::vector<kit::PickTarget> t;
  t.push_back(drivers::driverCardTarget(QStringLiteral("anagrafica")));
  t.push_back({.keyWord = QStringLiteral("scadenzario"), .window = QStringLiteral("TfrmScadenzario"),
               .writes = scheduleDriver()});
  t.push_back({.keyWord = QStringLiteral("chilometrico"), .window = QStringLiteral("TfrmChilometrico"),
               .writes = scheduleDriver()});
  return t;
}

kit::ListSettings TfrmTrovaAnagrafica::settings() {
  kit::ListSettings s;
  s.windowClass = QStringLiteral("TfrmTrovaAnagrafica");
  s.caption = QStringLiteral(" Trova conduttori in archivio");
  s.archive = drivers::driverArchive();
  s.line = drivers::driverLine();
  s.filters = {
      filter("txtConducente", "Cognome e nome:", "Conducente", "effCampo01"),
      filter("txtCodFisc", "Codice fiscale:", "CodFisc", "effCampo02"),
      filter("txtPatenti", "Patenti di guida:", "Patenti", "effCampo03"),
      filter("txtCitta", "Città:", "Citta", "effCampo04"),
      filter("txtVeicolo", "Tipo veicolo assegnato:", "Veicolo", "effCampo05"),
      filter("txtTarga", "Targa:", "Targa", "effCampo06"),
      filter("txtMarca", "Marca:", "Marca", "effCampo07"),
      filter("txtModello", "Modello:", "Modello", "effCampo08"),
      filter("txtProgramma", "Programma ferie:", "Programma", "effCampo09"),
      filter("txtNote", "Note:", "Note", "effCampo10"),
  };
  s.explanation = QStringLiteral("Fare doppio clic sulla voce in elenco per richiamare la scheda");
  s.counter = QStringLiteral("Il presente elenco contiene %1 schede.");
  s.printTitle = QStringLiteral("Riepilogo conduttori in archivio");
  s.findHighlight = true;
  s.doubleClick = true;
  s.targets = pickTargets();
  return s;
}

TfrmTrovaAnagrafica::TfrmTrovaAnagrafica(QWidget* owner) : kit::SearchWindow(owner, settings()) {
  platform::setRegionalFormats();
  txtConducente = filterEdit(QStringLiteral("txtConducente"));
  txtCodFisc = filterEdit(QStringLiteral("txtCodFisc"));
  txtPatenti = filterEdit(QStringLiteral("txtPatenti"));
  txtCitta = filterEdit(QStringLiteral("txtCitta"));
  txtVeicolo = filterEdit(QStringLiteral("txtVeicolo"));
  txtTarga = filterEdit(QStringLiteral("txtTarga"));
  txtMarca = filterEdit(QStringLiteral("txtMarca"));
  txtModello = filterEdit(QStringLiteral("txtModello"));
  txtProgramma = filterEdit(QStringLiteral("txtProgramma"));
  txtNote = filterEdit(QStringLiteral("txtNote"));
}

void TfrmTrovaAnagrafica::open(QWidget* owner, const QString& keyWord) {
  TfrmTrovaAnagrafica search(owner);
  search.setMemory(keyWord);
  search.showModalDialog();
}

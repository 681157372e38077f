#include "maintenance/frm_trova_chilometrico.h"

#include "maintenance/mileage_archive.h"
#include "maintenance/mileage_lists.h"
#include "maintenance/mileage_record.h"
#include "maintenance/mileage_rules.h"

namespace {

kit::ListFilter filter(const char* edit, const char* caption, std::string_view field, int number) {
  return {.edit = QString::fromLatin1(edit),
          .caption = QString::fromUtf8(caption),
          .field = maintenance::mileageLayout().indexOf(field),
          .highlight = QStringLiteral("effCampo%1").arg(number, 2, 10, QLatin1Char('0'))};
}

}  // namespace

std::vector<kit::PickTarget> TfrmTrovaChilometrico::pickTargets() {
  return {maintenance::mileageCardTarget(QStringLiteral("chilometrico"))};
}

kit::ListSettings TfrmTrovaChilometrico::settings() {
  kit::ListSettings s;
  s.windowClass = QStringLiteral("TfrmTrovaChilometrico");
  s.caption = QStringLiteral(" Trova scadenze chilometriche");
  s.archive = maintenance::mileageArchive();
  s.line = maintenance::mileageLine();
  s.filters = {
      filter("txtVeicolo", "Tipo veicolo:", "Veicolo", 1),
      filter("txtTarga", "Targa:", "Targa", 2),
      filter("txtMarca", "Marca:", "Marca", 3),
      filter("txtModello", "Modello:", "Modello", 4),
      filter("txtConducente", "Conduttore:", "Conducente", 5),
      filter("txtManutenzione", "Tipo manutenzione:", "Manutenzione", 6),
      filter("txtOfficina", "Officina incaricata:", "Officina", 7),
      filter("txtDataInt", "Data intervento (gg/mm/aaaa):", "DataInt", 8),
      filter("txtDettagli", "Dettagli intervento:", "Dettagli", 9),
      filter("txtNote", "Note:", "Note", 10),
  };
  s.explanation = QStringLiteral("Fare doppio clic sulla voce in elenco per richiamare la scheda");
  s.counter = QStringLiteral("Il presente elenco contiene %1 schede.");
  s.printTitle = QStringLiteral("Scadenzario chilometrico");
  s.doubleClick = true;
  s.targets = pickTargets();
  return s;
}

TfrmTrovaChilometrico::TfrmTrovaChilometrico(QWidget* owner) : kit::SearchWindow(owner, settings()) {
  txtVeicolo = filterEdit(QStringLiteral("txtVeicolo"));
  txtTarga = filterEdit(QStringLiteral("txtTarga"));
  txtMarca = filterEdit(QStringLiteral("txtMarca"));
  txtModello = filterEdit(QStringLiteral("txtModello"));
  txtConducente = filterEdit(QStringLiteral("txtConducente"));
  txtManutenzione = filterEdit(QStringLiteral("txtManutenzione"));
  txtOfficina = filterEdit(QStringLiteral("txtOfficina"));
  txtDataInt = filterEdit(QStringLiteral("txtDataInt"));
  txtDettagli = filterEdit(QStringLiteral("txtDettagli"));
  txtNote = filterEdit(QStringLiteral("txtNote"));
}

#include "gate/frm_trova_visite.h"

#include <QString>

#include "gate/frm_registro.h"
#include "gate/visit_lines.h"
#include "gate/visit_record.h"

namespace {

// The filter of a visit field: the edit "txt" + field, its highlight "eff" + field.
kit::ListFilter filter(std::string_view field, const char* caption) {
  const QString name = QString::fromLatin1(field.data(), static_cast<qsizetype>(field.size()));
  return {.edit = "txt" + name, .caption = QString::fromUtf8(caption), .field = gate::visitLayout().indexOf(field),
          .highlight = "eff" + name};
}

}  // namespace

std::vector<kit::PickTarget> TfrmTrovaVisite::pickTargets() {
  return {TfrmRegistro::pickTarget(QStringLiteral("registro"))};
}

kit::ListSettings TfrmTrovaVisite::settings() {
  kit::ListSettings s;
  s.windowClass = QStringLiteral("TfrmTrovaVisite");
  s.caption = QStringLiteral(" Trova ingressi e uscite veicoli in archivio");
  s.archive = TfrmRegistro::gateArchive();
  s.line = gate::visitSearchLine();
  // Two to a row: the entry date, vehicle, driver, persons and destination at the
  // left, the exit date, plate, waybill, goods and notes at the right.
  s.filters = {
      filter("DataEnt", "Data ingresso (gg/mm/aaaa):"),
      filter("DataUsc", "Data uscita (gg/mm/aaaa):"),
      filter("Veicolo", "Marca e modello veicolo:"),
      filter("Targa", "Targa:"),
      filter("Conduttore", "Conduttore:"),
      filter("Foglio", "Foglio di marcia:"),
      filter("Persone", "Altre persone a bordo:"),
      filter("Merce", "Merce trasportata:"),
      filter("Luogo", "Luogo destinazione:"),
      filter("Note", "Note:"),
  };
  s.explanation = TfrmRegistro::kListExplanation;
  s.resultHeading = QStringLiteral("RISULTATI DI RICERCA");
  s.filterStrip = QStringLiteral(
      "Digitare nei campi desiderati una o più parole consecutive contenute nelle schede da trovare e premere "
      "\"Cerca\"; lasciare in bianco tutti gli altri campi. Ogni ricerca può utilizzare uno o più campi "
      "contemporaneamente.");
  s.findStrip = TfrmRegistro::kFindInstructions;
  s.counter = QStringLiteral("Il presente riepilogo contiene %1 schede.");
  s.printTitle = QStringLiteral("Riepilogo ingressi e uscite veicoli");
  s.doubleClick = true;
  s.targets = pickTargets();
  return s;
}

TfrmTrovaVisite::TfrmTrovaVisite(QWidget* owner) : kit::SearchWindow(owner, settings()) {
  txtDataEnt = filterEdit(QStringLiteral("txtDataEnt"));
  txtDataUsc = filterEdit(QStringLiteral("txtDataUsc"));
  txtVeicolo = filterEdit(QStringLiteral("txtVeicolo"));
  txtTarga = filterEdit(QStringLiteral("txtTarga"));
  txtConduttore = filterEdit(QStringLiteral("txtConduttore"));
  txtFoglio = filterEdit(QStringLiteral("txtFoglio"));
  txtPersone = filterEdit(QStringLiteral("txtPersone"));
  txtMerce = filterEdit(QStringLiteral("txtMerce"));
  txtLuogo = filterEdit(QStringLiteral("txtLuogo"));
  txtNote = filterEdit(QStringLiteral("txtNote"));
}

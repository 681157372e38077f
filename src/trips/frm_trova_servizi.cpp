#include "trips/frm_trova_servizi.h"

#include <QString>

#include "kit/messages.h"
#include "trips/frm_servizi.h"
#include "trips/trip_archive.h"

namespace {

using trips::tripField;

// The filter of a trip field: the edit "txt" + field, its highlight "eff" + field.
kit::ListFilter filter(std::string_view field, const char* caption) {
  const QString name = QString::fromLatin1(field.data(), static_cast<qsizetype>(field.size()));
  return {.edit = "txt" + name, .caption = QString::fromUtf8(caption), .field = tripField(field),
          .highlight = "eff" + name};
}

}  // namespace

std::vector<kit::PickTarget> TfrmTrovaServizi::pickTargets() {
  return {TfrmServizi::pickTarget(QStringLiteral("servizi"))};
}

kit::ListSettings TfrmTrovaServizi::settings() {
  kit::ListSettings s;
  s.windowClass = QStringLiteral("TfrmTrovaServizi");
  s.caption = QStringLiteral(" Trova viaggi in archivio");
  s.archive = trips::tripArchive();
  s.line = trips::tripListLine();
  s.filters = {
      filter("DataPartenza", "Data partenza (gg/mm/aaaa):"),
      filter("DataRientro", "Data rientro (gg/mm/aaaa):"),
      filter("Luogo", "Luogo destinazione:"),
      filter("Itinerario", "Itinerario:"),
      filter("Scopo", "Scopo del viaggio:"),
      filter("Merce", "Merce trasportata:"),
      filter("Veicolo", "Marca e modello veicolo:"),
      filter("Targa", "Targa:"),
      filter("Conduttore", "Conduttore:"),
      filter("Persone", "Altre persone a bordo:"),
  };
  s.explanation = TfrmServizi::kListExplanation;
  s.resultHeading = QStringLiteral("RISULTATI DI RICERCA");
  s.filterStrip = QStringLiteral(
      "Digitare una o più parole consecutive delle schede cercate nei campi desiderati, lasciare in bianco gli altri "
      "campi e premere \"Cerca\". È possibile compilare più campi contemporaneamente.");
  s.findStrip = kit::msg::kFindInstructions;
  s.counter = QStringLiteral("Il presente riepilogo contiene %1 schede.");
  s.printTitle = QStringLiteral("Registro viaggi");
  s.doubleClick = true;
  s.targets = pickTargets();
  return s;
}

TfrmTrovaServizi::TfrmTrovaServizi(QWidget* owner) : kit::SearchWindow(owner, settings()) {
  txtDataPartenza = filterEdit(QStringLiteral("txtDataPartenza"));
  txtDataRientro = filterEdit(QStringLiteral("txtDataRientro"));
  txtLuogo = filterEdit(QStringLiteral("txtLuogo"));
  txtItinerario = filterEdit(QStringLiteral("txtItinerario"));
  txtScopo = filterEdit(QStringLiteral("txtScopo"));
  txtMerce = filterEdit(QStringLiteral("txtMerce"));
  txtVeicolo = filterEdit(QStringLiteral("txtVeicolo"));
  txtTarga = filterEdit(QStringLiteral("txtTarga"));
  txtConduttore = filterEdit(QStringLiteral("txtConduttore"));
  txtPersone = filterEdit(QStringLiteral("txtPersone"));
}

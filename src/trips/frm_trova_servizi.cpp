#include "trips/frm_trova_servizi.h"

#include <QString>

#include "trips/frm_servizi.h"
#include "trips/trip_archive.h"

namespace {

using trips::tripField;


}  // namespace

std::vector<kit::PickTarget> TfrmTrovaServizi::pickTargets() { return {TfrmServizi::pickTarget(QStringLiteral("servizi"))}; }

kit::ListSettings TfrmTrovaServizi::settings() {
  kit::ListSettings s;
  s.windowClass = QStringLiteral("TfrmTrovaServizi");
  s.caption = QStringLiteral(" Trova viaggi in archivio");
  s.archive = trips::tripArchive();
  s.line = trips::tripListLine();
  s.filters = {
      {QStringLiteral("txtDataPartenza"), QStringLiteral("Data partenza (gg/mm/aaaa):"), tripField("DataPartenza"),
       QStringLiteral("effDataPartenza")},
      {QStringLiteral("txtDataRientro"), QStringLiteral("Data rientro (gg/mm/aaaa):"), tripField("DataRientro"),
       QStringLiteral("effDataRientro")},
      {QStringLiteral("txtLuogo"), QStringLiteral("Luogo destinazione:"), tripField("Luogo"), QStringLiteral("effLuogo")},
      {QStringLiteral("txtItinerario"), QStringLiteral("Itinerario:"), tripField("Itinerario"),
       QStringLiteral("effItinerario")},
      {QStringLiteral("txtScopo"), QStringLiteral("Scopo del viaggio:"), tripField("Scopo"), QStringLiteral("effScopo")},
      {QStringLiteral("txtMerce"), QStringLiteral("Merce trasportata:"), tripField("Merce"), QStringLiteral("effMerce")},
      {QStringLiteral("txtVeicolo"), QStringLiteral("Marca e modello veicolo:"), tripField("Veicolo"),
       QStringLiteral("effVeicolo")},
      {QStringLiteral("txtTarga"), QStringLiteral("Targa:"), tripField("Targa"), QStringLiteral("effTarga")},
      {QStringLiteral("txtConduttore"), QStringLiteral("Conduttore:"), tripField("Conduttore"),
       QStringLiteral("effConduttore")},
      {QStringLiteral("txtPersone"), QStringLiteral("Altre persone a bordo:"), tripField("Persone"),
       QStringLiteral("effPersone")},
  };
  s.explanation = TfrmServizi::kListExplanation;
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

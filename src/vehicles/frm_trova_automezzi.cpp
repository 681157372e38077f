#include "vehicles/frm_trova_automezzi.h"

#include <QString>

#include "vehicles/frm_autoparco.h"
#include "vehicles/vehicle_archive.h"
#include "vehicles/vehicle_record.h"

namespace {

std::size_t field(std::string_view name) { return vehicles::vehicleLayout().indexOf(name); }

kit::ControlWrite put(const char* control, std::initializer_list<std::string_view> names) {
  kit::ControlWrite w{QString::fromLatin1(control), {}};
  for (auto n : names) w.fields.push_back(field(n));
  return w;
}

// The six fields the schedule, mileage and cost cards take.
std::vector<kit::ControlWrite> vehicleIdentity() {
  return {put("txtVeicolo", {"Tipo"}),           put("txtMarca", {"Marca"}),
          put("txtModello", {"Modello"}),        put("txtColore", {"Colore"}),
          put("txtAlimentazione", {"Alimentazione"}), put("txtTarga", {"Targa"})};
}

}  // namespace

std::vector<core::LinePiece> TfrmTrovaAutomezzi::lineStart() {
  using namespace core::line;
  return {
      column({field("Tipo")}, 20),
      literal(u"  "),
      column({field("Marca"), field("Modello")}, 30),
      literal(u"  Targa: "),
      column({field("Targa")}, 12),
  };
}

core::LineFormat TfrmTrovaAutomezzi::lineFormat() {
  using namespace core::line;
  std::vector<core::LinePiece> pieces = lineStart();
  pieces.insert(pieces.end(), {
                                  literal(u"  Titolare: "),
                                  column({field("Proprietario")}, 30),
                                  literal(u"  Anno: "),
                                  column({field("Anno")}, 10),
                                  literal(u"  Km: "),
                                  rest({field("Chilometri")}),
                              });
  return core::LineFormat(std::move(pieces));
}

std::vector<kit::PickTarget> TfrmTrovaAutomezzi::pickTargets() {
  std::vector<kit::PickTarget> t;
  // The vehicle card shows the whole record, its number and its photo, as if
  // navigation had reached it.
  kit::PickTarget card{.keyWord = QStringLiteral("autoparco"), .window = QStringLiteral("TfrmAutoparco")};
  card.after = [](platform::Form& window, const core::RecordBuffer& record, std::size_t number) {
    if (auto* autoparco = qobject_cast<TfrmAutoparco*>(&window)) autoparco->loadCard(record, number);
  };
  t.push_back(std::move(card));
  t.push_back({.keyWord = QStringLiteral("servizi"), .window = QStringLiteral("TfrmServizi"), .writes = {put("txtVeicolo", {"Marca", "Modello"}), put("txtTarga", {"Targa"})}});
  t.push_back({.keyWord = QStringLiteral("riepcosti"), .window = QStringLiteral("TfrmMenuRiepCosti"), .writes = {put("txtCliente", {"Targa"})}});
  auto driver = vehicleIdentity();
  driver.push_back(put("txtConducente", {"Autista"}));
  driver.push_back(put("txtRecapito", {"TelAutista"}));
  t.push_back({.keyWord = QStringLiteral("anagrafica"), .window = QStringLiteral("TfrmAnagrafica"), .writes = driver});
  t.push_back({.keyWord = QStringLiteral("registro"), .window = QStringLiteral("TfrmRegistro"), .writes = {put("txtVeicolo", {"Marca", "Modello"}), put("txtTarga", {"Targa"}), put("txtConduttore", {"Autista"})}});
  t.push_back({.keyWord = QStringLiteral("scadenzario"), .window = QStringLiteral("TfrmScadenzario"), .writes = vehicleIdentity()});
  t.push_back({.keyWord = QStringLiteral("chilometrico"), .window = QStringLiteral("TfrmChilometrico"), .writes = vehicleIdentity()});
  t.push_back({.keyWord = QStringLiteral("costi"), .window = QStringLiteral("TfrmCosti"), .writes = vehicleIdentity()});
  t.push_back({.keyWord = QStringLiteral("riepspese"), .window = QStringLiteral("TfrmMenuRiepSpese"), .writes = {put("txtTipologia", {"Targa"})}});
  return t;
}

kit::ListSettings TfrmTrovaAutomezzi::settings() {
  kit::ListSettings s;
  s.windowClass = QStringLiteral("TfrmTrovaAutomezzi");
  s.caption = QStringLiteral(" Trova schede veicoli in archivio");
  s.archive = vehicles::vehicleArchive();
  s.line = lineFormat();
  s.filters = {
      {QStringLiteral("txtTipo"), QStringLiteral("Tipo veicolo:"), field("Tipo"), QStringLiteral("effCampo01")},
      {QStringLiteral("txtDestinazione"), QStringLiteral("Destinazione ed uso:"), field("Destinazione"), QStringLiteral("effCampo02")},
      {QStringLiteral("txtMarca"), QStringLiteral("Marca:"), field("Marca"), QStringLiteral("effCampo09")},
      {QStringLiteral("txtModello"), QStringLiteral("Modello:"), field("Modello"), QStringLiteral("effCampo10")},
      {QStringLiteral("txtTarga"), QStringLiteral("Targa:"), field("Targa"), QStringLiteral("effCampo05")},
      {QStringLiteral("txtStato"), QStringLiteral("Stato veicolo:"), field("Stato"), QStringLiteral("effCampo06")},
      {QStringLiteral("txtAutista"), QStringLiteral("Autista:"), field("Autista"), QStringLiteral("effCampo07")},
      {QStringLiteral("txtMeccanico"), QStringLiteral("Meccanico:"), field("Meccanico"), QStringLiteral("effCampo08")},
      {QStringLiteral("txtProprietario"), QStringLiteral("Proprietario:"), field("Proprietario"), QStringLiteral("effCampo03")},
      {QStringLiteral("txtNote"), QStringLiteral("Note:"), field("Note"), QStringLiteral("effCampo04")},
  };
  s.explanation = QStringLiteral("Fare doppio clic sulla voce in elenco per richiamare la scheda");
  s.counter = QStringLiteral("Il presente riepilogo contiene %1 schede");
  s.printTitle = QStringLiteral("Riepilogo schede veicoli in archivio");
  s.doubleClick = true;
  s.targets = pickTargets();
  return s;
}

TfrmTrovaAutomezzi::TfrmTrovaAutomezzi(QWidget* owner) : kit::SearchWindow(owner, settings()) {
  txtTipo = filterEdit(QStringLiteral("txtTipo"));
  txtDestinazione = filterEdit(QStringLiteral("txtDestinazione"));
  txtMarca = filterEdit(QStringLiteral("txtMarca"));
  txtModello = filterEdit(QStringLiteral("txtModello"));
  txtTarga = filterEdit(QStringLiteral("txtTarga"));
  txtStato = filterEdit(QStringLiteral("txtStato"));
  txtAutista = filterEdit(QStringLiteral("txtAutista"));
  txtMeccanico = filterEdit(QStringLiteral("txtMeccanico"));
  txtProprietario = filterEdit(QStringLiteral("txtProprietario"));
  txtNote = filterEdit(QStringLiteral("txtNote"));
}

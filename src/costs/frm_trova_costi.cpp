#include "costs/frm_trova_costi.h"

#include <QLabel>

#include "costs/cost_lines.h"
#include "costs/cost_record.h"
#include "costs/frm_costi.h"
#include "platform/windows.h"

namespace costs {

QWidget* lblFileOf(QWidget* owner) {
  for (QWidget* w = owner; w; w = w->parentWidget())
    if (auto* card = qobject_cast<TfrmCosti*>(w)) return card->lblFile;
  auto* card = platform::findWindow<TfrmCosti>(QStringLiteral("TfrmCosti"));
  return card ? card->lblFile : nullptr;
}

kit::ListSettings costListSettings(QWidget* lblFile) {
  kit::ListSettings s;
  s.archive = kit::ArchiveSource::fromControl(lblFile, &costLayout());
  s.line = costListLine();
  s.explanation = QStringLiteral("Fare doppio clic sulla voce in elenco per richiamare la scheda");
  s.findStrip = QStringLiteral(
      "Digitare una o più parole consecutive presenti in una riga dell'elenco e premere \"Trova\"; premere di nuovo "
      "\"Trova\" per passare alla riga successiva che contiene lo stesso testo.");
  s.findHighlight = true;
  s.doubleClick = true;
  s.targets = {TfrmCosti::pickTarget(QString())};
  return s;
}

}  // namespace costs

namespace {

// The filter of a cost field: its edit, caption and highlight effCampo01 .. effCampo10.
kit::ListFilter filter(const char* edit, const char* caption, std::string_view field, int number) {
  return {.edit = QString::fromLatin1(edit), .caption = QString::fromUtf8(caption), .field = costs::costField(field),
          .highlight = QStringLiteral("effCampo%1").arg(number, 2, 10, QLatin1Char('0'))};
}

}  // namespace

std::vector<kit::PickTarget> TfrmTrovaCosti::pickTargets() { return {TfrmCosti::pickTarget(QStringLiteral("Costi"))}; }

kit::ListSettings TfrmTrovaCosti::settings(QWidget* lblFile) {
  kit::ListSettings s = costs::costListSettings(lblFile);
  s.windowClass = QStringLiteral("TfrmTrovaCosti");
  s.caption = QStringLiteral(" Trova costi sostenuti in archivio");
  s.filters = {
      filter("txtData", "Data saldo (gg/mm/aaaa):", "Data", 1),
      filter("txtCausale", "Causale pagamento:", "Causale", 2),
      filter("txtConducente", "Conduttore o responsabile:", "Conducente", 3),
      filter("txtPagatore", "Pagatore:", "Pagatore", 4),
      filter("txtBeneficiario", "Beneficiario:", "Beneficiario", 5),
      filter("txtTarga", "Targa veicolo:", "Targa", 6),
      filter("txtMarca", "Marca:", "Marca", 7),
      filter("txtModello", "Modello:", "Modello", 8),
      filter("txtDescrizione", "Descrizione costi:", "Descrizione", 9),
      filter("txtNote", "Note:", "Note", 10),
  };
  s.resultHeading = QStringLiteral("RISULTATI DI RICERCA");
  s.filterStrip = QStringLiteral(
      "Digitare una o più parole consecutive presenti nelle schede da trovare nei campi desiderati e premere "
      "\"Cerca\"; lasciare vuoti tutti gli altri campi. In ogni ricerca si possono usare uno o più campi.");
  s.counter = QStringLiteral("Il presente elenco contiene %1 schede.");
  s.printTitle = QStringLiteral("Riepilogo costi sostenuti");
  s.targets = pickTargets();
  return s;
}

TfrmTrovaCosti::TfrmTrovaCosti(QWidget* owner) : kit::SearchWindow(owner, settings(costs::lblFileOf(owner))) {
  txtData = filterEdit(QStringLiteral("txtData"));
  txtCausale = filterEdit(QStringLiteral("txtCausale"));
  txtConducente = filterEdit(QStringLiteral("txtConducente"));
  txtPagatore = filterEdit(QStringLiteral("txtPagatore"));
  txtBeneficiario = filterEdit(QStringLiteral("txtBeneficiario"));
  txtTarga = filterEdit(QStringLiteral("txtTarga"));
  txtMarca = filterEdit(QStringLiteral("txtMarca"));
  txtModello = filterEdit(QStringLiteral("txtModello"));
  txtDescrizione = filterEdit(QStringLiteral("txtDescrizione"));
  txtNote = filterEdit(QStringLiteral("txtNote"));
}

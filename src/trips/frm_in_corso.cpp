#include "trips/frm_in_corso.h"

#include <QString>

#include "kit/messages.h"
#include "trips/frm_servizi.h"
#include "trips/trip_archive.h"

std::vector<kit::PickTarget> TfrmInCorso::pickTargets() { return {TfrmServizi::pickTarget(QString())}; }

kit::ListSettings TfrmInCorso::settings() {
  kit::ListSettings s;
  s.windowClass = QStringLiteral("TfrmInCorso");
  s.caption = QStringLiteral(" Riepilogo viaggi in corso");
  s.archive = trips::tripArchive();
  s.line = trips::tripListLine();
  const std::size_t flag = trips::tripField("InCorso");
  const core::Text yes = u"Sì";
  s.select = [flag, yes](const core::RecordBuffer& record, const core::Date&) {
    return record.get(flag) == yes ? core::Verdict::Take : core::Verdict::Skip;
  };
  s.explanation = TfrmServizi::kListExplanation;
  s.resultHeading = QStringLiteral("VIAGGI IN CORSO");
  s.findStrip = kit::msg::kFindInstructions;
  s.printTitle = QStringLiteral("Riepilogo viaggi in corso");
  s.doubleClick = true;
  s.targets = pickTargets();
  return s;
}

TfrmInCorso::TfrmInCorso(QWidget* owner) : kit::SearchWindow(owner, settings()) {}

#include "costs/frm_da_saldare.h"

#include "costs/cost_record.h"
#include "costs/frm_trova_costi.h"

kit::ListSettings TfrmDaSaldare::settings(QWidget* lblFile) {
  kit::ListSettings s = costs::costListSettings(lblFile);
  s.windowClass = QStringLiteral("TfrmDaSaldare");
  s.caption = QStringLiteral(" Riepilogo pagamenti da saldare");
  s.resultHeading = QStringLiteral("PAGAMENTI DA SALDARE");
  s.printTitle = QStringLiteral("Riepilogo pagamenti da saldare");
  // Exactly "No": a flag of "Sì", empty, "no" or anything else is not a payment to settle.
  const std::size_t flag = costs::costField("Saldato");
  s.select = [flag](const core::RecordBuffer& record, const core::Date&) {
    return core::trimBytes(record.rawValue(flag)) == "No" ? core::Verdict::Take : core::Verdict::Skip;
  };
  return s;
}

TfrmDaSaldare::TfrmDaSaldare(QWidget* owner) : kit::SearchWindow(owner, settings(costs::lblFileOf(owner))) {}

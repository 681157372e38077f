#include "planner/frm_riep_prenotazioni.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "kit/list_print.h"
#include "kit/messages.h"
#include "planner/booking_summary.h"
#include "planner/frm_planning.h"
#include "platform/qtext.h"
#include "platform/windows.h"

namespace planner {

TfrmPlanning* bookingBoard() { return platform::findWindow<TfrmPlanning>(QStringLiteral("TfrmPlanning")); }

core::LineList boardSummaryLines(const TfrmPlanning* board) {
  if (!board) return {};
  return summaryLines([board](const BoardDay& day) { return platform::toCore(board->dayText(day)); });
}

}  // namespace planner

kit::ListSettings TfrmRiepPrenotazioni::settings() {
  kit::ListSettings s;
  s.windowClass = QStringLiteral("TfrmRiepPrenotazioni");
  s.caption = QStringLiteral(" Riepilogo prenotazioni veicolo");
  s.size = QSize(862, 560);
  s.lines = [] { return planner::boardSummaryLines(planner::bookingBoard()); };
  s.findStrip = kit::msg::kFindInstructions;
  s.printTitleNow = [] {
    const TfrmPlanning* board = planner::bookingBoard();
    if (!board) return kit::bookingSummaryTitle(QString(), QString(), QString());
    return kit::bookingSummaryTitle(board->txtMarca->text(), board->txtModello->text(), board->txtAnno->text());
  };
  // The same text searched again after reopening goes on from the second line.
  s.keepLastFind = true;
  s.enterMovesToTrova = true;
  s.itemWidth = 760;
  s.doubleClick = false;
  return s;
}

TfrmRiepPrenotazioni::TfrmRiepPrenotazioni(QWidget* owner) : kit::SearchWindow(owner, settings()) {
  // Tab: the find box, "Stampa", "Chiudi", "Trova", the list.
  setTabOrder(txtTrova, btnStampa);
  setTabOrder(btnStampa, btnChiudi);
  setTabOrder(btnChiudi, btnTrova);
  setTabOrder(btnTrova, lstRecords);
}

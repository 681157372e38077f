// The booking board with a fully booked planner file (366 texts of 50 characters):
//
//   BM_BoardCreate     the board created, as the start-up creates it (and destroyed, untimed)
//   BM_BoardShow       the board shown: cleared, header filled, the file loaded into the
//                      366 cells, and painted
//   BM_BoardClose      the board closed: the 366 texts and the header saved to the file
//                      (written and flushed to the disk)
//   BM_BoardRepaint    the whole board repainted, maximised on a 1920 x 1080 screen
//   BM_DayClickToDialog a click on a booked day until the single-day dialog is created,
//                      filled, shown and painted
//   BM_IntervalWholeYear "Applica e chiudi" of the interval dialog for 01/01 to 31/12 on
//                      a free board (checks, confirmation answered Yes, 366 days booked,
//                      the dialog closed) until the maximised board has repainted
#include "bench_support.h"
#include "board_directory.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QMouseEvent>

#include "planner/booking_plan_record.h"
#include "planner/day_calendar.h"
#include "planner/frm_giorno.h"
#include "planner/frm_intervallo.h"
#include "planner/frm_planning.h"
#include "platform/edits.h"
#include "platform/paths.h"
#include "platform/widgets.h"
#include "platform/windows.h"

namespace {

// Shows every modal dialog until it has painted, then closes it, as a user would see it.
class ShowingHost : public bench::SilentHost {
 public:
  void showModal(platform::Form& form) override {
    form.show();
    QApplication::processEvents();
    shown = qobject_cast<TfrmGiorno*>(&form) && !static_cast<TfrmGiorno&>(form).txtPrenotazione->text().isEmpty();
    form.hide();
  }
  bool shown = false;
};

// Answers Yes to every question (the interval's confirmation).
class YesHost : public bench::SilentHost {
 public:
  bool message(platform::MsgKind, const QString&, QWidget*) override { return true; }
};

struct Fixture {
  QTemporaryDir dir;
  QString path;
  Fixture() {
    platform::setExeDir(dir.path());
    path = planner::plannerFilePath(QStringLiteral("AB123CD"), QStringLiteral("2024"));
    const std::string bytes = bench::recordBytes(planner::bookingPlanLayout(), 1, [](core::RecordBuffer& r, int) {
      r.set(planner::BookingPlanRecord::kMarca, u"Fiat");
      r.set(planner::BookingPlanRecord::kModello, u"Panda");
      for (std::size_t i = 0; i < planner::kBoardDays; ++i)
        r.set(planner::BookingPlanRecord::dayField(i), u"Cliente " + core::Text(42, u'x'));
    });
    bench::writeFileOrExit(path, bytes);
  }
};

Fixture& fixture() {
  static Fixture f;
  return f;
}

// A board opened for the fixture's vehicle, found by the dialogs.
struct Board {
  bench::BoardDirectory directory;
  TfrmPlanning board{nullptr};
  Board() {
    directory.board = &board;
    platform::setWindowDirectory(&directory);
    board.openFor(fixture().path, QStringLiteral("2024"), {"Autovettura", "Fiat", "Panda", "AB123CD"});
  }
  ~Board() { platform::setWindowDirectory(nullptr); }
  void show() {
    board.showWindow();
    QApplication::processEvents();
  }
  int booked() const {
    int n = 0;
    for (const planner::BoardDay& d : planner::boardDays()) n += board.isDayBooked(d);
    return n;
  }
};

void BM_BoardCreate(benchmark::State& state) {
  for (auto _ : state) {
    auto* board = new TfrmPlanning(nullptr);
    benchmark::DoNotOptimize(board);
    state.PauseTiming();
    delete board;
    state.ResumeTiming();
  }
}
BENCHMARK(BM_BoardCreate)->Unit(benchmark::kMillisecond);

void BM_BoardShow(benchmark::State& state) {
  bench::SilentHost host;
  Board b;
  for (auto _ : state) {
    b.show();
    state.PauseTiming();
    if (b.booked() != 366) state.SkipWithError("board not loaded");
    b.board.hide();
    QApplication::processEvents();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_BoardShow)->Unit(benchmark::kMillisecond);

void BM_BoardClose(benchmark::State& state) {
  bench::SilentHost host;
  Board b;
  for (auto _ : state) {
    state.PauseTiming();
    b.show();
    state.ResumeTiming();
    b.board.closeForm();
  }
  if (QFile(fixture().path).size() != 18850) state.SkipWithError("file not saved");
}
BENCHMARK(BM_BoardClose)->Unit(benchmark::kMillisecond);

void BM_BoardRepaint(benchmark::State& state) {
  bench::SilentHost host;
  Board b;
  b.show();
  b.board.resize(1920, 1080);
  QApplication::processEvents();
  for (auto _ : state) b.board.repaint();
  b.board.hide();
}
BENCHMARK(BM_BoardRepaint)->Unit(benchmark::kMillisecond);

void BM_DayClickToDialog(benchmark::State& state) {
  ShowingHost host;
  Board b;
  b.show();
  const QPoint at = planner::DayCalendar::cellRect(*planner::dayOfKey(u"set_09")).center();
  for (auto _ : state) {
    QMouseEvent press(QEvent::MouseButtonPress, at, b.board.calendar()->mapToGlobal(at), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, at, b.board.calendar()->mapToGlobal(at), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(b.board.calendar(), &press);
    QApplication::sendEvent(b.board.calendar(), &release);
    if (!host.shown) state.SkipWithError("dialog not shown filled");
  }
  b.board.hide();
}
BENCHMARK(BM_DayClickToDialog)->Unit(benchmark::kMillisecond);

void BM_IntervalWholeYear(benchmark::State& state) {
  YesHost host;
  Board b;
  b.show();
  b.board.resize(1920, 1080);
  QApplication::processEvents();
  for (auto _ : state) {
    state.PauseTiming();
    b.board.cmdNuovoClick();
    b.board.repaint();
    TfrmIntervallo dialog(&b.board);
    dialog.lblAnnoInizio->setText(QStringLiteral("2024"));
    dialog.lblAnnoFine->setText(QStringLiteral("2024"));
    dialog.show();
    dialog.txtGiornoInizio->setEditText(QStringLiteral("01"));
    dialog.txtMeseInizio->setEditText(QStringLiteral("Gennaio"));
    dialog.txtGiornoFine->setEditText(QStringLiteral("31"));
    dialog.txtMeseFine->setEditText(QStringLiteral("Dicembre"));
    dialog.txtPrenotazione->setText(QStringLiteral("Cliente ") + QString(42, QLatin1Char('x')));
    QApplication::processEvents();
    state.ResumeTiming();
    dialog.btnChiudi->click();
    b.board.repaint();
    state.PauseTiming();
    if (b.booked() != 366 || dialog.isVisible()) state.SkipWithError("interval not booked");
    state.ResumeTiming();
  }
  b.board.hide();
}
BENCHMARK(BM_IntervalWholeYear)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  bench::Program program(argc, argv, /*programApplication=*/true);
  if (!program.readFlags()) return 1;
  return program.run();
}

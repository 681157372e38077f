// The booking summary and the board report of a fully booked board (366 texts of 50
// characters, every day booked):
//
//   BM_SummaryOpen          the summary created, shown with its 366 lines filled from
//                           the board and painted
//   BM_BoardReportPrepared  the board report made, filled from the board (366 marks) and
//                           prepared
//   BM_BoardReportPdf       its prepared page rendered into a PDF file
#include "bench_support.h"
#include "board_directory.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include "kit/result_list.h"
#include "planner/board_report.h"
#include "planner/frm_planning.h"
#include "planner/frm_riep_prenotazioni.h"
#include "platform/windows.h"

namespace {

struct FullBoard {
  bench::BoardDirectory directory;
  TfrmPlanning board{nullptr};
  FullBoard() {
    directory.board = &board;
    platform::setWindowDirectory(&directory);
    board.openFor(QString(), QStringLiteral("2024"), {"Autovettura", "Fiat", "Panda", "AB123CD"});
    for (const planner::BoardDay& d : planner::boardDays())
      board.setDay(d, QStringLiteral("Cliente %1 ").arg(d.index) + QString(50, QLatin1Char('x')).left(40));
  }
  ~FullBoard() { platform::setWindowDirectory(nullptr); }
};

void BM_SummaryOpen(benchmark::State& state) {
  bench::SilentHost host;
  FullBoard b;
  for (auto _ : state) {
    auto* summary = new TfrmRiepPrenotazioni(&b.board);
    summary->showWindow();
    QApplication::processEvents();
    state.PauseTiming();
    if (summary->lstRecords->count() != 366) state.SkipWithError("summary not filled");
    summary->hide();
    delete summary;
    QApplication::processEvents();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_SummaryOpen)->Unit(benchmark::kMillisecond);

void BM_BoardReportPrepared(benchmark::State& state) {
  bench::SilentHost host;
  FullBoard b;
  for (auto _ : state) {
    auto report = planner::boardReport(&b.board);
    benchmark::DoNotOptimize(report.get());
    state.PauseTiming();
    if (report->preparedPages().size() != 1) state.SkipWithError("report not prepared");
    report.reset();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_BoardReportPrepared)->Unit(benchmark::kMillisecond);

void BM_BoardReportPdf(benchmark::State& state) {
  bench::SilentHost host;
  FullBoard b;
  QTemporaryDir dir;
  const QString pdf = dir.filePath(QStringLiteral("planning.pdf"));
  auto report = planner::boardReport(&b.board);
  for (auto _ : state) report->exportPdf(pdf);
  if (QFile(pdf).size() == 0) state.SkipWithError("no PDF written");
}
BENCHMARK(BM_BoardReportPdf)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  bench::Program program(argc, argv, /*programApplication=*/true);
  if (!program.readFlags()) return 1;
  return program.run();
}

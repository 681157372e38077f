// The cost card and its windows on a generated cost archive of 100,000 payments
// (162.7 MB), each against a plain read of the same file in the same run; the ratios
// and the card's times are printed at the end.
//
//   BM_PlainRead               read the whole archive in large blocks
//   BM_UnsettledScan           the unsettled payments' scan: every record looked at, the
//                              lines of the "No" ones built (goal: at most 2x)
//   BM_UnsettledWindow         TfrmDaSaldare shown: that scan, the sort and the list (apart)
//   BM_SearchScan/two_filters  "Cerca" with a plate and a causal filter, up to its lines
//                              (goal: at most 2x)
//   BM_SearchListFill/all      the 100,000 lines of a search without filters into the
//                              result list (sort, items; apart)
//   BM_PlainReadWriteFlush     read the archive + write and flush as many bytes as the
//                              export file holds
//   BM_Export                  the export window: open it (the grid fills), click export
//                              (goal: at most 3x the line above)
//   BM_CardFirst, BM_CardLast  the card's first and last arrow (goal: under 10 ms)
//   BM_CardSaveAppend          Save of a new card: the checks, the append, flushed (goal:
//                              under 10 ms); it runs last, since it grows the archive
#include "bench_support.h"
#include "generated_costs.h"

#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "core/archive.h"
#include "core/clock.h"
#include "core/search_filter.h"
#include "costs/cost_record.h"
#include "costs/frm_costi.h"
#include "costs/frm_da_saldare.h"
#include "costs/frm_exp_costi.h"
#include "costs/frm_trova_costi.h"
#include "kit/archive_source.h"
#include "kit/result_list.h"
#include "kit/search_window.h"
#include "platform/paths.h"
#include "platform/qtext.h"

namespace {

constexpr int kPayments = 100000;

struct Fixture {
  QTemporaryDir dir;
  std::string path;
  std::string plainOut;
  // The long-lived card every window here reads its archive name from; closed before
  // the program's application goes.
  std::unique_ptr<TfrmCosti> card;
  kit::ListSettings unsettled;
  kit::ListSettings search;
  core::LineList allLines;
  std::size_t exportSize = 0;

  Fixture() {
    platform::setExeDir(dir.path());
    const QString archive = platform::exePath(QStringLiteral("2023.eur"));
    path = platform::toLocalPath(archive);
    plainOut = platform::toLocalPath(platform::exePath(QStringLiteral("plain.out")));
    generateCosts(archive, kPayments);
    card = std::make_unique<TfrmCosti>(nullptr);
    card->openYear(QStringLiteral("2023"));
    unsettled = TfrmDaSaldare::settings(card->lblFile);
    search = TfrmTrovaCosti::settings(card->lblFile);
    allLines = kit::searchArchive(search.archive, search.line, search.filters, std::vector<core::Text>(10));
  }
  ~Fixture() { platform::setExeDir(QString()); }

  // The plate "ab0" (the first ten vehicles) and the causal "revisione" ("Revisione"
  // and "Revisione freni").
  static std::vector<core::Text> twoFilters() {
    std::vector<core::Text> t(10);
    t[1] = u"revisione";
    t[5] = u"ab0";
    return t;
  }
};

Fixture& fixture() {
  static Fixture f;
  return f;
}

void setBytes(benchmark::State& state) {
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * kPayments * costs::CostRecord::kSize);
}

void BM_PlainRead(benchmark::State& state) {
  bench::plainReadLoop(state, fixture().path);
  setBytes(state);
}

void BM_UnsettledScan(benchmark::State& state) {
  Fixture& f = fixture();
  const core::Date today = core::today();
  std::size_t lines = 0;
  for (auto _ : state) {
    core::Archive archive = kit::openArchive(f.unsettled.archive);
    core::LineList out;
    core::scanLines(archive, *f.unsettled.archive.layout, f.unsettled.line,
                    [&](const core::RecordBuffer& r) { return f.unsettled.select(r, today); }, out);
    lines = out.size();
  }
  state.counters["lines"] = static_cast<double>(lines);
  setBytes(state);
}

void BM_UnsettledWindow(benchmark::State& state) {
  bench::SilentHost host;
  Fixture& f = fixture();
  int lines = 0;
  // Made once: each showing fills the list again (making and closing the window are
  // not the fill).
  TfrmDaSaldare w(f.card.get());
  for (auto _ : state) {
    w.show();
    lines = w.lstRecords->count();
    state.PauseTiming();
    w.close();
    state.ResumeTiming();
  }
  state.counters["lines"] = lines;
  setBytes(state);
}

void BM_SearchScan_two_filters(benchmark::State& state) {
  Fixture& f = fixture();
  std::size_t lines = 0;
  for (auto _ : state)
    lines = kit::searchArchive(f.search.archive, f.search.line, f.search.filters, Fixture::twoFilters()).size();
  state.counters["lines"] = static_cast<double>(lines);
  setBytes(state);
}

void BM_SearchListFill_all(benchmark::State& state) {
  Fixture& f = fixture();
  kit::ResultList list(nullptr, 1600);
  list.resize(801, 273);
  for (auto _ : state) {
    state.PauseTiming();
    core::LineList lines = f.allLines;
    state.ResumeTiming();
    list.setLines(std::move(lines));
    benchmark::DoNotOptimize(list.count());
  }
  state.counters["lines"] = static_cast<double>(f.allLines.size());
}

void BM_Export(benchmark::State& state) {
  Fixture& f = fixture();
  bench::openAndExport<TfrmExpCosti>(state, kPayments, f.card.get());
  f.exportSize = static_cast<std::size_t>(QFileInfo(platform::exePath(QStringLiteral("Costi_Sostenuti.xls"))).size());
  state.counters["export_bytes"] = static_cast<double>(f.exportSize);
  setBytes(state);
}

// One pass over the archive and as many bytes written and flushed as the export file
// holds (the export file is flushed to the disk before the export says it is done).
void BM_PlainReadWriteFlush(benchmark::State& state) {
  Fixture& f = fixture();
  bench::plainReadWriteFlushAfterExport(state, f.path, f.plainOut, f.exportSize);
}

void BM_CardFirst(benchmark::State& state) {
  bench::SilentHost host;
  TfrmCosti& card = *fixture().card;
  for (auto _ : state) card.cmdPrimoClick();
  if (card.lblPosizione->text() != QStringLiteral("1")) state.SkipWithError("not on the first record");
}

void BM_CardLast(benchmark::State& state) {
  bench::SilentHost host;
  TfrmCosti& card = *fixture().card;
  for (auto _ : state) card.cmdUltimoClick();
  if (card.lblPosizione->text().toInt() < kPayments) state.SkipWithError("not on the last record");
}

// A new card filled and saved: the checks, the record built, appended and flushed.
void BM_CardSaveAppend(benchmark::State& state) {
  bench::SilentHost host;
  TfrmCosti& card = *fixture().card;
  const QFileInfo file(QString::fromStdString(fixture().path));
  const qint64 before = file.size();
  for (auto _ : state) {
    state.PauseTiming();
    card.ClearCostCard();
    card.txtGiorno->setEditText(QStringLiteral("05"));
    card.txtMese->setEditText(QStringLiteral("Marzo"));
    card.txtCausale->setEditText(QStringLiteral("Bollo"));
    card.txtMarca->setText(QStringLiteral("Fiat"));
    card.txtModello->setText(QStringLiteral("Ducato"));
    card.txtTarga->setText(QStringLiteral("AB123CD"));
    card.txtImporto->setText(QStringLiteral("80,5"));
    state.ResumeTiming();
    card.cmdSalvaClick();
  }
  const qint64 grown = QFileInfo(QString::fromStdString(fixture().path)).size() - before;
  if (grown != static_cast<qint64>(state.iterations() * costs::CostRecord::kSize))
    state.SkipWithError("not appended");
}

// Medians of three runs: the machine may be busy with others.
#define COST_BENCH(f) BENCHMARK(f)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(1.0)->Repetitions(3)
COST_BENCH(BM_PlainRead);
COST_BENCH(BM_UnsettledScan);
COST_BENCH(BM_UnsettledWindow);
COST_BENCH(BM_SearchScan_two_filters);
COST_BENCH(BM_SearchListFill_all);
COST_BENCH(BM_Export);
COST_BENCH(BM_PlainReadWriteFlush);
#define CARD_BENCH(f) BENCHMARK(f)->Unit(benchmark::kMicrosecond)->UseRealTime()->MinTime(0.5)->Repetitions(3)
CARD_BENCH(BM_CardFirst);
CARD_BENCH(BM_CardLast);
CARD_BENCH(BM_CardSaveAppend);

}  // namespace

int main(int argc, char** argv) {
  bench::Program program(argc, argv);
  if (!program.readFlags()) return 1;
  fixture();
  const int status = program.run([](const RatioReporter& reporter) {
    reporter.printRatios("%s: %.2fx plain read (goal: at most 2x)\n",
                         {"BM_UnsettledScan/", "BM_SearchScan_two_filters/"}, "BM_PlainRead/");
    reporter.printRatios("%s: %.2fx plain read (reported apart)\n", {"BM_UnsettledWindow/", "BM_SearchListFill_all/"},
                         "BM_PlainRead/");
    reporter.printRatios("%s: %.2fx plain read + write + flush (goal: at most 3x)\n", {"BM_Export/"},
                         "BM_PlainReadWriteFlush/");
    for (const char* card : {"BM_CardFirst/", "BM_CardLast/", "BM_CardSaveAppend/"})
      if (const double t = reporter.time(card); t > 0) std::printf("%s: %.3f ms (goal: under 10 ms)\n", card, t / 1000);
  });
  fixture().card.reset();
  return status;
}

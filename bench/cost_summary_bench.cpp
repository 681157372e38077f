// The cost summary on a generated cost archive of 100,000 payments (162.7 MB), against
// a plain read of the same file in the same run. The ratios are printed at the end.
//
//   BM_PlainRead                    read the whole archive in large blocks
//   BM_SummaryScan/two_filters      a plate and a causal over March to October: filters,
//                                   dates, lines and the total
//   BM_SummaryFill/two_filters      the same scan, then the summary window shown with its
//                                   list, plate, interval and total filled
//   BM_SummaryScan/all              no filter over the whole year: every payment listed
//   BM_SummaryListFill/all          those 100,000 lines into the summary's result list
#include "bench_support.h"
#include "generated_costs.h"

#include <QLabel>
#include <QTemporaryDir>

#include <cstdio>
#include <memory>
#include <string>

#include "core/record.h"
#include "costs/cost_record.h"
#include "costs/frm_menu_riep_spese.h"
#include "kit/result_list.h"
#include "kit/summary.h"
#include "platform/paths.h"
#include "platform/qtext.h"

namespace {

constexpr int kPayments = 100000;

struct Fixture {
  QTemporaryDir dir;
  QString archive;
  std::string path;
  bench::SilentHost host;
  // The long-lived menu the summary window belongs to; closed with the program's
  // application, before the fixture itself goes.
  std::unique_ptr<TfrmMenuRiepSpese> menu = std::make_unique<TfrmMenuRiepSpese>(nullptr);
  core::LineList allLines;

  Fixture() {
    platform::setExeDir(dir.path());
    archive = platform::exePath(QStringLiteral("2023.eur"));
    path = platform::toLocalPath(archive);
    generateCosts(archive, kPayments);
    allLines = scan(QString(), QString(), core::Date{1, 1, 2023}, core::Date{31, 12, 2023}).lines;
  }
  ~Fixture() { platform::setExeDir(QString()); }

  kit::SummaryData scan(const QString& plate, const QString& causal, const core::Date& start,
                        const core::Date& end) const {
    return kit::scanSummary(menu->settings(), archive, plate, causal, start, end);
  }
  kit::SummaryData twoFilters() const {
    return scan(QStringLiteral("AB"), QStringLiteral("Revisione"), core::Date{1, 3, 2023}, core::Date{31, 10, 2023});
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

void BM_SummaryScan_two_filters(benchmark::State& state) {
  Fixture& f = fixture();
  std::size_t lines = 0;
  for (auto _ : state) {
    const kit::SummaryData data = f.twoFilters();
    lines = data.lines.size();
    benchmark::DoNotOptimize(data.sums.data());
  }
  state.counters["lines"] = static_cast<double>(lines);
  setBytes(state);
}

void BM_SummaryFill_two_filters(benchmark::State& state) {
  Fixture& f = fixture();
  int lines = 0;
  for (auto _ : state) {
    kit::SummaryData data = f.twoFilters();
    data.start = QStringLiteral("01/03/2023");
    data.end = QStringLiteral("31/10/2023");
    TfrmRiepSpese window(f.menu.get(), std::move(data));
    window.show();  // fills the list, the plate, the interval and the total
    lines = window.lstRecords->count();
    benchmark::DoNotOptimize(window.lblTotCosti->text().size());
    window.hide();
  }
  state.counters["lines"] = static_cast<double>(lines);
  setBytes(state);
}

void BM_SummaryScan_all(benchmark::State& state) {
  Fixture& f = fixture();
  std::size_t lines = 0;
  for (auto _ : state) {
    const kit::SummaryData data = f.scan(QString(), QString(), core::Date{1, 1, 2023}, core::Date{31, 12, 2023});
    lines = data.lines.size();
  }
  state.counters["lines"] = static_cast<double>(lines);
  setBytes(state);
}

void BM_SummaryListFill_all(benchmark::State& state) {
  Fixture& f = fixture();
  kit::ResultList list(nullptr, 1600);
  list.resize(961, 360);
  for (auto _ : state) {
    state.PauseTiming();
    core::LineList lines = f.allLines;
    state.ResumeTiming();
    list.setLines(std::move(lines));
    benchmark::DoNotOptimize(list.count());
  }
  state.counters["lines"] = static_cast<double>(f.allLines.size());
}

// Medians of three runs: the machine may be busy with others.
#define COST_BENCH(f) BENCHMARK(f)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(1.0)->Repetitions(3)
COST_BENCH(BM_PlainRead);
COST_BENCH(BM_SummaryScan_two_filters);
COST_BENCH(BM_SummaryFill_two_filters);
COST_BENCH(BM_SummaryScan_all);
COST_BENCH(BM_SummaryListFill_all);

}  // namespace

int main(int argc, char** argv) {
  bench::Program program(argc, argv);
  if (!program.readFlags()) return 1;
  fixture();
  const int status = program.run([](const RatioReporter& reporter) {
    reporter.printRatios("%s: %.2fx plain read (goal: at most 2x)\n",
                         {"BM_SummaryScan_two_filters/", "BM_SummaryFill_two_filters/"}, "BM_PlainRead/");
    reporter.printRatios("%s: %.2fx plain read (reported apart)\n", {"BM_SummaryScan_all/", "BM_SummaryListFill_all/"},
                         "BM_PlainRead/");
  });
  fixture().menu.reset();
  return status;
}

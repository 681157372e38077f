// "Cerca" on the vehicle search over 100,000 vehicles, with empty filters, until the
// result list has been painted (the window shown, events processed), against a plain
// read of the same file in the same run; and the peak memory that search adds to a
// fresh process, against the size of the listed lines' text as UTF-16; and the same
// "Cerca" as the first of a fresh process (bench/fresh_fill.h), a plain read before each.
// VELMORA_BENCH_RECORDS sets another number of vehicles.
#include "bench_support.h"
#include "fresh_fill.h"
#include "search_fixture.h"

#include <QAbstractItemModel>
#include <QAbstractItemView>
#include <QApplication>
#include <QEvent>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <memory>
#include <sys/resource.h>
#include <string>
#include <vector>

#include "platform/paths.h"
#include "vehicles/frm_trova_automezzi.h"

namespace {

using bench::medianOf;
using bench::readProcMemory;
using bench::resetPeak;
using bench::ProcMemory;
using Clock = std::chrono::steady_clock;

// The executable folder with the 100,000 vehicles, and a small one for warming up.
struct Folders {
  QTemporaryDir big, small;
  std::string path;
  Folders() {
    path = bench::writeVehicleArchive(big.path(), bench::recordCount(bench::kVehicles));
    bench::keepIfAsked(big, "the archive");
    bench::keepIfAsked(small, "the small archive");
    bench::writeVehicleArchive(small.path(), 20);
  }
};

Folders& folders() {
  static Folders f;
  return f;
}

// The baseline: the whole file read in 1 MiB blocks into one reused buffer.
double plainReadSeconds(const std::string& path, std::vector<char>& block) {
  const auto start = Clock::now();
  benchmark::DoNotOptimize(bench::plainRead(path, block));
  return std::chrono::duration<double>(Clock::now() - start).count();
}

// Counts the paint events a widget receives.
class PaintWatch : public QObject {
 public:
  explicit PaintWatch(QWidget* w) : widget_(w) { w->installEventFilter(this); }
  ~PaintWatch() override { widget_->removeEventFilter(this); }
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() == QEvent::Paint) ++paints;
    return false;
  }
  int paints = 0;

 private:
  QWidget* widget_;
};

// A fresh vehicle search, shown and settled on its filter panel.
std::unique_ptr<TfrmTrovaAutomezzi> openSearch() {
  auto w = std::make_unique<TfrmTrovaAutomezzi>(nullptr);
  w->show();
  for (int i = 0; i < 3; ++i) QApplication::processEvents();
  return w;
}

// Presses "Cerca" and processes events until the result list has been painted;
// returns the number of listed lines, -1 when the list was never painted.
int cercaUntilPainted(TfrmTrovaAutomezzi& w) {
  PaintWatch watch(w.lstRecords->viewport());
  w.btnCerca->click();
  for (int i = 0; i < 1000 && watch.paints == 0; ++i) QApplication::processEvents();
  return watch.paints ? w.lstRecords->model()->rowCount() : -1;
}

// Each iteration times a plain read of the file, then "Cerca" on a fresh window up
// to the painted list; the two medians and their ratio are reported.
void BM_CercaToPaintedList(benchmark::State& state) {
  Folders& f = folders();
  platform::setExeDir(f.big.path());
  std::vector<char> block(1 << 20);
  std::vector<double> plain, cerca, faults;
  int rows = 0;
  for (auto _ : state) {
    plain.push_back(plainReadSeconds(f.path, block));
    auto w = openSearch();
    rusage before{}, after{};
    getrusage(RUSAGE_SELF, &before);
    const auto start = Clock::now();
    rows = cercaUntilPainted(*w);
    const double t = std::chrono::duration<double>(Clock::now() - start).count();
    getrusage(RUSAGE_SELF, &after);
    faults.push_back(static_cast<double>(after.ru_minflt - before.ru_minflt));
    cerca.push_back(t);
    state.SetIterationTime(t);
    if (rows < 0) {
      state.SkipWithError("the result list was never painted");
      break;
    }
    w.reset();
    QApplication::processEvents();
  }
  platform::setExeDir(QString());
  const double p = medianOf(plain), c = medianOf(cerca);
  state.counters["lines"] = rows;
  state.counters["plain_ms"] = p * 1e3;
  state.counters["cerca_ms"] = c * 1e3;
  state.counters["ratio"] = p > 0 ? c / p : 0;
  // Memory the search takes from the system for the first time costs a page fault a page.
  state.counters["page_faults"] = medianOf(faults);
}
BENCHMARK(BM_CercaToPaintedList)->UseManualTime()->Iterations(15)->Unit(benchmark::kMillisecond);

// ---- Memory, in a fresh process ------------------------------------------------------

// The child: one warm-up search on a small archive (fonts, glyph caches, the
// window's first layout), then the measured search on the large one. Prints
// "rss_before_kib peak_kib rss_after_kib lines text_bytes peak_reset".
int memoryProbe(const QString& big, const QString& small) {
  platform::setExeDir(small);
  {
    auto w = openSearch();
    if (cercaUntilPainted(*w) < 0) return 2;
  }
  QApplication::processEvents();
  platform::setExeDir(big);
  auto w = openSearch();
  const bool reset = resetPeak();
  const ProcMemory before = readProcMemory();
  const int lines = cercaUntilPainted(*w);
  const ProcMemory after = readProcMemory();
  if (lines < 0) return 2;
  // Measured; now the lines' text, read back through the list.
  long long text = 0;
  const QAbstractItemModel* model = w->lstRecords->model();
  for (int i = 0; i < lines; ++i) text += 2LL * model->index(i, 0).data().toString().size();
  std::printf("%ld %ld %ld %d %lld %d\n", before.rss, reset ? after.hwm : std::max(after.hwm, after.rss), after.rss,
              lines, text, reset ? 1 : 0);
  return 0;
}

void BM_CercaPeakMemory(benchmark::State& state) {
  Folders& f = folders();
  std::vector<double> added;
  double text = 0;
  bool reset = true;
  for (auto _ : state) {
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(), {"--memory-probe", f.big.path(), f.small.path()});
    if (!child.waitForFinished(600000) || child.exitCode() != 0) {
      state.SkipWithError("the memory probe failed");
      return;
    }
    long before = 0, peak = 0, after = 0, lines = 0;
    long long bytes = 0;
    int wasReset = 0;
    if (std::sscanf(child.readAllStandardOutput().constData(), "%ld %ld %ld %ld %lld %d", &before, &peak, &after,
                    &lines, &bytes, &wasReset) != 6) {
      state.SkipWithError("the memory probe said nothing");
      return;
    }
    added.push_back(static_cast<double>(peak - before) * 1024.0);
    text = static_cast<double>(bytes);
    reset = reset && wasReset;
  }
  const double a = medianOf(added);
  state.counters["peak_added_MB"] = a / 1e6;
  state.counters["text_utf16_MB"] = text / 1e6;
  state.counters["ratio"] = text > 0 ? a / text : 0;
  state.counters["peak_reset"] = reset;
}
BENCHMARK(BM_CercaPeakMemory)->Iterations(5)->Unit(benchmark::kMillisecond);

// ---- The first search of a fresh process ----------------------------------------------

const bench::FreshRegistration freshCerca("CercaToPaintedList", [](const bench::FreshFolders& f) {
  platform::setExeDir(f.warm);
  {
    auto w = openSearch();
    if (cercaUntilPainted(*w) < 0) return 2;
  }
  QApplication::processEvents();
  platform::setExeDir(f.data);
  auto w = openSearch();
  return bench::measureFill([&] { return cercaUntilPainted(*w) > 0; });
});

void BM_Fresh_CercaToPaintedList(benchmark::State& state) {
  Folders& f = folders();
  bench::freshFill(state, "CercaToPaintedList", f.path, {f.big.path(), f.small.path()});
}
BENCHMARK(BM_Fresh_CercaToPaintedList)
    ->UseManualTime()
    ->Iterations(bench::freshIterations())
    ->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  bench::Program program(argc, argv);
  if (int status = 0; bench::runFreshChild(argc, argv, status)) return status;
  if (argc == 4 && std::strcmp(argv[1], "--memory-probe") == 0)
    return memoryProbe(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));
  if (!program.readFlags()) return 1;
  folders();
  return program.run();
}

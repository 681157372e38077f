// The planner menu on an archive of 100,000 vehicles, against a plain read of the same
// file in the same run:
//
// each timed with a plain read of the whole archive in 1 MiB blocks just before it
// (counters plain_ms, ms and their ratio):
//
//   BM_MenuList         the menu's list as a show fills it: the archive scanned, the
//                       lines of the vehicles with a plate made and sorted into the list
//   BM_TakeVehicle      a vehicle taken as a click or an arrow key takes it: the archive
//                       read again, every line rebuilt and compared with the chosen one
#include "bench_support.h"
#include "search_fixture.h"

#include <QLabel>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <vector>

#include "kit/list_find.h"
#include "kit/result_list.h"
#include "planner/frm_menu_disponibili.h"
#include "platform/paths.h"

namespace {

struct Folder {
  QTemporaryDir dir;
  std::string path;
  Folder() {
    path = bench::writeVehicleArchive(dir.path(), bench::kVehicles);
    platform::setExeDir(dir.path());
  }
};

Folder& folder() {
  static Folder f;
  return f;
}

using Clock = std::chrono::steady_clock;

double medianOf(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  const std::size_t n = v.size();
  return n == 0 ? 0 : n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

// Each iteration times a plain read of the archive, then `step`; the medians of both
// (ms) and their ratio are the benchmark's counters, the step's time its own.
template <typename Step>
void againstPlainRead(benchmark::State& state, Step step) {
  std::vector<char> block(1 << 20);
  std::vector<double> plain, timed;
  for (auto _ : state) {
    auto start = Clock::now();
    benchmark::DoNotOptimize(bench::plainRead(folder().path, block));
    plain.push_back(std::chrono::duration<double>(Clock::now() - start).count());
    start = Clock::now();
    if (!step()) {
      state.SkipWithError("the step did not do its work");
      return;
    }
    const double t = std::chrono::duration<double>(Clock::now() - start).count();
    timed.push_back(t);
    state.SetIterationTime(t);
  }
  const double p = medianOf(plain), t = medianOf(timed);
  state.counters["plain_ms"] = p * 1e3;
  state.counters["ms"] = t * 1e3;
  state.counters["ratio"] = p > 0 ? t / p : 0;
}

void BM_MenuList(benchmark::State& state) {
  folder();
  bench::SilentHost host;
  TfrmMenuDisponibili menu(nullptr);
  againstPlainRead(state, [&menu] {
    menu.showWindow();  // the show: nothing chosen, the list read anew, the year
    const bool listed = menu.lstRecords->count() == bench::kVehicles;
    menu.hide();
    return listed;
  });
}
BENCHMARK(BM_MenuList)->UseManualTime()->Iterations(15)->Unit(benchmark::kMillisecond);

void BM_TakeVehicle(benchmark::State& state) {
  folder();
  bench::SilentHost host;
  TfrmMenuDisponibili menu(nullptr);
  menu.showWindow();
  kit::selectRow(menu.lstRecords, bench::kVehicles / 2);
  againstPlainRead(state, [&menu] {
    menu.lblTarga->clear();
    menu.lstRecordsClick();
    return !menu.lblTarga->text().isEmpty();
  });
  menu.hide();
}
BENCHMARK(BM_TakeVehicle)->UseManualTime()->Iterations(15)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  bench::Program program(argc, argv, /*programApplication=*/true);
  if (!program.readFlags()) return 1;
  return program.run();
}

// The vehicle search on a generated archive of 100,000 vehicles, against a plain read
// of the same file: the scan with its matching (with and without building the lines),
// the sort and the fill of the result list, and the double-click's rescan (the whole
// "Cerca" up to the painted list is measured by search_list_bench). Then the second
// record type, 100,000 drivers: the driver search with no filter and with two, and the
// fill of the list of drivers on holiday, against a plain read of the driver archive
// (also as the first fill of a fresh process, bench/fresh_fill.h). VELMORA_BENCH_RECORDS
// sets another number of drivers.
#include "bench_support.h"
#include "fresh_fill.h"
#include "search_fixture.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "core/archive.h"
#include "core/record.h"
#include "core/search_filter.h"
#include "drivers/driver_lines.h"
#include "drivers/driver_record.h"
#include "drivers/frm_ferie.h"
#include "drivers/frm_trova_anagrafica.h"
#include "generated_drivers.h"
#include "kit/result_list.h"
#include "kit/search_window.h"
#include "platform/dialogs.h"
#include "platform/paths.h"
#include "vehicles/frm_trova_automezzi.h"
#include "vehicles/vehicle_record.h"

namespace {

using bench::kVehicles;

struct Fixture {
  QTemporaryDir dir;
  kit::ListSettings listSettings = TfrmTrovaAutomezzi::settings();
  std::string path;
  core::LineList allLines;
  core::LineList twoFilterLines;
  core::Text chosenLine;

  Fixture() {
    platform::setExeDir(dir.path());
    path = bench::writeVehicleArchive(dir.path(), kVehicles);
    allLines = kit::searchArchive(listSettings.archive, listSettings.line, listSettings.filters, noFilters());
    twoFilterLines = kit::searchArchive(listSettings.archive, listSettings.line, listSettings.filters, twoFilters());
    chosenLine = core::Text(allLines[allLines.size() / 2]);
  }
  ~Fixture() { platform::setExeDir(QString()); }

  static std::vector<core::Text> noFilters() { return std::vector<core::Text>(10); }
  // Make "FIAT" and owner "rossi": one vehicle in forty.
  static std::vector<core::Text> twoFilters() {
    std::vector<core::Text> t(10);
    t[2] = u"FIAT";
    t[8] = u"rossi";
    return t;
  }
  core::RecordFilter filter(const std::vector<core::Text>& texts) const {
    std::vector<core::RecordFilter::Term> terms;
    for (std::size_t i = 0; i < texts.size(); ++i) terms.push_back({listSettings.filters[i].field, texts[i]});
    return core::RecordFilter(std::move(terms));
  }
};

Fixture& fixture() {
  static Fixture f;
  return f;
}

void setBytes(benchmark::State& state) {
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * kVehicles * vehicles::VehicleRecord::kSize);
}

// The baseline: a plain sequential read of the same file in large blocks.
void BM_PlainRead(benchmark::State& state) {
  bench::plainReadLoop(state, fixture().path);
  setBytes(state);
}
BENCHMARK(BM_PlainRead)->Unit(benchmark::kMillisecond);

// Scan and match only: how many records qualify.
void scanAndMatch(benchmark::State& state, const std::vector<core::Text>& texts) {
  Fixture& f = fixture();
  const core::RecordFilter filter = f.filter(texts);
  core::RecordBuffer r(vehicles::vehicleLayout());
  for (auto _ : state) {
    core::Archive archive(f.path, vehicles::VehicleRecord::kSize);
    int qualified = 0;
    core::forEachRecord(archive, r, [&](const core::RecordBuffer& rec, std::size_t) {
      qualified += filter.qualifies(rec);
      return true;
    });
    benchmark::DoNotOptimize(qualified);
  }
  setBytes(state);
}
void BM_ScanMatch_NoFilter(benchmark::State& state) { scanAndMatch(state, Fixture::noFilters()); }
void BM_ScanMatch_TwoFilters(benchmark::State& state) { scanAndMatch(state, Fixture::twoFilters()); }
BENCHMARK(BM_ScanMatch_NoFilter)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ScanMatch_TwoFilters)->Unit(benchmark::kMillisecond);

// The search as "Cerca" runs it before the list: scan, match and build every line.
void search(benchmark::State& state, const std::vector<core::Text>& texts) {
  Fixture& f = fixture();
  std::size_t lines = 0;
  for (auto _ : state) {
    auto result = kit::searchArchive(f.listSettings.archive, f.listSettings.line, f.listSettings.filters, texts);
    lines = result.size();
    benchmark::DoNotOptimize(result.size());
  }
  state.counters["lines"] = static_cast<double>(lines);
  setBytes(state);
}
void BM_Search_NoFilter(benchmark::State& state) { search(state, Fixture::noFilters()); }
void BM_Search_TwoFilters(benchmark::State& state) { search(state, Fixture::twoFilters()); }
BENCHMARK(BM_Search_NoFilter)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Search_TwoFilters)->Unit(benchmark::kMillisecond);

// The fill of the result list: the sort, then the view's model reset (the view is
// not shown: painting is measured by search_list_bench).
void listFill(benchmark::State& state, const core::LineList& lines) {
  Fixture& f = fixture();
  kit::ResultList list(nullptr, f.listSettings.itemWidth);
  list.resize(830, 330);
  for (auto _ : state) {
    state.PauseTiming();
    core::LineList copy;
    for (std::size_t i = 0; i < lines.size(); ++i) copy.add(lines[i]);
    state.ResumeTiming();
    list.setLines(std::move(copy));
    benchmark::DoNotOptimize(list.count());
  }
  state.counters["lines"] = static_cast<double>(lines.size());
}
void BM_ListFill_NoFilter(benchmark::State& state) { listFill(state, fixture().allLines); }
void BM_ListFill_TwoFilters(benchmark::State& state) { listFill(state, fixture().twoFilterLines); }
BENCHMARK(BM_ListFill_NoFilter)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ListFill_TwoFilters)->Unit(benchmark::kMillisecond);

// The sort alone, part of the list fill.
void BM_SortLines_NoFilter(benchmark::State& state) {
  Fixture& f = fixture();
  for (auto _ : state) {
    auto order = f.allLines.sortedOrder();
    benchmark::DoNotOptimize(order.data());
  }
}
BENCHMARK(BM_SortLines_NoFilter)->Unit(benchmark::kMillisecond);

// The double-click: every record's line rebuilt and compared with the chosen one.
void BM_DoubleClickRescan(benchmark::State& state) {
  Fixture& f = fixture();
  int found = 0;
  for (auto _ : state) {
    core::Archive archive(f.path, vehicles::VehicleRecord::kSize);
    found = 0;
    core::findEqualLines(archive, vehicles::vehicleLayout(), f.listSettings.line, f.chosenLine,
                         [&](const core::RecordBuffer&, std::size_t) { ++found; });
  }
  state.counters["equal"] = found;
  setBytes(state);
}
BENCHMARK(BM_DoubleClickRescan)->Unit(benchmark::kMillisecond);

// ---- drivers ---------------------------------------------------------------------

const int kDrivers = bench::recordCount(100000);

struct DriverFixture {
  QTemporaryDir dir, warm;
  kit::ListSettings search = TfrmTrovaAnagrafica::settings();
  kit::ListSettings ferie = TfrmFerie::settings();
  std::string path;

  DriverFixture() {
    path = QFile::encodeName(dir.filePath(search.archive.fileName)).toStdString();
    generateDrivers(QString::fromStdString(path), kDrivers);
    generateDrivers(warm.filePath(search.archive.fileName), 20);
    bench::keepIfAsked(dir, "the driver archive");
    bench::keepIfAsked(warm, "the small driver archive");
  }
  // Marca "FIAT" and town "roma": one driver in 42.
  static std::vector<core::Text> twoFilters() {
    std::vector<core::Text> t(10);
    t[3] = u"roma";
    t[6] = u"FIAT";
    return t;
  }
};

DriverFixture& driverFixture() {
  static DriverFixture f;
  return f;
}

// Each driver benchmark works beside the driver archive.
struct InDriverFolder {
  InDriverFolder() { platform::setExeDir(driverFixture().dir.path()); }
  ~InDriverFolder() { platform::setExeDir(fixture().dir.path()); }
};

void setDriverBytes(benchmark::State& state) {
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * kDrivers * drivers::DriverRecord::kSize);
}

void BM_Drivers_PlainRead(benchmark::State& state) {
  bench::plainReadLoop(state, driverFixture().path);
  setDriverBytes(state);
}
BENCHMARK(BM_Drivers_PlainRead)->Unit(benchmark::kMillisecond);

void driverSearch(benchmark::State& state, const std::vector<core::Text>& texts) {
  DriverFixture& f = driverFixture();
  InDriverFolder here;
  std::size_t lines = 0;
  for (auto _ : state) {
    auto result = kit::searchArchive(f.search.archive, f.search.line, f.search.filters, texts);
    lines = result.size();
    benchmark::DoNotOptimize(result.size());
  }
  state.counters["lines"] = static_cast<double>(lines);
  setDriverBytes(state);
}
void BM_Drivers_Search_NoFilter(benchmark::State& state) { driverSearch(state, std::vector<core::Text>(10)); }
void BM_Drivers_Search_TwoFilters(benchmark::State& state) { driverSearch(state, DriverFixture::twoFilters()); }
BENCHMARK(BM_Drivers_Search_NoFilter)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Drivers_Search_TwoFilters)->Unit(benchmark::kMillisecond);

// The scan of the holiday list: every record's flag looked at, a line for each taken.
void BM_Drivers_FerieScan(benchmark::State& state) {
  DriverFixture& f = driverFixture();
  InDriverFolder here;
  std::size_t taken = 0;
  const core::Date today{1, 7, 2024};
  for (auto _ : state) {
    core::LineList lines;
    core::Archive archive = kit::openArchive(f.ferie.archive);
    core::scanLines(archive, drivers::driverLayout(), f.ferie.line,
                    [&](const core::RecordBuffer& r) { return f.ferie.select(r, today); }, lines);
    taken = lines.size();
    benchmark::DoNotOptimize(lines.size());
  }
  state.counters["lines"] = static_cast<double>(taken);
  setDriverBytes(state);
}
BENCHMARK(BM_Drivers_FerieScan)->Unit(benchmark::kMillisecond);

// The window as the driver card opens it: created, shown (the list fills), closed; a
// plain read of the driver archive before each.
bool openFerie() {
  TfrmFerie w(nullptr);
  w.show();
  const int lines = w.lstRecords->model()->rowCount();
  w.hide();
  return lines > 0;
}

void BM_Drivers_FerieWindow(benchmark::State& state) {
  InDriverFolder here;
  bench::interleaved(state, driverFixture().path, openFerie);
  setDriverBytes(state);
}
BENCHMARK(BM_Drivers_FerieWindow)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(9);

// The same, the first of a fresh process (after one over the small archive).
const bench::FreshRegistration freshFerie("Drivers_FerieWindow", [](const bench::FreshFolders& f) {
  platform::setExeDir(f.warm);
  if (!openFerie()) return 2;
  platform::setExeDir(f.data);
  return bench::measureFill(openFerie);
});

void BM_Fresh_Drivers_FerieWindow(benchmark::State& state) {
  DriverFixture& f = driverFixture();
  bench::freshFill(state, "Drivers_FerieWindow", f.path, {f.dir.path(), f.warm.path()});
  setDriverBytes(state);
}
BENCHMARK(BM_Fresh_Drivers_FerieWindow)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(bench::freshIterations());

}  // namespace

int main(int argc, char** argv) {
  bench::Program program(argc, argv);
  if (int status = 0; bench::runFreshChild(argc, argv, status)) return status;
  if (!program.readFlags()) return 1;
  fixture();
  driverFixture();
  platform::setExeDir(fixture().dir.path());
  return program.run([](const RatioReporter& reporter) {
    reporter.printRatios("%s / plain read: %.2fx\n",
                         {"BM_ScanMatch_NoFilter", "BM_ScanMatch_TwoFilters", "BM_Search_NoFilter",
                          "BM_Search_TwoFilters", "BM_SortLines_NoFilter", "BM_ListFill_NoFilter",
                          "BM_DoubleClickRescan"},
                         "BM_PlainRead");
    reporter.printRatios("%s / plain read of the drivers: %.2fx (goal: at most 2x)\n",
                         {"BM_Drivers_Search_NoFilter", "BM_Drivers_Search_TwoFilters", "BM_Drivers_FerieScan"},
                         "BM_Drivers_PlainRead");
  });
}

// The trip log on a generated archive of 100,000 trips (337.8 MB), against a plain
// read of the same file in the same run: the fuel and distance summary's scan (filters,
// dates, sums, lines) through the shared summary machinery, its list fill apart, the
// trip search with two filters, and the export against a plain read plus writing as
// many bytes as the export file holds. The ratios are printed at the end.
//
//   BM_PlainRead                  read the whole archive in large blocks
//   BM_SummaryScan/all            the summary of the whole year, no filter: every trip listed and summed
//   BM_SummaryScan/two_filters    a plate and a destination over the whole year
//   BM_SummaryScan/all_no_lines   the same with empty lines: what the line building costs
//   BM_SummaryListFill/all        the summary's lines into its result list (sort, items)
//   BM_Search/two_filters         "Cerca" with a plate and a driver, up to its lines
//   BM_PlainReadWrite(Flush)      read the archive + write N bytes (N = export file size), flushed or not
//   BM_Export                     open the archive, fill the grid, write the export file
//   BM_SummaryWindow/all          the whole year's summary as "Visualizza riepilogo" opens it:
//                                 scan, window, list filled, a plain read before each
//   BM_SearchWindow/two_filters   "Cerca" on the trip search window up to its filled list
//   BM_ExportWindow               the export window opened (the grid fills) and its export clicked
//   BM_Fresh_*                    the windows above, each the first in a fresh process
//                                 (bench/fresh_fill.h), the plain work before each
// VELMORA_BENCH_RECORDS sets another number of trips.
#include "bench_support.h"
#include "fresh_fill.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "core/archive.h"
#include "core/record.h"
#include "core/spreadsheet.h"
#include "kit/search_window.h"
#include "kit/spreadsheet.h"
#include "kit/summary.h"
#include "kit/result_list.h"
#include "platform/paths.h"
#include "platform/qtext.h"
#include "trips/frm_exp_servizi.h"
#include "trips/frm_menu_riep_costi.h"
#include "trips/frm_trova_servizi.h"
#include "trips/trip_record.h"

namespace {

const int kTrips = bench::recordCount(100000);

// `count` trips with the texts a real log holds, into `path`.
void generate(const std::string& path, int count) {
  const char* places[] = {"Milano", "Torino", "Bologna", "Reggio Emilia", "Roma", "Napoli", "Firenze", "Verona"};
  const char* vehicles[] = {"Fiat Ducato", "Iveco Daily", "Renault Master", "Volkswagen Transporter", "Ford Transit"};
  const char* drivers[] = {"Rossi Mario", "Bianchi Luca", "Verdi Anna", "Esposito Giuseppe", "Romano Paolo"};
  // Written at once: through the archive each record would be flushed to the disk.
  std::string bytes;
  bytes.reserve(static_cast<std::size_t>(count) * trips::TripRecord::kSize);
  core::RecordBuffer r(trips::tripLayout());
  auto set = [&](std::string_view f, const std::string& v) { r.set(f, core::fromUtf8(v)); };
  for (int i = 0; i < count; ++i) {
    const core::Date day = core::Date::fromSerial(core::Date{1, 1, 2024}.serial() + i % 366);
    const std::string date = core::toUtf8(core::formatDate(day));
    set("DataPartenza", date);
    set("OraPartenza", "08:30");
    set("DataRientro", date);
    set("OraRientro", "18:15");
    set("Luogo", places[i % 8]);
    set("Itinerario", "Autostrada A1, tangenziale, strada statale 9 Emilia");
    set("Scopo", "Consegna merci ai clienti della zona");
    set("Veicolo", vehicles[i % 5]);
    char plate[16];
    std::snprintf(plate, sizeof plate, "%c%c%03d%c%c", 'A' + i % 26, 'A' + (i / 26) % 26, i % 1000,
                  'A' + (i / 1000) % 26, 'A' + (i / 7) % 26);
    set("Targa", plate);
    set("Conduttore", drivers[i % 5]);
    set("Persone", i % 3 ? "" : "Neri Giulia");
    set("TotViaggiatori", i % 3 ? "1" : "2");
    set("Merce", "Bancali di piastrelle in ceramica");
    for (int row = 1; row <= 2; ++row) {
      const std::string n = "0" + std::to_string(row);
      set("DataRif" + n, date);
      set("OraRif" + n, "12:00");
      set("Stazione" + n, "Stazione di servizio Eni");
      set("Litri" + n, std::to_string(20 + i % 30));
      set("Importo" + n, std::to_string(30 + i % 50) + ",45");
    }
    set("LitriTot", std::to_string(2 * (20 + i % 30)));
    set("ImportoTot", std::to_string(2 * (30 + i % 50)) + ",90");
    set("KmPartenza", std::to_string(100000 + i));
    set("KmRientro", std::to_string(100000 + i + 250));
    set("KmPercorsi", "250");
    set("InCorso", i % 20 ? "No" : "S\xC3\xAC");
    bytes.append(reinterpret_cast<const char*>(r.data()), r.size());
  }
  std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

struct Fixture {
  QTemporaryDir dir, warm;
  std::string path;
  QString exportPath;
  kit::SummarySettings summary = TfrmMenuRiepCosti::settings();
  kit::ListSettings search = TfrmTrovaServizi::settings();
  kit::ExportSettings exportSettings = TfrmExpServizi::settings();
  core::LineList allSummaryLines;
  std::size_t exportSize = 0;

  Fixture() {
    platform::setExeDir(dir.path());
    path = platform::toLocalPath(platform::exePath(summary.archiveFile));
    exportPath = platform::exePath(exportSettings.fileName);
    generate(path, kTrips);
    generate(QFile::encodeName(warm.filePath(summary.archiveFile)).toStdString(), 20);
    bench::keepIfAsked(dir, "the archive");
    bench::keepIfAsked(warm, "the small archive");
    allSummaryLines = scan(QString(), QString()).lines;
    exportOnce();
    exportSize = static_cast<std::size_t>(QFileInfo(exportPath).size());
  }
  ~Fixture() { platform::setExeDir(QString()); }

  kit::SummaryData scan(const QString& plate, const QString& destination, bool lines = true) const {
    static const kit::SummarySettings withoutLines = [this] {
      kit::SummarySettings s = summary;
      s.line = core::LineFormat({core::line::literal(u"")});
      return s;
    }();
    return kit::scanSummary(lines ? summary : withoutLines, platform::exePath(summary.archiveFile), plate,
                            destination, core::Date{1, 1, 2024}, core::Date{31, 12, 2024});
  }
  // Plate "aa" and driver "rossi".
  static std::vector<core::Text> twoFilters() {
    std::vector<core::Text> t(10);
    t[7] = u"aa";
    t[8] = u"rossi";
    return t;
  }
  // The export as the window does it, without the window: the grid from the archive,
  // then the file.
  void exportOnce() const {
    const core::RecordLayout& layout = trips::tripLayout();
    std::vector<core::GridSource> sources;
    std::vector<std::u16string> headings;
    for (const auto& c : exportSettings.columns) {
      sources.push_back({layout.indexOf(c.field), {}});
      headings.push_back(c.heading.toStdU16String());
    }
    std::vector<core::SheetColumn> columns;
    for (std::size_t i = 0; i < headings.size(); ++i)
      columns.push_back({headings[i], exportSettings.columns[i].fileWidth});
    core::TextGrid grid(columns.size() + 1, 10);
    {
      core::Archive archive(path, layout.size());
      core::fillGrid(grid, archive, layout, sources);
    }
    if (!kit::writeSpreadsheet(exportPath, core::Sheet{u"Registro Viaggi", columns}, grid)) {
      std::fprintf(stderr, "cannot write the export\n");
      std::exit(1);
    }
  }
};

Fixture& fixture() {
  static Fixture f;
  return f;
}

void setBytes(benchmark::State& state) {
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * kTrips * trips::TripRecord::kSize);
}

void BM_PlainRead(benchmark::State& state) {
  bench::plainReadLoop(state, fixture().path);
  setBytes(state);
}

void summaryScan(benchmark::State& state, const QString& plate, const QString& destination, bool withLines = true) {
  Fixture& f = fixture();
  std::size_t lines = 0;
  for (auto _ : state) {
    const kit::SummaryData data = f.scan(plate, destination, withLines);
    lines = data.lines.size();
    benchmark::DoNotOptimize(data.sums.data());
  }
  state.counters["lines"] = static_cast<double>(lines);
  setBytes(state);
}
void BM_SummaryScan_all(benchmark::State& state) { summaryScan(state, QString(), QString()); }
void BM_SummaryScan_two_filters(benchmark::State& state) { summaryScan(state, "aa", "emilia"); }
void BM_SummaryScan_all_no_lines(benchmark::State& state) { summaryScan(state, QString(), QString(), false); }

void BM_SummaryListFill_all(benchmark::State& state) {
  Fixture& f = fixture();
  kit::ResultList list(nullptr, 1600);
  list.resize(961, 360);
  for (auto _ : state) {
    state.PauseTiming();
    core::LineList lines = f.allSummaryLines;
    state.ResumeTiming();
    list.setLines(std::move(lines));
    benchmark::DoNotOptimize(list.count());
  }
  state.counters["lines"] = static_cast<double>(f.allSummaryLines.size());
}

void BM_Search_two_filters(benchmark::State& state) {
  Fixture& f = fixture();
  std::size_t lines = 0;
  for (auto _ : state) {
    const core::LineList result =
        kit::searchArchive(f.search.archive, f.search.line, f.search.filters, Fixture::twoFilters());
    lines = result.size();
  }
  state.counters["lines"] = static_cast<double>(lines);
  setBytes(state);
}

void plainReadWrite(benchmark::State& state, bool flush) {
  Fixture& f = fixture();
  const std::string out = platform::toLocalPath(platform::exePath("plain.out"));
  bench::plainReadWriteLoop(state, f.path, out, f.exportSize, flush);
  state.counters["export_bytes"] = static_cast<double>(f.exportSize);
}
void BM_PlainReadWrite(benchmark::State& state) { plainReadWrite(state, false); }
void BM_PlainReadWriteFlush(benchmark::State& state) { plainReadWrite(state, true); }

void BM_Export(benchmark::State& state) {
  Fixture& f = fixture();
  for (auto _ : state) f.exportOnce();
  state.counters["export_bytes"] = static_cast<double>(f.exportSize);
}

// ---- the windows -------------------------------------------------------------------

// The whole year's summary as "Visualizza riepilogo" opens it: the scan, the window made
// and shown (its list takes and sorts the lines). True when it lists `lines` lines (any
// when negative).
bool openSummary(const kit::SummarySettings& settings, long long lines) {
  kit::SummaryData data = kit::scanSummary(settings, platform::exePath(settings.archiveFile), QString(), QString(),
                                           core::Date{1, 1, 2024}, core::Date{31, 12, 2024});
  kit::SummaryWindow w(nullptr, settings, std::move(data));
  w.show();
  const int listed = w.lstRecords->count();
  return listed > 0 && (lines < 0 || listed == lines);
}

// "Cerca" with a plate and a driver on a search window shown on its filters, up to its
// filled list.
bool cerca(TfrmTrovaServizi& w) {
  const std::vector<core::Text> texts = Fixture::twoFilters();
  for (int i = 0; i < w.filterEdits.size(); ++i) w.filterEdits[i]->setText(platform::fromCore(texts[static_cast<std::size_t>(i)]));
  w.btnCerca->click();
  return w.lstRecords->count() > 0;
}

bool openAndExport() {
  static bench::ExportHost* host = new bench::ExportHost;
  TfrmExpServizi w(nullptr);
  w.show();
  const bool filled = w.rowCount() > 0;
  w.cmdEsportaClick();
  return filled && !host->failed;
}

void BM_SummaryWindow_all(benchmark::State& state) {
  Fixture& f = fixture();
  const auto lines = static_cast<long long>(f.allSummaryLines.size());
  bench::interleaved(state, f.path, [&] { return openSummary(f.summary, lines); });
}

void BM_SearchWindow_two_filters(benchmark::State& state) {
  Fixture& f = fixture();
  std::unique_ptr<TfrmTrovaServizi> w;
  auto open = [&] {
    w = std::make_unique<TfrmTrovaServizi>(nullptr);
    w->show();
  };
  open();
  bench::interleaved(state, f.path, [&] { return cerca(*w); }, open);
}

void BM_ExportWindow(benchmark::State& state) {
  Fixture& f = fixture();
  bench::interleaved(state,
                     bench::plainReadWriteFlush(f.path, platform::toLocalPath(platform::exePath("plain.out")),
                                                f.exportSize),
                     openAndExport);
  state.counters["export_bytes"] = static_cast<double>(f.exportSize);
}

// In a fresh process, each after the same over the small archive (Qt's first uses).
const bench::FreshRegistration freshSummary("SummaryWindow_all", [](const bench::FreshFolders& f) {
  const kit::SummarySettings settings = TfrmMenuRiepCosti::settings();
  platform::setExeDir(f.warm);
  if (!openSummary(settings, -1)) return 2;
  platform::setExeDir(f.data);
  return bench::measureFill([&] { return openSummary(settings, -1); });
});

const bench::FreshRegistration freshSearch("SearchWindow_two_filters", [](const bench::FreshFolders& f) {
  platform::setExeDir(f.warm);
  {
    TfrmTrovaServizi warm(nullptr);
    warm.show();
    cerca(warm);
  }
  platform::setExeDir(f.data);
  TfrmTrovaServizi w(nullptr);
  w.show();
  return bench::measureFill([&] { return cerca(w); });
});

const bench::FreshRegistration freshExport("ExportWindow", [](const bench::FreshFolders& f) {
  platform::setExeDir(f.warm);
  if (!openAndExport()) return 2;
  platform::setExeDir(f.data);
  return bench::measureFill(openAndExport);
});

void fresh(benchmark::State& state, const char* name) {
  Fixture& f = fixture();
  bench::freshFill(state, name, f.path, {f.dir.path(), f.warm.path()});
}
void BM_Fresh_SummaryWindow_all(benchmark::State& state) { fresh(state, "SummaryWindow_all"); }
void BM_Fresh_SearchWindow_two_filters(benchmark::State& state) { fresh(state, "SearchWindow_two_filters"); }
void BM_Fresh_ExportWindow(benchmark::State& state) {
  Fixture& f = fixture();
  bench::freshFill(state, "ExportWindow",
                   bench::plainReadWriteFlush(f.path, platform::toLocalPath(platform::exePath("plain.out")),
                                              f.exportSize),
                   {f.dir.path(), f.warm.path()});
  state.counters["export_bytes"] = static_cast<double>(f.exportSize);
}

// Medians of three runs: the machine may be busy with others.
#define TRIPS_BENCH(f) BENCHMARK(f)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(1.0)->Repetitions(3)
TRIPS_BENCH(BM_PlainRead);
TRIPS_BENCH(BM_SummaryScan_all);
TRIPS_BENCH(BM_SummaryScan_two_filters);
TRIPS_BENCH(BM_SummaryScan_all_no_lines);
TRIPS_BENCH(BM_SummaryListFill_all);
TRIPS_BENCH(BM_Search_two_filters);
TRIPS_BENCH(BM_PlainReadWrite);
TRIPS_BENCH(BM_PlainReadWriteFlush);
TRIPS_BENCH(BM_Export);
#define WINDOW_BENCH(f) BENCHMARK(f)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(9)
#define FRESH_BENCH(f) BENCHMARK(f)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(bench::freshIterations())
WINDOW_BENCH(BM_SummaryWindow_all);
WINDOW_BENCH(BM_SearchWindow_two_filters);
WINDOW_BENCH(BM_ExportWindow);
FRESH_BENCH(BM_Fresh_SummaryWindow_all);
FRESH_BENCH(BM_Fresh_SearchWindow_two_filters);
FRESH_BENCH(BM_Fresh_ExportWindow);

}  // namespace

int main(int argc, char** argv) {
  bench::Program program(argc, argv);
  if (int status = 0; bench::runFreshChild(argc, argv, status)) return status;
  if (!program.readFlags()) return 1;
  fixture();
  return program.run([](const RatioReporter& reporter) {
    reporter.printRatios("%s: %.2fx plain read (goal: at most 2x)\n",
                         {"BM_SummaryScan_all/", "BM_SummaryScan_two_filters/", "BM_SummaryScan_all_no_lines/",
                          "BM_Search_two_filters/"},
                         "BM_PlainRead/");
    reporter.printRatios("%s: %.2fx plain read (reported apart)\n", {"BM_SummaryListFill_all"}, "BM_PlainRead/", "/");
    reporter.printRatios("%s: %.2fx plain read + write + flush (goal: at most 3x); %.2fx plain read + write\n",
                         {"BM_Export"}, "BM_PlainReadWriteFlush/", "BM_PlainReadWrite/", "/");
  });
}

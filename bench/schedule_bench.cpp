// The maintenance schedule's scans against a plain read of the same file, on a generated
// current-year archive of 100,000 deadlines (132.8 MB; VELMORA_BENCH_RECORDS for
// another count); the ratios are printed at the end.
//
//   BM_PlainRead          one pass over the archive file in 1 MiB blocks
//   BM_ImminentCheck      the check the window runs at every showing, with no deadline
//                         imminent, so it reads to the end (goal: at most 2x)
//   BM_ImminentWindowShow the same, as the schedule window's show handler runs it
//   BM_ImminentGrid       the imminent grid's fill and sort as its window runs them when
//                         it opens, three in four deadlines imminent (goal: at most 3x)
//   BM_YearGrid           the whole-year grid's fill, the same way (goal: at most 3x)
//   BM_GridWindowOnly     a grid window made, without its fill (for the record)
//   BM_SearchTwoFilters   the search with a date and a make filter (goal: at most 2x)
//   BM_Fresh_*            the window fills above, each the first in a fresh process
//                         (bench/fresh_fill.h), a plain read before each
#include "bench_support.h"
#include "fresh_fill.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "core/archive.h"
#include "core/clock.h"
#include "core/due_dates.h"
#include "core/spreadsheet.h"
#include "kit/search_window.h"
#include "maintenance/frm_scadenzario.h"
#include "maintenance/frm_scadenzario_grids.h"
#include "maintenance/frm_scadenzario_lists.h"
#include "maintenance/schedule_record.h"
#include "platform/dialogs.h"
#include "platform/paths.h"

namespace {

const int kDeadlines = bench::recordCount(100000);
constexpr int kYear = 2024;
// On the last day of the year no deadline of the file is imminent (none falls on it);
// on the first, every one with a year's warning is.
const core::Date kLastDay{31, 12, kYear};
const core::Date kFirstDay{1, 1, kYear};

QTemporaryDir* g_root = nullptr;
QTemporaryDir* g_warm = nullptr;  // the same archive of a few deadlines, for warming up
int g_imminentOnFirstDay = 0;  // counted as the archive is generated

QString archiveFileIn(const QString& folder) { return folder + QStringLiteral("/2024.sca"); }
QString archiveFile() { return archiveFileIn(g_root->path()); }
std::string archivePath() { return QFile::encodeName(archiveFile()).toStdString(); }

// Deadlines spread over the year up to 30 December, with the texts a real archive
// holds, into `folder`; returns how many are imminent on the first day.
int generate(const QString& folder, int deadlines) {
  static const char16_t* marche[] = {u"Fiat", u"Iveco", u"Renault", u"Volkswagen", u"Piaggio", u"Mercedes-Benz"};
  static const char16_t* modelli[] = {u"Panda 1.2", u"Daily 35C14", u"Kangoo Express", u"Golf Variant", u"Porter"};
  static const char16_t* lavori[] = {u"Tagliando", u"Cambio gomme", u"Revisione", u"Cambio olio e filtri"};
  static const char16_t* avvisi[] = {u"365", u"365", u"365", u"7"};
  const core::RecordLayout& layout = maintenance::scheduleLayout();
  core::RecordBuffer r(layout);
  std::string bytes;
  bytes.reserve(static_cast<std::size_t>(deadlines) * layout.size());
  const long long first = kFirstDay.serial();
  int imminent = 0;
  for (int i = 0; i < deadlines; ++i) {
    const core::Date d = core::Date::fromSerial(first + (i * 7919LL) % 364);
    auto two = [](int n) { return core::Text{char16_t(u'0' + n / 10), char16_t(u'0' + n % 10)}; };
    auto n = [&](int base) { return core::fromUtf8(std::to_string(base + i)); };
    r.set("Giorno", two(d.day));
    r.set("Mese", core::monthName(d.month));
    r.set("Anno", u"2024");
    r.set("Data", core::formatDate(d));
    r.set("OreApp", two(8 + i % 10));
    r.set("MinutiApp", two((i * 7) % 60));
    r.set("Ora", two(8 + i % 10) + u":" + two((i * 7) % 60));
    r.set("Avviso", avvisi[i % 4]);
    r.set("Conducente", u"Mario Bianchi " + n(0));
    r.set("CodFisc", u"BNCMRA80A01H501U");
    r.set("Recapito", u"333 1234567");
    r.set("Veicolo", u"Autovettura");
    r.set("Marca", marche[i % 6]);
    r.set("Modello", modelli[i % 5]);
    r.set("Colore", u"Bianco perla");
    r.set("Alimentazione", u"Gasolio");
    r.set("Targa", u"AB" + n(100000) + u"CD");
    r.set("Manutenzione", lavori[i % 4]);
    r.set("Dettagli", u"Controllo livelli, freni e sospensioni; sostituzione filtro abitacolo se necessario");
    r.set("Officina", u"Filtro olio, filtro aria, pastiglie anteriori");
    r.set("Costo", u"245,50");
    r.set("Contatto", u"Officina Verdi");
    r.set("Note", u"Appuntamento da confermare telefonicamente il giorno prima");
    r.set("DaConfermare", i % 3 ? u"No" : u"S\u00EC");
    r.set("Effettuata", i % 2 ? u"No" : u"S\u00EC");
    imminent += core::checkImminent(r.get("Data"), r.get("Avviso"), kFirstDay) == core::Imminence::Yes;
    bytes.append(reinterpret_cast<const char*>(r.data()), r.size());
  }
  bench::writeFileOrExit(archiveFileIn(folder), bytes);
  return imminent;
}

void setBytes(benchmark::State& state) {
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * kDeadlines *
                          static_cast<int64_t>(maintenance::MaintenanceDeadlineRecord::kSize));
}

void BM_PlainRead(benchmark::State& state) {
  bench::plainReadLoop(state, archivePath());
  setBytes(state);
}

void BM_ImminentCheck(benchmark::State& state) {
  const core::RecordLayout& layout = maintenance::scheduleLayout();
  const std::size_t data = layout.indexOf("Data"), avviso = layout.indexOf("Avviso");
  for (auto _ : state) {
    core::Archive archive(archivePath(), layout.size());
    const core::ImminentScan scan = core::scanImminent(archive, layout, data, avviso, kLastDay);
    if (scan.found || !scan.complete) state.SkipWithError("a deadline was imminent");
  }
  setBytes(state);
}

void BM_ImminentWindowShow(benchmark::State& state) {
  const core::PinnedClock clock(kLastDay);
  TfrmScadenzario w(nullptr);
  // The show handler checks the current year's archive.
  bench::interleaved(
      state, archivePath(), [&] { w.show(); return !w.btnOK->isEnabled(); }, [&] { w.hide(); });
  setBytes(state);
}

// The grid window made once; each iteration shows it, and the show handler fills the
// grid from the archive (and sorts it) as it does each time the window opens, a plain
// read of the archive before each. Making the window's controls is BM_GridWindowOnly.
template <typename Window, typename MakeWindow>
void showGrid(benchmark::State& state, MakeWindow make, int expectedRows) {
  std::unique_ptr<Window> w = make();
  bench::interleaved(
      state, archivePath(), [&] { w->show(); return w->rowCount() == expectedRows; }, [&] { w->hide(); });
  setBytes(state);
}

void BM_ImminentGrid(benchmark::State& state) {
  // Three in four deadlines have a year's warning: imminent on the first day.
  showGrid<TfrmExpImminenti>(state, [] { return std::make_unique<TfrmExpImminenti>(nullptr); },
                             g_imminentOnFirstDay);
}

// The same fill and sort without the window, and the window with an empty archive:
// where the grid's time goes.
void BM_ImminentGridFillOnly(benchmark::State& state) {
  const kit::ExportSettings settings = TfrmExpImminenti::settings(kFirstDay);
  const core::RecordLayout& layout = maintenance::scheduleLayout();
  std::vector<core::GridSource> sources;
  for (const kit::ExportColumn& c : settings.columns)
    sources.push_back({c.field.empty() ? core::GridSource::kComposed : layout.indexOf(c.field), c.compose});
  for (auto _ : state) {
    core::TextGrid grid(sources.size() + 1, 10);
    core::Archive archive(archivePath(), layout.size());
    core::fillGrid(grid, archive, layout, sources, settings.take);
    if (state.range(0)) core::SortGridByColumn(grid, sources.size());
    if (grid.rowCount() != static_cast<std::size_t>(g_imminentOnFirstDay)) state.SkipWithError("not filled");
  }
  setBytes(state);
}

void BM_GridWindowOnly(benchmark::State& state) {
  for (auto _ : state) {
    auto w = std::make_unique<kit::SpreadsheetWindow>(nullptr, TfrmExpImminenti::settings(kFirstDay));
    benchmark::DoNotOptimize(w.get());
  }
}

void BM_YearGrid(benchmark::State& state) {
  QLabel lblFile(archiveFile());
  showGrid<kit::SpreadsheetWindow>(
      state, [&] { return std::make_unique<kit::SpreadsheetWindow>(nullptr, TfrmExpScadenzario::settings(&lblFile)); },
      kDeadlines);
}

// ---- first fills in a fresh process ----------------------------------------------------

// The schedule window's show, which checks the current year's archive: on the last day
// no deadline is imminent, so it reads to the end.
const bench::FreshRegistration freshImminentWindowShow("ImminentWindowShow", [](const bench::FreshFolders& f) {
  const core::PinnedClock clock(kLastDay);
  platform::setExeDir(f.warm);
  TfrmScadenzario w(nullptr);
  w.show();
  w.hide();
  platform::setExeDir(f.data);
  return bench::measureFill([&] {
    w.show();
    return !w.btnOK->isEnabled();
  });
});

// A grid window's first fill: the window made and shown once over the small archive
// (Qt's first uses), then a new one shown over the measured archive.
template <typename Window, typename MakeWindow>
int freshGrid(const bench::FreshFolders& f, MakeWindow make) {
  const core::PinnedClock clock(kFirstDay);
  platform::setExeDir(f.warm);
  {
    std::unique_ptr<Window> warm = make(f.warm);
    warm->show();
    if (warm->rowCount() == 0) return 2;
    warm->hide();
  }
  platform::setExeDir(f.data);
  std::unique_ptr<Window> w = make(f.data);
  return bench::measureFill([&] {
    w->show();
    return w->rowCount() > 0;
  });
}

const bench::FreshRegistration freshImminentGrid("ImminentGrid", [](const bench::FreshFolders& f) {
  return freshGrid<TfrmExpImminenti>(f, [](const QString&) { return std::make_unique<TfrmExpImminenti>(nullptr); });
});

const bench::FreshRegistration freshYearGrid("YearGrid", [](const bench::FreshFolders& f) {
  static QLabel* lblFile = new QLabel;
  return freshGrid<kit::SpreadsheetWindow>(f, [](const QString& folder) {
    lblFile->setText(archiveFileIn(folder));
    return std::make_unique<kit::SpreadsheetWindow>(nullptr, TfrmExpScadenzario::settings(lblFile));
  });
});

void fresh(benchmark::State& state, const char* name) {
  bench::freshFill(state, name, archivePath(), {g_root->path(), g_warm->path()});
  setBytes(state);
}
void BM_Fresh_ImminentWindowShow(benchmark::State& state) { fresh(state, "ImminentWindowShow"); }
void BM_Fresh_ImminentGrid(benchmark::State& state) { fresh(state, "ImminentGrid"); }
void BM_Fresh_YearGrid(benchmark::State& state) { fresh(state, "YearGrid"); }

void BM_SearchTwoFilters(benchmark::State& state) {
  QLabel lblFile(archiveFile());
  const kit::ListSettings settings = TfrmTrovaScadenzario::settings(&lblFile);
  // Data "/03/" (every day of March) and Marca "fiat".
  std::vector<core::Text> texts(settings.filters.size());
  texts[0] = u"/03/";
  texts[6] = u"fiat";
  std::size_t lines = 0;
  for (auto _ : state) {
    auto result = kit::searchArchive(settings.archive, settings.line, settings.filters, texts);
    lines = result.size();
    benchmark::DoNotOptimize(lines);
  }
  state.counters["lines"] = static_cast<double>(lines);
  setBytes(state);
}

// Medians of three runs: the machine may be busy with others. The window fills measure
// themselves against a plain read before each.
#define SCHEDULE_BENCH(f) BENCHMARK(f)->Unit(benchmark::kMillisecond)->UseRealTime()->Repetitions(3)
#define WINDOW_BENCH(f) BENCHMARK(f)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(9)
#define FRESH_BENCH(f) BENCHMARK(f)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(bench::freshIterations())
SCHEDULE_BENCH(BM_PlainRead);
SCHEDULE_BENCH(BM_ImminentCheck);
WINDOW_BENCH(BM_ImminentWindowShow);
WINDOW_BENCH(BM_ImminentGrid);
SCHEDULE_BENCH(BM_ImminentGridFillOnly)->Arg(0)->Arg(1);
SCHEDULE_BENCH(BM_GridWindowOnly);
WINDOW_BENCH(BM_YearGrid);
SCHEDULE_BENCH(BM_SearchTwoFilters);
FRESH_BENCH(BM_Fresh_ImminentWindowShow);
FRESH_BENCH(BM_Fresh_ImminentGrid);
FRESH_BENCH(BM_Fresh_YearGrid);

}  // namespace

int main(int argc, char** argv) {
  bench::Program program(argc, argv);
  bench::SilentHost host;
  if (int status = 0; bench::runFreshChild(argc, argv, status)) return status;
  if (!program.readFlags()) return 1;
  QTemporaryDir root, warm;
  g_root = &root;
  g_warm = &warm;
  g_imminentOnFirstDay = generate(root.path(), kDeadlines);
  generate(warm.path(), 20);
  bench::keepIfAsked(root, "the archive");
  bench::keepIfAsked(warm, "the small archive");
  platform::setExeDir(root.path());
  // The grids read today's date: the first day of the archive's year.
  const core::PinnedClock clock(kFirstDay);
  const int status = program.run([](const RatioReporter& reporter) {
    reporter.printRatios("%s / plain read: %.2fx (goal: at most 2x)\n", {"BM_ImminentCheck"}, "BM_PlainRead");
    reporter.printRatios("%s / plain read: %.2fx (goal: at most 2x)\n", {"BM_SearchTwoFilters"}, "BM_PlainRead");
  });
  platform::setExeDir(QString());
  return status;
}

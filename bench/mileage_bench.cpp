// The mileage schedule on a generated archive of 100,000 deadlines (119.3 MB), against
// plain work on the same file in the same run:
//
//   BM_PlainRead            read the archive once, in large blocks
//   BM_PlainReadWriteFlush  read it once and write + flush as many bytes as the export file
//   BM_Select_*             the lists' choice alone (every record looked at, none built)
//   BM_Scan_*               the list scans alone (records chosen, lines built)
//   BM_ListFill_*           the list windows' fill as they open: scan, sort, list filled
//   BM_Search_TwoFilters    "Cerca" with a make and a workshop filter, lines built
//   BM_Export               the export window: open it (the grid fills), click export
//   BM_Fresh_*              the list windows' fill and the export window's, each the first
//                           in a fresh process (bench/fresh_fill.h), a plain read before each
// VELMORA_BENCH_RECORDS sets another number of deadlines.
#include "bench_support.h"
#include "fresh_fill.h"

#include <QAbstractItemModel>
#include <QAbstractItemView>
#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QListWidget>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "core/archive.h"
#include "core/record.h"
#include "core/search_filter.h"
#include "kit/search_window.h"
#include "maintenance/frm_da_effettuare.h"
#include "maintenance/frm_exp_chilometrico.h"
#include "maintenance/frm_scadute_km.h"
#include "maintenance/frm_trova_chilometrico.h"
#include "maintenance/mileage_record.h"
#include "maintenance/mileage_rules.h"
#include "platform/dialogs.h"
#include "platform/paths.h"

namespace {

const int kDeadlines = bench::recordCount(100000);
using maintenance::MileageDeadlineRecord;

std::string archiveIn(const QString& folder) {
  return QFile::encodeName(folder + QLatin1Char('/') + QString::fromLatin1(MileageDeadlineRecord::kArchiveName.data()))
      .toStdString();
}

// `count` deadlines with the texts a real archive holds, into `path`.
void generate(const std::string& path, int count) {
  const char16_t* tipi[] = {u"Autovettura", u"Furgone", u"Autocarro", u"Minibus", u"Motociclo"};
  const char16_t* marche[] = {u"Fiat", u"Iveco", u"Renault", u"Volkswagen", u"Mercedes-Benz", u"Ford", u"Opel"};
  const char16_t* modelli[] = {u"Ducato", u"Daily 35C14", u"Master", u"Transporter", u"Sprinter", u"Transit"};
  const char16_t* lavori[] = {u"Tagliando", u"Cambio olio e filtri", u"Sostituzione pneumatici",
                              u"Cinghia di distribuzione", u"Pastiglie freni"};
  const char16_t* officine[] = {u"Officina Centrale", u"Autoriparazioni Bianchi", u"Garage Rossi & C.",
                                u"Centro Revisioni Nord"};
  core::RecordBuffer r(maintenance::mileageLayout());
  std::string bytes;
  bytes.reserve(static_cast<std::size_t>(count) * MileageDeadlineRecord::kSize);
  auto n = [](long long v) { return QString::number(v).toStdU16String(); };
  for (int i = 0; i < count; ++i) {
    const long long kmRil = 1000 + (i * 7919LL) % 300000;
    const long long ogni = 5000 + (i % 7) * 5000;
    const long long attuali = kmRil + (i * 104729LL) % (2 * ogni);
    const bool done = i % 3 == 0;
    r.set("Veicolo", tipi[i % 5]);
    r.set("Marca", marche[i % 7]);
    r.set("Modello", modelli[(i / 7) % 6]);
    r.set("Colore", u"Bianco");
    r.set("Alimentazione", u"Gasolio");
    r.set("Targa", u"AB" + n(100000 + i) + u"CD");
    r.set("Conducente", i % 4 ? u"Mario Bianchi" : u"Luca Romano");
    r.set("CodFisc", u"BNCMRA80A01H501U");
    r.set("Recapito", u"333 1234567");
    r.set("Manutenzione", lavori[i % 5]);
    r.set("Dettagli", u"Sostituzione olio motore 5W30, filtro olio, filtro aria e filtro abitacolo; controllo "
                      u"livelli e freni");
    r.set("Officina", officine[i % 4]);
    r.set("Costo", u"245,50");
    r.set("DataInt", done ? u"15/01/2024" : u"");
    r.set("KmRil", n(kmRil));
    r.set("DataRil", u"01/02/2023");
    r.set("Ogni", n(ogni));
    r.set("Prossima", n(kmRil + ogni));
    r.set("KmAttuali", n(attuali));
    r.set("DataAtt", u"01/03/2024");
    r.set("Stato", attuali > kmRil + ogni ? u"SCADUTA" : u"VALIDA");
    r.set("Effettuata", done ? u"S\u00EC" : u"No");
    r.set("Note", i % 20 ? u"Nessuna nota" : u"Ricambi originali; ritiro concordato con il conducente");
    bytes.append(reinterpret_cast<const char*>(r.data()), r.size());
  }
  // Written at once: the archive's own writes flush every record to the disk.
  bench::writeFileOrExit(QString::fromStdString(path), bytes);
}

struct Fixture {
  QTemporaryDir dir, warm;
  std::string path;
  std::string plainOut;
  std::size_t exportSize = 0;

  Fixture() {
    platform::setExeDir(dir.path());
    path = archiveIn(dir.path());
    plainOut = QFile::encodeName(dir.filePath(QStringLiteral("plain.out"))).toStdString();
    generate(path, kDeadlines);
    generate(archiveIn(warm.path()), 20);
    bench::keepIfAsked(dir, "the archive");
    bench::keepIfAsked(warm, "the small archive");
  }
  ~Fixture() { platform::setExeDir(QString()); }
};

Fixture& fixture() {
  static Fixture f;
  return f;
}

void setBytes(benchmark::State& state) {
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * kDeadlines * MileageDeadlineRecord::kSize);
}

void BM_PlainRead(benchmark::State& state) {
  bench::plainReadLoop(state, fixture().path);
  setBytes(state);
}

// The lists' choice alone: every record looked at, the chosen ones counted.
void select(benchmark::State& state, bool (*take)(const core::RecordBuffer&)) {
  Fixture& f = fixture();
  core::RecordBuffer r(maintenance::mileageLayout());
  int chosen = 0;
  for (auto _ : state) {
    core::Archive archive(f.path, MileageDeadlineRecord::kSize);
    chosen = 0;
    core::forEachRecord(archive, r, [&](const core::RecordBuffer& rec, std::size_t) {
      chosen += take(rec);
      return true;
    });
  }
  state.counters["chosen"] = chosen;
  setBytes(state);
}
void BM_Select_DaEffettuare(benchmark::State& state) { select(state, &maintenance::isToDoMileage); }
void BM_Select_ScaduteKm(benchmark::State& state) { select(state, &maintenance::isExpiredMileage); }

// The list scans without a window: which records a list takes, their lines.
void scan(benchmark::State& state, bool (*take)(const core::RecordBuffer&)) {
  Fixture& f = fixture();
  std::size_t lines = 0;
  for (auto _ : state) {
    core::Archive archive(f.path, MileageDeadlineRecord::kSize);
    core::LineList out;
    core::scanLines(archive, maintenance::mileageLayout(), maintenance::mileageLine(),
                    [take](const core::RecordBuffer& r) { return take(r) ? core::Verdict::Take : core::Verdict::Skip; },
                    out);
    lines = out.size();
  }
  state.counters["lines"] = static_cast<double>(lines);
  setBytes(state);
}
void BM_Scan_DaEffettuare(benchmark::State& state) { scan(state, &maintenance::isToDoMileage); }
void BM_Scan_ScaduteKm(benchmark::State& state) { scan(state, &maintenance::isExpiredMileage); }

// The list windows as they open: the scan, the sort and the list filled, a plain read of
// the archive before each.
template <typename Window>
void listFill(benchmark::State& state) {
  Fixture& f = fixture();
  int lines = 0;
  // Made once: each showing fills the list again (making and closing the window are
  // not the fill).
  Window w(nullptr);
  bench::interleaved(
      state, f.path,
      [&] {
        w.show();
        lines = w.lstRecords->model()->rowCount();
        return lines > 0;
      },
      [&] { w.close(); });
  state.counters["lines"] = lines;
  setBytes(state);
}
void BM_ListFill_DaEffettuare(benchmark::State& state) { listFill<TfrmDaEffettuare>(state); }
void BM_ListFill_ScaduteKm(benchmark::State& state) { listFill<TfrmScaduteKm>(state); }

// The same, each the first fill of a fresh process: the window made and shown once over
// the small archive (Qt's first uses), then a new one over the measured archive.
template <typename Window>
int freshList(const bench::FreshFolders& f) {
  platform::setExeDir(f.warm);
  {
    Window warm(nullptr);
    warm.show();
    if (warm.lstRecords->model()->rowCount() == 0) return 2;
    warm.close();
  }
  platform::setExeDir(f.data);
  Window w(nullptr);
  return bench::measureFill([&] {
    w.show();
    return w.lstRecords->model()->rowCount() > 0;
  });
}
const bench::FreshRegistration freshDaEffettuare("ListFill_DaEffettuare", freshList<TfrmDaEffettuare>);
const bench::FreshRegistration freshScaduteKm("ListFill_ScaduteKm", freshList<TfrmScaduteKm>);

// The export window opened (the grid fills) and its export clicked, in a fresh process.
const bench::FreshRegistration freshExport("Export", bench::freshOpenAndExport<TfrmExpChilometrico>);

void fresh(benchmark::State& state, const char* name) {
  Fixture& f = fixture();
  bench::freshFill(state, name, f.path, {f.dir.path(), f.warm.path()});
  setBytes(state);
}
void BM_Fresh_ListFill_DaEffettuare(benchmark::State& state) { fresh(state, "ListFill_DaEffettuare"); }
void BM_Fresh_ListFill_ScaduteKm(benchmark::State& state) { fresh(state, "ListFill_ScaduteKm"); }
// Against a plain read and as many bytes written and flushed as the export file holds.
void BM_Fresh_Export(benchmark::State& state) {
  Fixture& f = fixture();
  if (f.exportSize == 0) {
    state.SkipWithError("run BM_Export first");
    return;
  }
  bench::freshFill(state, "Export", bench::plainReadWriteFlush(f.path, f.plainOut, f.exportSize),
                   {f.dir.path(), f.warm.path()});
  state.counters["bytes_written"] = static_cast<double>(f.exportSize);
}

void BM_Search_TwoFilters(benchmark::State& state) {
  fixture();
  static const kit::ListSettings settings = TfrmTrovaChilometrico::settings();
  std::vector<core::Text> texts(10);
  texts[2] = u"FIAT";       // make
  texts[6] = u"centrale";   // workshop
  std::size_t lines = 0;
  for (auto _ : state) lines = kit::searchArchive(settings.archive, settings.line, settings.filters, texts).size();
  state.counters["lines"] = static_cast<double>(lines);
  setBytes(state);
}

void BM_Export(benchmark::State& state) {
  Fixture& f = fixture();
  bench::openAndExport<TfrmExpChilometrico>(state, kDeadlines);
  f.exportSize = static_cast<std::size_t>(QFileInfo(platform::exePath(QStringLiteral("Scadenzario_Chilometrico.xls"))).size());
  setBytes(state);
}

// One pass over the archive and as many bytes written and flushed as the export file
// holds (the export file is flushed to the disk before the export says it is done).
void BM_PlainReadWriteFlush(benchmark::State& state) {
  Fixture& f = fixture();
  if (f.exportSize == 0) {
    state.SkipWithError("run BM_Export first");
    return;
  }
  bench::plainReadWriteLoop(state, f.path, f.plainOut, f.exportSize, true);
  state.counters["bytes_written"] = static_cast<double>(f.exportSize);
}

// Medians of three runs: the machine may be busy with others.
#define MILEAGE_BENCH(f) BENCHMARK(f)->Unit(benchmark::kMillisecond)->UseRealTime()->Repetitions(3)
#define WINDOW_BENCH(f) BENCHMARK(f)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(9)
#define FRESH_BENCH(f) BENCHMARK(f)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(bench::freshIterations())
MILEAGE_BENCH(BM_PlainRead);
MILEAGE_BENCH(BM_Select_DaEffettuare);
MILEAGE_BENCH(BM_Select_ScaduteKm);
MILEAGE_BENCH(BM_Scan_DaEffettuare);
MILEAGE_BENCH(BM_Scan_ScaduteKm);
WINDOW_BENCH(BM_ListFill_DaEffettuare);
WINDOW_BENCH(BM_ListFill_ScaduteKm);
MILEAGE_BENCH(BM_Search_TwoFilters);
MILEAGE_BENCH(BM_Export);
MILEAGE_BENCH(BM_PlainReadWriteFlush);
FRESH_BENCH(BM_Fresh_ListFill_DaEffettuare);
FRESH_BENCH(BM_Fresh_ListFill_ScaduteKm);
FRESH_BENCH(BM_Fresh_Export);

}  // namespace

int main(int argc, char** argv) {
  bench::Program program(argc, argv);
  if (int status = 0; bench::runFreshChild(argc, argv, status)) return status;
  if (!program.readFlags()) return 1;
  fixture();
  return program.run([](const RatioReporter& reporter) {
    reporter.printRatios("%s / plain read: %.2fx (goal: at most 2x)\n",
                         {"BM_Select_DaEffettuare", "BM_Select_ScaduteKm", "BM_Scan_DaEffettuare", "BM_Scan_ScaduteKm",
                          "BM_Search_TwoFilters"},
                         "BM_PlainRead");
    reporter.printRatios("%s / plain read + write + flush: %.2fx (goal: at most 3x)\n", {"BM_Export"},
                         "BM_PlainReadWriteFlush");
  });
}

// The gate register on a generated archive of 100,000 visits of one year (136.6 MB),
// against a plain read of the same file in the same run: the three day lists' scans
// (their selection and lines) on a day with about 270 visits, the list fill apart, the
// gate search with two filters, the export against a plain read plus writing as many
// bytes as the export file holds, and the monthly transit counts. The ratios are
// printed at the end.
//
//   BM_PlainRead                   read the whole archive in large blocks
//   BM_DayList/usciti_oggi         the vehicles exited today: scan, selection, lines
//   BM_DayList/entrati_oggi        the vehicles entered today
//   BM_DayList/non_usciti          the vehicles not yet out (10,000 visits listed)
//   BM_DayListFill/non_usciti      those 10,000 lines into the result list (sort, items)
//   BM_Search/two_filters          "Cerca" with a plate and a driver, up to its lines
//   BM_PlainReadWrite(Flush)       read the archive + write N bytes (N = export file size), flushed or not
//   BM_Export                      the export window opened (its grid filled) and its export written
//   BM_TransitCounts               open the archive and count the visits of the year per month
#include "bench_support.h"

#include <QFileInfo>
#include <QLabel>
#include <QTemporaryDir>

#include <cstdio>
#include <string>
#include <vector>

#include "core/archive.h"
#include "core/monthly_sums.h"
#include "gate/day_lists.h"
#include "gate/frm_exp_visite.h"
#include "gate/frm_registro.h"
#include "gate/frm_statistiche.h"
#include "gate/frm_trova_visite.h"
#include "gate/visit_record.h"
#include "kit/archive_source.h"
#include "kit/result_list.h"
#include "kit/search_window.h"
#include "kit/statistics.h"
#include "platform/paths.h"
#include "platform/qtext.h"
#include "platform/windows.h"

namespace {

constexpr int kVisits = 100000;
const core::Date kToday{5, 3, 2024};

// The program's long-lived gate card, which the lists, the search and the export read
// the archive's path from.
class GateWindows : public platform::WindowDirectory {
 public:
  GateWindows() { platform::setWindowDirectory(this); }
  ~GateWindows() override { platform::setWindowDirectory(nullptr); }
  platform::Form* window(const QString& className) const override {
    return className == QStringLiteral("TfrmRegistro") ? card : nullptr;
  }
  void showLauncher() override {}
  TfrmRegistro* card = nullptr;
};

struct Fixture {
  QTemporaryDir dir;
  GateWindows windows;
  std::string path;
  std::size_t exportSize = 0;
  core::LineList notYetOutLines;

  Fixture() {
    platform::setExeDir(dir.path());
    windows.card = new TfrmRegistro(nullptr);
    windows.card->openYear(QStringLiteral("2024"));
    const QString file = windows.card->lblFile->text();
    path = platform::toLocalPath(file);
    const char* vehicles[] = {"Fiat Ducato", "Iveco Daily", "Renault Master", "Volkswagen Transporter", "Ford Transit"};
    const char* drivers[] = {"Rossi Mario", "Bianchi Luca", "Verdi Anna", "Esposito Giuseppe", "Romano Paolo"};
    bench::writeFileOrExit(file, bench::recordBytes(gate::visitLayout(), kVisits, [&](core::RecordBuffer& r, int i) {
      const core::Date in = core::Date::fromSerial(core::Date{1, 1, 2024}.serial() + i % 366);
      const core::Date out = core::Date::fromSerial(in.serial() + (i % 7 == 0 ? 1 : 0));
      auto set = [&](std::string_view f, const std::string& v) { r.set(f, core::fromUtf8(v)); };
      r.set("DataEnt", core::formatDate(in));
      set("OraEnt", "08:30");
      set("OperatoreEnt", "Bianchi Luca");
      set("Veicolo", vehicles[i % 5]);
      char plate[16];
      std::snprintf(plate, sizeof plate, "%c%c%03d%c%c", 'A' + i % 26, 'A' + (i / 26) % 26, i % 1000,
                    'A' + (i / 1000) % 26, 'A' + (i / 7) % 26);
      set("Targa", plate);
      set("Conduttore", drivers[i % 5]);
      set("Persone", i % 3 ? "" : "Neri Giulia");
      set("Merce", "Bancali di materiale edile");
      set("Foglio", "FM-" + std::to_string(i));
      set("Tessere", std::to_string(i % 90) + ", " + std::to_string(i % 90 + 1));
      set("Luogo", "Magazzino centrale");
      set("TelCel", "333 1234567");
      set("Note", i % 4 ? "" : "Consegna entro le 12");
      // One visit in ten has not left yet.
      r.set("DataUsc", i % 10 ? core::formatDate(out) : core::Text());
      set("OraUsc", i % 10 ? "17:15" : "");
      set("OperatoreUsc", i % 10 ? "Verdi Anna" : "");
    }));
    kit::listArchive(gate::dayListSettings(gate::DayList::NotYetOut), kToday, notYetOutLines);
    exportOnce();
    exportSize = static_cast<std::size_t>(QFileInfo(platform::exePath(TfrmExpVisite::settings().fileName)).size());
  }
  ~Fixture() {
    delete windows.card;
    platform::setExeDir(QString());
  }

  void exportOnce() {
    bench::ExportHost host;
    TfrmExpVisite w(nullptr);
    w.show();
    w.cmdEsportaClick();
    if (host.failed || w.rowCount() != kVisits) {
      std::fprintf(stderr, "the export failed\n");
      std::exit(1);
    }
  }
};

Fixture& fixture() {
  static Fixture f;
  return f;
}

void setBytes(benchmark::State& state) {
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * kVisits * gate::VisitRecord::kSize);
}

void BM_PlainRead(benchmark::State& state) {
  bench::plainReadLoop(state, fixture().path);
  setBytes(state);
}

void dayList(benchmark::State& state, gate::DayList which) {
  fixture();
  const kit::ListSettings settings = gate::dayListSettings(which);
  std::size_t lines = 0;
  for (auto _ : state) {
    core::LineList result;
    kit::listArchive(settings, kToday, result);
    lines = result.size();
  }
  state.counters["lines"] = static_cast<double>(lines);
  setBytes(state);
}
void BM_DayList_usciti_oggi(benchmark::State& state) { dayList(state, gate::DayList::ExitedToday); }
void BM_DayList_entrati_oggi(benchmark::State& state) { dayList(state, gate::DayList::EnteredToday); }
void BM_DayList_non_usciti(benchmark::State& state) { dayList(state, gate::DayList::NotYetOut); }

void BM_DayListFill_non_usciti(benchmark::State& state) {
  Fixture& f = fixture();
  kit::ResultList list(nullptr, 1600);
  list.resize(801, 273);
  for (auto _ : state) {
    state.PauseTiming();
    core::LineList lines = f.notYetOutLines;
    state.ResumeTiming();
    list.setLines(std::move(lines));
    benchmark::DoNotOptimize(list.count());
  }
  state.counters["lines"] = static_cast<double>(f.notYetOutLines.size());
}

void BM_Search_two_filters(benchmark::State& state) {
  fixture();
  const kit::ListSettings s = TfrmTrovaVisite::settings();
  // The plate "aa" and the driver "rossi", in the filters' order.
  std::vector<core::Text> texts(s.filters.size());
  texts[3] = u"aa";
  texts[4] = u"rossi";
  std::size_t lines = 0;
  for (auto _ : state) lines = kit::searchArchive(s.archive, s.line, s.filters, texts).size();
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
  bench::openAndExport<TfrmExpVisite>(state, kVisits);
  state.counters["export_bytes"] = static_cast<double>(f.exportSize);
}

void BM_TransitCounts(benchmark::State& state) {
  Fixture& f = fixture();
  const kit::StatisticsSettings s = TfrmStatistiche::settings();
  core::MonthValues values{};
  for (auto _ : state) {
    core::Archive archive = kit::openArchive(QString::fromStdString(f.path), s.layout->size());
    core::sumByMonth(archive, {s.layout, s.dateField, s.amountField}, u"2024", values);
    benchmark::DoNotOptimize(values.data());
  }
  state.counters["march"] = values[2];
  setBytes(state);
}

// Medians of three runs: the machine may be busy with others.
#define GATE_BENCH(f) BENCHMARK(f)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(1.0)->Repetitions(3)
GATE_BENCH(BM_PlainRead);
GATE_BENCH(BM_DayList_usciti_oggi);
GATE_BENCH(BM_DayList_entrati_oggi);
GATE_BENCH(BM_DayList_non_usciti);
GATE_BENCH(BM_DayListFill_non_usciti);
GATE_BENCH(BM_Search_two_filters);
GATE_BENCH(BM_PlainReadWrite);
GATE_BENCH(BM_PlainReadWriteFlush);
GATE_BENCH(BM_Export);
GATE_BENCH(BM_TransitCounts);

}  // namespace

int main(int argc, char** argv) {
  bench::Program program(argc, argv);
  if (!program.readFlags()) return 1;
  fixture();
  return program.run([](const RatioReporter& reporter) {
    reporter.printRatios("%s: %.2fx plain read (goal: at most 2x)\n",
                         {"BM_DayList_usciti_oggi/", "BM_DayList_entrati_oggi/", "BM_DayList_non_usciti/",
                          "BM_Search_two_filters/"},
                         "BM_PlainRead/");
    reporter.printRatios("%s: %.2fx plain read (reported apart)\n", {"BM_DayListFill_non_usciti"}, "BM_PlainRead/",
                         "/");
    reporter.printRatios("%s: %.2fx plain read + write + flush (goal: at most 3x); %.2fx plain read + write\n",
                         {"BM_Export"}, "BM_PlainReadWriteFlush/", "BM_PlainReadWrite/", "/");
    reporter.printRatios("%s: %.2fx plain read (goal: at most 1.5x)\n", {"BM_TransitCounts/"}, "BM_PlainRead/");
    if (const double t = reporter.time("BM_DayListFill_non_usciti/"); t > 0)
      std::printf("list fill of the 10,000 vehicles not yet out: %.2f ms\n", t);
  });
}

// The monthly charts on generated yearly archives of 100,000 records each, a cost
// archive (162.7 MB) and a gate archive (136.6 MB), each against a plain read of the same
// file in the same run; and the repaint of the chart widget, bars and pie.
//
//   BM_PlainRead_costs      read the whole cost archive in large blocks
//   BM_ChartSums_costs      open the cost archive and sum the amounts of the year per month
//   BM_PlainRead_visits     read the whole gate archive in large blocks
//   BM_ChartSums_visits     open the gate archive and count the visits of the year per month
//   BM_ChartApri_costs      "Apri" of the monthly cost chart: sums, labels, chart
//   BM_ChartApri_visits     "Apri" of the monthly transit chart: counts, labels, chart
//   BM_ChartRepaint_bars    a repaint of ChartStats (945 x 486), twelve bars
//   BM_ChartRepaint_pie     the same as a pie
#include "bench_support.h"

#include <QTemporaryDir>

#include <string>

#include "core/archive.h"
#include "core/monthly_sums.h"
#include "costs/frm_stat_costi.h"
#include "gate/frm_statistiche.h"
#include "kit/archive_source.h"
#include "kit/statistics.h"
#include "platform/chart/chart.h"
#include "platform/edits.h"
#include "platform/paths.h"
#include "platform/qtext.h"

namespace {

constexpr int kRecords = 100000;

struct Archive {
  kit::StatisticsSettings settings = {};
  QString file = {};
  std::string path = {};
  std::int64_t bytes() const { return static_cast<std::int64_t>(kRecords) * settings.layout->size(); }
};

struct Fixture {
  QTemporaryDir dir;
  Archive costs, visits;

  Fixture() {
    platform::setExeDir(dir.path());
    costs = make(TfrmStatCosti::settings(), [](core::RecordBuffer& r, int i) {
      const core::Date day = core::Date::fromSerial(core::Date{1, 1, 2024}.serial() + i % 366);
      const bool otherYear = i % 50 == 0;  // a few costs paid in another year
      r.set("Data", core::formatDate(otherYear ? core::Date{day.day, day.month, 2023} : day));
      r.set("Luogo", u"Reggio Emilia");
      r.set("Marca", u"Fiat");
      r.set("Modello", u"Ducato");
      r.set("Targa", u"AB123CD");
      r.set("Causale", i % 3 ? u"Rifornimento carburante" : u"Manutenzione ordinaria");
      r.set("Descrizione", u"Rifornimento e controllo livelli presso la stazione di servizio");
      r.set("Importo", core::fromUtf8(std::to_string(10 + i % 500) + "," + std::to_string(10 + i % 90)));
      r.set("Beneficiario", u"Stazione di servizio Eni");
      r.set("Saldato", i % 4 ? u"S\u00EC" : u"No");
    });
    visits = make(TfrmStatistiche::settings(), [](core::RecordBuffer& r, int i) {
      const core::Date in = core::Date::fromSerial(core::Date{1, 1, 2024}.serial() + i % 366);
      const core::Date out = core::Date::fromSerial(in.serial() + (i % 7 == 0 ? 1 : 0));
      r.set("DataEnt", core::formatDate(i % 50 == 0 ? core::Date{in.day, in.month, 2023} : in));
      r.set("OraEnt", u"08:30");
      r.set("OperatoreEnt", u"Bianchi Luca");
      r.set("Veicolo", u"Iveco Daily");
      r.set("Targa", u"EF456GH");
      r.set("Conduttore", u"Rossi Mario");
      r.set("Merce", u"Bancali di materiale edile");
      r.set("Luogo", u"Magazzino centrale");
      r.set("DataUsc", i % 10 ? core::formatDate(out) : core::Text());
      r.set("OraUsc", i % 10 ? u"17:15" : u"");
      r.set("OperatoreUsc", i % 10 ? u"Verdi Anna" : u"");
    });
  }
  ~Fixture() { platform::setExeDir(QString()); }

  template <typename Fill>
  static Archive make(kit::StatisticsSettings settings, Fill fill) {
    Archive a{.settings = std::move(settings)};
    a.file = platform::exePath(QStringLiteral("2024") + a.settings.yearExtension);
    a.path = platform::toLocalPath(a.file);
    bench::writeFileOrExit(a.file, bench::recordBytes(*a.settings.layout, kRecords, fill));
    return a;
  }
};

Fixture& fixture() {
  static Fixture f;
  return f;
}

void plainRead(benchmark::State& state, const Archive& a) {
  bench::plainReadLoop(state, a.path);
  state.SetBytesProcessed(state.iterations() * a.bytes());
}
void BM_PlainRead_costs(benchmark::State& state) { plainRead(state, fixture().costs); }
void BM_PlainRead_visits(benchmark::State& state) { plainRead(state, fixture().visits); }

void chartSums(benchmark::State& state, const Archive& a) {
  const kit::StatisticsSettings& s = a.settings;
  core::MonthValues values{};
  for (auto _ : state) {
    core::Archive archive = kit::openArchive(a.file, s.layout->size());
    core::sumByMonth(archive, {s.layout, s.dateField, s.amountField}, u"2024", values);
    benchmark::DoNotOptimize(values.data());
  }
  state.counters["march"] = values[2];
  state.SetBytesProcessed(state.iterations() * a.bytes());
}
void BM_ChartSums_costs(benchmark::State& state) { chartSums(state, fixture().costs); }
void BM_ChartSums_visits(benchmark::State& state) { chartSums(state, fixture().visits); }

template <typename Window>
void chartApri(benchmark::State& state, const Archive& a) {
  Window w(nullptr);
  for (auto _ : state) {
    w.txtAnno->setText("2024");
    w.btnApriClick();
    if (w.ChartStats->chart().points.size() != 12) state.SkipWithError("no chart");
  }
  state.SetBytesProcessed(state.iterations() * a.bytes());
}
void BM_ChartApri_costs(benchmark::State& state) { chartApri<TfrmStatCosti>(state, fixture().costs); }
void BM_ChartApri_visits(benchmark::State& state) { chartApri<TfrmStatistiche>(state, fixture().visits); }

void chartRepaint(benchmark::State& state, platform::ChartKind kind) {
  platform::ChartView view(nullptr, QStringLiteral("ChartStats"));
  view.resize(945, 486);
  core::MonthValues values = {1250, 830, 2101, 0, 456, 1780, 990, 310, 1500, 2650, 720, 1999};
  view.setChart(kit::statisticsChart(TfrmStatCosti::settings(), kind, values));
  view.show();
  QApplication::processEvents();
  for (auto _ : state) view.repaint();
}
void BM_ChartRepaint_bars(benchmark::State& state) { chartRepaint(state, platform::ChartKind::Bars); }
void BM_ChartRepaint_pie(benchmark::State& state) { chartRepaint(state, platform::ChartKind::Pie); }

// Medians of three runs: the machine may be busy with others.
#define CHART_BENCH(f) BENCHMARK(f)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(1.0)->Repetitions(3)
CHART_BENCH(BM_PlainRead_costs);
CHART_BENCH(BM_ChartSums_costs);
CHART_BENCH(BM_PlainRead_visits);
CHART_BENCH(BM_ChartSums_visits);
CHART_BENCH(BM_ChartApri_costs);
CHART_BENCH(BM_ChartApri_visits);
CHART_BENCH(BM_ChartRepaint_bars);
CHART_BENCH(BM_ChartRepaint_pie);

}  // namespace

int main(int argc, char** argv) {
  bench::Program program(argc, argv);
  if (!program.readFlags()) return 1;
  fixture();
  return program.run([](const RatioReporter& reporter) {
    const char* format = "%s: %.2fx plain read (goal: at most 1.5x)\n";
    reporter.printRatios(format, {"BM_ChartSums_costs/", "BM_ChartApri_costs/"}, "BM_PlainRead_costs/");
    reporter.printRatios(format, {"BM_ChartSums_visits/", "BM_ChartApri_visits/"}, "BM_PlainRead_visits/");
    for (const char* name : {"BM_ChartRepaint_bars/", "BM_ChartRepaint_pie/"})
      if (const double t = reporter.time(name); t > 0) std::printf("%s: %.2f ms (goal: at most 16 ms)\n", name, t);
  });
}

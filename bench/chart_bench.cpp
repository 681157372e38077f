// The monthly statistics on a generated yearly archive of 100,000 records shaped like
// the cost archive (1627 bytes, the date the fourth field, the amount the sixteenth),
// against a plain read of the same file in the same run; and the repaint of the chart
// widget, bars and pie.
//
//   BM_PlainRead            read the whole archive in large blocks
//   BM_ChartSums/amount     open the archive and sum the amounts of the year per month
//   BM_ChartSums/count      the same counting the records (the transit chart)
//   BM_ChartApri            "Apri" of the statistics window: sums, labels, chart
//   BM_ChartRepaint/bars    a repaint of ChartStats (945 x 486), twelve bars
//   BM_ChartRepaint/pie     the same as a pie
#include "bench_support.h"

#include <QTemporaryDir>

#include <array>
#include <string>

#include "core/archive.h"
#include "core/monthly_sums.h"
#include "kit/archive_source.h"
#include "kit/statistics.h"
#include "platform/chart/chart.h"
#include "platform/edits.h"
#include "platform/paths.h"
#include "platform/qtext.h"

namespace {

constexpr int kRecords = 100000;

// The cost record's shape: 24 fields, 1627 bytes.
constexpr std::array<core::FieldDef, 24> kCostShape{{
    {"Giorno", 2},       {"Mese", 10},           {"Anno", 4},       {"Data", 10},       {"Luogo", 50},
    {"Veicolo", 50},     {"Marca", 50},          {"Modello", 50},   {"Colore", 50},     {"Alimentazione", 50},
    {"Targa", 30},       {"Causale", 50},        {"Descrizione", 250}, {"Modalita", 120}, {"Estremi", 120},
    {"Importo", 15},     {"Pagatore", 120},      {"RecPagatore", 50}, {"Beneficiario", 120},
    {"RecBeneficiario", 50}, {"Conducente", 50}, {"Recapito", 50},  {"Saldato", 2},     {"Note", 250},
}};
static_assert(core::recordSize(kCostShape) == 1627);

const core::RecordLayout& costShape() {
  static const core::RecordLayout layout(kCostShape);
  return layout;
}

kit::StatisticsSettings settings(bool amounts) {
  const core::RecordLayout& l = costShape();
  return {.windowClass = "TfrmStatProva",
          .caption = " Statistiche",
          .gradientTop = QColor(0x42, 0x7A, 0xA8),
          .chartTitle = "Statistiche costi mensili",
          .chartFoot = "Tutti gli importi sono arrotondati all'euro",
          .legendTitle = "Costi sostenuti:",
          .layout = &l,
          .yearExtension = ".eur",
          .dateField = l.indexOf("Data"),
          .amountField = amounts ? std::optional<std::size_t>(l.indexOf("Importo")) : std::nullopt};
}

struct Fixture {
  QTemporaryDir dir;
  std::string path;

  Fixture() {
    platform::setExeDir(dir.path());
    const QString file = platform::exePath("2024.eur");
    path = platform::toLocalPath(file);
    bench::writeFileOrExit(file, bench::recordBytes(costShape(), kRecords, [](core::RecordBuffer& r, int i) {
      const core::Date day = core::Date::fromSerial(core::Date{1, 1, 2024}.serial() + i % 366);
      const bool otherYear = i % 50 == 0;  // a few costs paid in another year
      r.set("Data", core::formatDate(otherYear ? core::Date{day.day, day.month, 2023} : day));
      r.set("Luogo", u"Reggio Emilia");
      r.set("Marca", u"Fiat");
      r.set("Modello", u"Ducato");
      r.set("Targa", u"AB123CD");
      r.set("Causale", i % 3 ? u"Carburante" : u"Manutenzione ordinaria");
      r.set("Descrizione", u"Rifornimento e controllo livelli presso la stazione di servizio");
      r.set("Importo", core::fromUtf8(std::to_string(10 + i % 500) + "," + std::to_string(10 + i % 90)));
      r.set("Beneficiario", u"Stazione di servizio Eni");
      r.set("Saldato", i % 4 ? u"S\u00EC" : u"No");
    }));
  }
  ~Fixture() { platform::setExeDir(QString()); }
};

Fixture& fixture() {
  static Fixture f;
  return f;
}

void setBytes(benchmark::State& state) {
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * kRecords * 1627);
}

void BM_PlainRead(benchmark::State& state) {
  bench::plainReadLoop(state, fixture().path);
  setBytes(state);
}

void chartSums(benchmark::State& state, bool amounts) {
  const Fixture& f = fixture();
  const kit::StatisticsSettings s = settings(amounts);
  core::MonthValues values{};
  for (auto _ : state) {
    core::Archive archive = kit::openArchive(platform::exePath("2024.eur"), s.layout->size());
    core::sumByMonth(archive, {s.layout, s.dateField, s.amountField}, u"2024", values);
    benchmark::DoNotOptimize(values.data());
  }
  (void)f;
  state.counters["march"] = values[2];
  setBytes(state);
}
void BM_ChartSums_amount(benchmark::State& state) { chartSums(state, true); }
void BM_ChartSums_count(benchmark::State& state) { chartSums(state, false); }

void BM_ChartApri(benchmark::State& state) {
  fixture();
  kit::StatisticsWindow w(nullptr, settings(true));
  for (auto _ : state) {
    w.txtAnno->setText("2024");
    w.btnApriClick();
    if (w.ChartStats->chart().points.size() != 12) state.SkipWithError("no chart");
  }
  setBytes(state);
}

void chartRepaint(benchmark::State& state, platform::ChartKind kind) {
  platform::ChartView view(nullptr, QStringLiteral("ChartStats"));
  view.resize(945, 486);
  core::MonthValues values = {1250, 830, 2101, 0, 456, 1780, 990, 310, 1500, 2650, 720, 1999};
  view.setChart(kit::statisticsChart(settings(true), kind, values));
  view.show();
  QApplication::processEvents();
  for (auto _ : state) view.repaint();
}
void BM_ChartRepaint_bars(benchmark::State& state) { chartRepaint(state, platform::ChartKind::Bars); }
void BM_ChartRepaint_pie(benchmark::State& state) { chartRepaint(state, platform::ChartKind::Pie); }

// Medians of three runs: the machine may be busy with others.
#define CHART_BENCH(f) BENCHMARK(f)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(1.0)->Repetitions(3)
CHART_BENCH(BM_PlainRead);
CHART_BENCH(BM_ChartSums_amount);
CHART_BENCH(BM_ChartSums_count);
CHART_BENCH(BM_ChartApri);
CHART_BENCH(BM_ChartRepaint_bars);
CHART_BENCH(BM_ChartRepaint_pie);

}  // namespace

int main(int argc, char** argv) {
  bench::Program program(argc, argv);
  if (!program.readFlags()) return 1;
  fixture();
  return program.run([](const RatioReporter& reporter) {
    reporter.printRatios("%s: %.2fx plain read (goal: at most 1.5x)\n",
                         {"BM_ChartSums_amount/", "BM_ChartSums_count/", "BM_ChartApri/"}, "BM_PlainRead/");
    for (const char* name : {"BM_ChartRepaint_bars/", "BM_ChartRepaint_pie/"})
      if (const double t = reporter.time(name); t > 0) std::printf("%s: %.2f ms (goal: at most 16 ms)\n", name, t);
  });
}

// The vehicle export against the cheapest thing it could be: reading the archive file
// once and writing as many bytes as the export file holds. Measured on generated
// archives of 10,000 and 100,000 vehicles, then on the second record type, 100,000
// drivers (BM_Drivers_*); the ratios are printed at the end.
//
//   BM_PlainReadWrite   read the whole archive + write N bytes (N = export file size)
//   BM_PlainReadWriteFlush  the same, the N bytes flushed to the disk (fsync)
//   BM_ExportCore       open the archive, fill the grid, write the export file
//   BM_ExportWindow     the export window: open it (the grid fills), click export, a plain
//                       read + write + flush before each
//   BM_Fresh_*          the export windows, each the first in a fresh process
//                       (bench/fresh_fill.h), a plain read + write + flush before each
// VELMORA_BENCH_RECORDS sets another number of drivers.
#include "bench_support.h"
#include "fresh_fill.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <map>
#include <string>
#include <vector>

#include "core/archive.h"
#include "core/record.h"
#include "core/spreadsheet.h"
#include "drivers/driver_record.h"
#include "drivers/frm_exp_anagrafica.h"
#include "generated_drivers.h"
#include "kit/spreadsheet.h"
#include "platform/paths.h"
#include "vehicles/frm_exp_autoparco.h"
#include "vehicles/vehicle_record.h"

namespace {

QTemporaryDir* g_root = nullptr;
constexpr int kWarm = 20;  // the small archives' records, for warming up

QString folderFor(int vehicles) { return g_root->filePath(QString::number(vehicles)); }
std::string archiveFor(int vehicles) {
  return QFile::encodeName(folderFor(vehicles) + "/Parco_Automezzi.pro").toStdString();
}
std::string exportFor(int vehicles) {
  return QFile::encodeName(folderFor(vehicles) + "/Parco_Automezzi.xls").toStdString();
}

// A fleet with the texts a real archive holds: types, makes, plates, dates, notes.
void generate(int vehicles) {
  static const char16_t* tipi[] = {u"Autovettura", u"Furgone", u"Autocarro", u"Motociclo", u"Minibus"};
  static const char16_t* marche[] = {u"Fiat", u"Iveco", u"Renault", u"Volkswagen", u"Piaggio", u"Mercedes-Benz"};
  static const char16_t* modelli[] = {u"Panda 1.2", u"Daily 35C14", u"Kangoo Express", u"Golf Variant", u"Porter"};
  QDir().mkpath(folderFor(vehicles));
  const std::string bytes = bench::recordBytes(vehicles::vehicleLayout(), vehicles, [](core::RecordBuffer& r, int i) {
    auto n = [&](int base) { return QString::number(base + i).toStdU16String(); };
    r.set("Tipo", tipi[i % 5]);
    r.set("Destinazione", u"Trasporto merci conto proprio");
    r.set("Marca", marche[i % 6]);
    r.set("Modello", modelli[i % 5]);
    r.set("Targa", u"AB" + n(100000) + u"CD");
    r.set("Anno", u"12/03/2019");
    r.set("Colore", u"Bianco perla");
    r.set("Telaio", u"ZFA3120000");
    r.set("Pneumatici", u"Michelin Agilis 215/65 R16C estivi");
    r.set("Stato", u"In servizio");
    r.set("Chilometri", n(10000));
    r.set("Lettura", u"01/02/2024");
    r.set("Alimentazione", u"Gasolio");
    r.set("Cilindrata", u"2287 cc");
    r.set("KW", u"103");
    r.set("Ambiente", u"Euro 6d – più pulita");
    r.set("Posti", u"3");
    r.set("Compagnia", u"Assicurazioni Generali S.p.A.");
    r.set("Proprietario", u"Trasporti Rossi & Figli S.r.l.");
    r.set("Autista", u"Mario Bianchi");
    r.set("TelAutista", u"333 1234567");
    r.set("Meccanico", u"Officina Verdi");
    r.set("TelMeccanico", u"02 7654321");
    r.set("ScadRevisione", u"15/05/2025");
    r.set("ScadTagliando", u"30/09/2024");
    r.set("ScadAssicurazione", u"31/12/2024");
    r.set("ScadBollo", u"31/01/2025");
    r.set("Note", u"Tagliando eseguito <regolarmente>; gomme \"quattro stagioni\" da sostituire entro l'inverno");
  });
  bench::writeFileOrExit(QString::fromStdString(archiveFor(vehicles)), bytes);
}

// The export as its window does it, without the window: the grid from the archive (a
// composed column among them), then the file.
void exportWithoutWindow(const kit::ExportSettings& settings, const core::RecordLayout& layout,
                         const std::string& archivePath, const std::string& exportPath, std::u16string_view sheet) {
  std::vector<core::GridSource> sources;
  std::vector<std::u16string> headings;
  for (const auto& c : settings.columns) {
    core::GridSource source;
    if (!c.field.empty()) source.field = layout.indexOf(c.field);
    source.compose = c.compose;
    sources.push_back(std::move(source));
    headings.push_back(c.heading.toStdU16String());
  }
  std::vector<core::SheetColumn> columns;
  for (std::size_t i = 0; i < headings.size(); ++i) columns.push_back({headings[i], settings.columns[i].fileWidth});
  core::TextGrid grid(columns.size() + 1, 10);
  {
    core::Archive archive(archivePath, layout.size());
    core::fillGrid(grid, archive, layout, sources);
  }
  if (!kit::writeSpreadsheet(QFile::decodeName(exportPath.c_str()), core::Sheet{std::u16string(sheet), columns}, grid)) {
    std::fprintf(stderr, "cannot write the export\n");
    std::exit(1);
  }
}

// The export window opened (the grid fills) and its export clicked, beside `folder`'s
// archive of `records` records.
// A plain read of the archive and as many bytes written and flushed as the export file
// holds before each.
template <typename Window>
void exportWindow(benchmark::State& state, const QString& folder, const std::string& archive, int records,
                  std::size_t writeSize) {
  platform::setExeDir(folder);
  bench::ExportHost host;
  const std::string plainOut = QFile::encodeName(folder + "/plain.out").toStdString();
  bench::interleaved(state, bench::plainReadWriteFlush(archive, plainOut, writeSize), [&] {
    Window w(nullptr);
    w.show();
    const bool filled = w.rowCount() == records;
    w.cmdEsportaClick();
    w.hide();
    return filled && !host.failed;
  });
  platform::setExeDir(QString());
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(writeSize));
}

const bench::FreshRegistration freshVehicles("ExportWindow", bench::freshOpenAndExport<TfrmExpAutoparco>);
const bench::FreshRegistration freshDrivers("Drivers_ExportWindow", bench::freshOpenAndExport<TfrmExpAnagrafica>);

void exportCore(int vehicles) {
  static const kit::ExportSettings settings = TfrmExpAutoparco::settings();
  exportWithoutWindow(settings, vehicles::vehicleLayout(), archiveFor(vehicles), exportFor(vehicles),
                      u"Parco Automezzi");
}

std::size_t exportSize(int vehicles) {
  static std::map<int, std::size_t> sizes;
  auto it = sizes.find(vehicles);
  if (it != sizes.end()) return it->second;
  exportCore(vehicles);
  const std::size_t size = static_cast<std::size_t>(QFileInfo(QString::fromStdString(exportFor(vehicles))).size());
  sizes[vehicles] = size;
  return size;
}

// One pass over `archive`, then `writeSize` bytes written into `plainOut`, replacing the
// last copy; `flush`: the written bytes also flushed to the disk (fsync), as the
// export file is.
void plainReadWriteFiles(benchmark::State& state, const std::string& archive, const std::string& plainOut,
                         std::size_t writeSize, bool flush) {
  bench::plainReadWriteLoop(state, archive, plainOut, writeSize, flush);
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(writeSize));
}

void plainReadWrite(benchmark::State& state, bool flush) {
  const int vehicles = static_cast<int>(state.range(0));
  plainReadWriteFiles(state, archiveFor(vehicles),
                      QFile::encodeName(folderFor(vehicles) + "/plain.out").toStdString(), exportSize(vehicles), flush);
}

void BM_PlainReadWrite(benchmark::State& state) { plainReadWrite(state, false); }
void BM_PlainReadWriteFlush(benchmark::State& state) { plainReadWrite(state, true); }

void BM_ExportCore(benchmark::State& state) {
  const int vehicles = static_cast<int>(state.range(0));
  const std::size_t writeSize = exportSize(vehicles);
  for (auto _ : state) exportCore(vehicles);
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(writeSize));
}

void BM_ExportWindow(benchmark::State& state) {
  const int vehicles = static_cast<int>(state.range(0));
  exportWindow<TfrmExpAutoparco>(state, folderFor(vehicles), archiveFor(vehicles), vehicles, exportSize(vehicles));
}

void BM_Fresh_ExportWindow(benchmark::State& state) {
  const int vehicles = static_cast<int>(state.range(0));
  bench::freshFill(state, "ExportWindow",
                   bench::plainReadWriteFlush(archiveFor(vehicles),
                                              QFile::encodeName(folderFor(vehicles) + "/plain.out").toStdString(),
                                              exportSize(vehicles)),
                   {folderFor(vehicles), folderFor(kWarm)});
}

// Medians of three runs of at least a second each: the machine may be busy with others.
#define EXPORT_BENCH(f) \
  BENCHMARK(f)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(1.0)->Repetitions(3)
EXPORT_BENCH(BM_PlainReadWrite);
EXPORT_BENCH(BM_PlainReadWriteFlush);
EXPORT_BENCH(BM_ExportCore);
BENCHMARK(BM_ExportWindow)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(9);
BENCHMARK(BM_Fresh_ExportWindow)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(bench::freshIterations());

// ---- drivers, the second record type ------------------------------------------------

const int kDrivers = bench::recordCount(100000);

QString driverFolder() { return g_root->filePath(QStringLiteral("drivers")); }
QString warmDriverFolder() { return g_root->filePath(QStringLiteral("drivers-warm")); }
std::string driverArchive() { return QFile::encodeName(driverFolder() + "/Conducenti.pro").toStdString(); }
std::string driverExport() { return QFile::encodeName(driverFolder() + "/Conducenti.xls").toStdString(); }

void exportDriversCore() {
  static const kit::ExportSettings settings = TfrmExpAnagrafica::settings();
  exportWithoutWindow(settings, drivers::driverLayout(), driverArchive(), driverExport(), u"Anagrafica Conduttori");
}

std::size_t driverExportSize() {
  static const std::size_t size = [] {
    exportDriversCore();
    return static_cast<std::size_t>(QFileInfo(QString::fromStdString(driverExport())).size());
  }();
  return size;
}

void BM_Drivers_PlainReadWrite(benchmark::State& state) {
  plainReadWriteFiles(state, driverArchive(), QFile::encodeName(driverFolder() + "/plain.out").toStdString(),
                      driverExportSize(), false);
}
void BM_Drivers_PlainReadWriteFlush(benchmark::State& state) {
  plainReadWriteFiles(state, driverArchive(), QFile::encodeName(driverFolder() + "/plain.out").toStdString(),
                      driverExportSize(), true);
}

void BM_Drivers_ExportCore(benchmark::State& state) {
  const std::size_t writeSize = driverExportSize();
  for (auto _ : state) exportDriversCore();
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(writeSize));
}

void BM_Drivers_ExportWindow(benchmark::State& state) {
  exportWindow<TfrmExpAnagrafica>(state, driverFolder(), driverArchive(), kDrivers, driverExportSize());
}

void BM_Fresh_Drivers_ExportWindow(benchmark::State& state) {
  bench::freshFill(state, "Drivers_ExportWindow",
                   bench::plainReadWriteFlush(driverArchive(),
                                              QFile::encodeName(driverFolder() + "/plain.out").toStdString(),
                                              driverExportSize()),
                   {driverFolder(), warmDriverFolder()});
}

#define DRIVER_BENCH(f) BENCHMARK(f)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(1.0)->Repetitions(3)
DRIVER_BENCH(BM_Drivers_PlainReadWrite);
DRIVER_BENCH(BM_Drivers_PlainReadWriteFlush);
DRIVER_BENCH(BM_Drivers_ExportCore);
BENCHMARK(BM_Drivers_ExportWindow)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(9);
BENCHMARK(BM_Fresh_Drivers_ExportWindow)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(bench::freshIterations());

}  // namespace

int main(int argc, char** argv) {
  bench::Program program(argc, argv);
  if (int status = 0; bench::runFreshChild(argc, argv, status)) return status;
  if (!program.readFlags()) return 1;
  QTemporaryDir root;
  g_root = &root;
  bench::keepIfAsked(root, "the archives");
  generate(kWarm);
  generate(10000);
  generate(100000);
  QDir().mkpath(driverFolder());
  generateDrivers(driverFolder() + "/Conducenti.pro", kDrivers);
  QDir().mkpath(warmDriverFolder());
  generateDrivers(warmDriverFolder() + "/Conducenti.pro", kWarm);
  return program.run([](const RatioReporter& reporter) {
    // The export file is flushed to the disk before the export says it is done, so the
    // cheapest thing it could be flushes too.
    const char* line = "%s: %.2fx plain read + write + flush (goal: at most 3x); %.2fx plain read + write\n";
    for (const std::string size : {"10000", "100000"})
      reporter.printRatios(line, {"BM_ExportCore/" + size},
                           "BM_PlainReadWriteFlush/" + size + "/", "BM_PlainReadWrite/" + size + "/", "/");
    reporter.printRatios(line, {"BM_Drivers_ExportCore"}, "BM_Drivers_PlainReadWriteFlush/",
                         "BM_Drivers_PlainReadWrite/", "/");
  });
}

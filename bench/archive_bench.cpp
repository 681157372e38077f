// A full scan of a 100,000-record archive of 3370-byte records through the archive
// layer (open, count, read every record, a few fields converted and trimmed), against
// a plain sequential read of the same file in the same run. The file is written once
// into the temporary folder and reused by later runs.
#include "bench_support.h"

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "core/archive.h"
#include "core/record.h"

namespace {

constexpr std::size_t kRecords = 100000;

// 3370 bytes, laid out like the vehicle record: short and long fields mixed.
constexpr std::array<core::FieldDef, 38> kFields{{
    {"Tipo", 50},      {"Destinazione", 50}, {"Marca", 50},        {"Modello", 50},     {"Targa", 12},
    {"Anno", 20},      {"Colore", 50},       {"Telaio", 10},       {"Pneumatici", 120}, {"Stato", 50},
    {"Km", 50},        {"Lettura", 10},      {"Alimentazione", 50}, {"Cilindrata", 50}, {"KW", 50},
    {"Ambiente", 50},  {"Posti", 50},        {"Portata", 50},      {"Compagnia", 120},  {"TelAss", 50},
    {"Polizza", 50},   {"Incidenti", 250},   {"Proprietario", 50}, {"Autista", 50},     {"TelAutista", 50},
    {"Meccanico", 50}, {"TelMeccanico", 50}, {"ScadRevisione", 10}, {"ScadTagliando", 10},
    {"ScadAssic", 10}, {"ScadBollo", 10},    {"Note", 250},        {"File01", 250},     {"File02", 250},
    {"File03", 250},   {"Desc01", 250},      {"Desc02", 250},      {"Desc03", 250},
}};
static_assert(core::recordSize(kFields) == 3370);

const core::RecordLayout& layout() {
  static const core::RecordLayout l(kFields);
  return l;
}

std::string archivePath() {
  return (std::filesystem::temp_directory_path() / "velmora-archive-bench-100000.pro").string();
}

void ensureArchive() {
  const std::string path = archivePath();
  std::error_code ec;
  if (std::filesystem::file_size(path, ec) == kRecords * layout().size()) return;
  std::filesystem::remove(path, ec);
  const std::string bytes = bench::recordBytes(layout(), kRecords, [](core::RecordBuffer& r, int n) {
    const std::string digits = std::to_string(n);
    const std::u16string num(digits.begin(), digits.end());
    r.set("Tipo", u"Autovettura");
    r.set("Marca", u"Marca " + num);
    r.set("Modello", u"Modello di prova " + num);
    r.set("Targa", u"AB" + num + u"CD");
    r.set("Stato", u"In servizio");
    r.set("ScadRevisione", u"15/03/2025");
    r.set("Note", u"Nessuna nota particolare per questo veicolo, numero " + num);
  });
  bench::writeFileOrExit(QString::fromStdString(path), bytes);
}

// What a scan does with each record: read four of its fields.
std::size_t readFourFields(const core::RecordBuffer& r) {
  static const std::size_t targa = layout().indexOf("Targa"), marca = layout().indexOf("Marca"),
                           modello = layout().indexOf("Modello"), scad = layout().indexOf("ScadRevisione");
  return r.get(targa).size() + r.get(marca).size() + r.get(modello).size() + r.get(scad).size();
}

void BM_ArchiveScan(benchmark::State& state) {
  ensureArchive();
  core::RecordBuffer r(layout());
  for (auto _ : state) {
    core::Archive archive(archivePath(), layout().size());
    const std::size_t count = archive.count();
    std::size_t chars = 0;
    for (std::size_t n = 0; n < count; ++n) {
      archive.read(r);
      chars += readFourFields(r);
    }
    benchmark::DoNotOptimize(chars);
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * kRecords * layout().size()));
}
BENCHMARK(BM_ArchiveScan)->Unit(benchmark::kMillisecond);

// The same through the block-reading scan that the searches and lists use.
void BM_ArchiveScanBlocks(benchmark::State& state) {
  ensureArchive();
  core::RecordBuffer r(layout());
  for (auto _ : state) {
    core::Archive archive(archivePath(), layout().size());
    std::size_t chars = 0;
    core::forEachRecord(archive, r, [&](const core::RecordBuffer& rec, std::size_t) {
      chars += readFourFields(rec);
      return true;
    });
    benchmark::DoNotOptimize(chars);
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * kRecords * layout().size()));
}
BENCHMARK(BM_ArchiveScanBlocks)->Unit(benchmark::kMillisecond);

void BM_PlainRead(benchmark::State& state) {
  ensureArchive();
  std::vector<char> buf(layout().size());
  for (auto _ : state) {
    std::ifstream in(archivePath(), std::ios::binary);
    std::size_t sum = 0;
    while (in.read(buf.data(), static_cast<std::streamsize>(buf.size()))) sum += static_cast<unsigned char>(buf[4 * 51]);
    benchmark::DoNotOptimize(sum);
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * kRecords * layout().size()));
}
BENCHMARK(BM_PlainRead)->Unit(benchmark::kMillisecond);

// One save as a record card makes it: open the archive, write one record over the
// last one (or append one), flush it to the disk, close. Against the same write with
// no flush, to show what the flush costs. On a small archive of its own beside the
// big one, on the same disk.
std::string saveArchivePath() {
  return (std::filesystem::temp_directory_path() / "velmora-archive-bench-save.pro").string();
}

void BM_ArchiveSave(benchmark::State& state) {
  const bool append = state.range(0) != 0;
  const std::string path = saveArchivePath();
  std::error_code ec;
  std::filesystem::remove(path, ec);
  core::RecordBuffer r(layout());
  r.set("Targa", u"AB123CD");
  {
    core::Archive archive(path, layout().size());
    for (int i = 0; i < 100; ++i) archive.write(r);
  }
  std::size_t n = 0;
  for (auto _ : state) {
    r.set("Km", std::u16string(1, static_cast<char16_t>(u'0' + n++ % 10)));
    core::Archive archive(path, layout().size());
    archive.seek(append ? archive.count() : archive.count() - 1);
    archive.write(r);
  }
  std::filesystem::remove(path, ec);
}
BENCHMARK(BM_ArchiveSave)->ArgName("append")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond)->MinTime(1.0);

void BM_PlainRecordWrite(benchmark::State& state) {
  const std::string path = saveArchivePath();
  std::vector<char> record(layout().size(), 'r');
  {
    std::ofstream(path, std::ios::binary).write(record.data(), static_cast<std::streamsize>(record.size()));
  }
  for (auto _ : state) {
    const int fd = ::open(path.c_str(), O_RDWR | O_CLOEXEC);
    benchmark::DoNotOptimize(::pwrite(fd, record.data(), record.size(), 0));
    ::close(fd);
  }
  std::error_code ec;
  std::filesystem::remove(path, ec);
}
BENCHMARK(BM_PlainRecordWrite)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  bench::Program program(argc, argv);
  if (!program.readFlags()) return 1;
  return program.run([](const RatioReporter& reporter) {
    const double plain = reporter.time("BM_PlainRead");
    if (plain > 0) {
      std::printf("archive scan, record by record / plain read: %.2fx\n", reporter.time("BM_ArchiveScan") / plain);
      std::printf("archive scan, in blocks / plain read: %.2fx\n", reporter.time("BM_ArchiveScanBlocks") / plain);
    }
    if (const double overwrite = reporter.time("BM_ArchiveSave/append:0"); overwrite > 0) {
      std::printf("one save (open, write one record, flush to disk, close): overwrite %.0f us, append %.0f us; "
                  "the same write without the flush: %.1f us\n",
                  overwrite, reporter.time("BM_ArchiveSave/append:1"), reporter.time("BM_PlainRecordWrite"));
    }
  });
}

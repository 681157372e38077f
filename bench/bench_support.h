#pragma once
// What the benchmark programs share: the program's start and end, the plain reads and
// writes every path is measured against, a dialog host that shows nothing, and the
// writing of generated archives.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <QApplication>
#include <QFile>
#include <QString>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/record.h"
#include "kit/messages.h"
#include "platform/application.h"
#include "platform/dialogs.h"
#include "platform/form.h"
#include "ratio_reporter.h"

namespace bench {

// ---- the program -----------------------------------------------------------------

// A benchmark program: headless unless told otherwise, with a Qt application for the
// windows (the program's own one, regional formats and all, with `programApplication`).
// run() measures what the flags chose and hands the times to `printRatios`.
class Program {
 public:
  Program(int& argc, char** argv, bool programApplication = false) : argc_(argc), argv_(argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    if (programApplication) {
      platform::setRegionalFormats();
      application_ = std::make_unique<platform::Application>(argc, argv);
    } else {
      application_ = std::make_unique<QApplication>(argc, argv);
    }
  }
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  // Reads the benchmark flags; false (said on the console) when some are unknown.
  bool readFlags() {
    benchmark::Initialize(&argc_, argv_);
    return !benchmark::ReportUnrecognizedArguments(argc_, argv_);
  }

  int run(const std::function<void(const RatioReporter&)>& printRatios = {}) {
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    if (printRatios) printRatios(reporter);
    reporter.printPairs();
    benchmark::Shutdown();
    return 0;
  }

 private:
  int& argc_;
  char** argv_;
  std::unique_ptr<QApplication> application_;
};

// ---- plain reads and writes, the baselines ---------------------------------------------

// One pass over the file at `path` in blocks of `block`'s size; the sum of each block's
// first byte keeps the reads from being left out.
inline std::uint64_t plainRead(const std::string& path, std::vector<char>& block) {
  std::uint64_t sum = 0;
  const int fd = ::open(path.c_str(), O_RDONLY);
  for (ssize_t n; (n = ::read(fd, block.data(), block.size())) > 0;) sum += static_cast<unsigned char>(block[0]);
  ::close(fd);
  return sum;
}

// A plain read of `path`, then `writeSize` bytes written into `out` (replacing the last
// copy), with `flush` also flushed to the disk (fsync), as an export file is.
inline void plainReadWrite(const std::string& path, const std::string& out, std::size_t writeSize, bool flush,
                           std::vector<char>& block) {
  benchmark::DoNotOptimize(plainRead(path, block));
  const int fd = ::open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  for (std::size_t left = writeSize; left > 0;) {
    const std::size_t n = std::min(left, block.size());
    if (::write(fd, block.data(), n) != static_cast<ssize_t>(n)) break;
    left -= n;
  }
  if (flush) ::fsync(fd);
  ::close(fd);
}

// The plain read benchmark's loop: `path` read once an iteration in 1 MiB blocks.
inline void plainReadLoop(benchmark::State& state, const std::string& path) {
  std::vector<char> block(1 << 20);
  for (auto _ : state) benchmark::DoNotOptimize(plainRead(path, block));
}

// The plain read + write benchmark's loop, in 1 MiB blocks.
inline void plainReadWriteLoop(benchmark::State& state, const std::string& path, const std::string& out,
                               std::size_t writeSize, bool flush) {
  std::vector<char> block(1 << 20, 'x');
  for (auto _ : state) plainReadWrite(path, out, writeSize, flush, block);
}

// ---- dialogs ---------------------------------------------------------------------

// Says nothing, shows nothing: every box is answered No, every dialog cancelled. It
// takes the program's boxes for its life.
class SilentHost : public platform::DialogHost {
 public:
  SilentHost() { platform::setDialogHost(this); }
  ~SilentHost() override { platform::setDialogHost(nullptr); }
  SilentHost(const SilentHost&) = delete;
  SilentHost& operator=(const SilentHost&) = delete;

  bool message(platform::MsgKind, const QString&, QWidget*) override { return false; }
  std::optional<QString> inputBox(const QString&, const QString&, const QString&, QWidget*) override { return {}; }
  QString openFile(QWidget*, const QString&, const QString&, const QString&) override { return {}; }
  QString saveFile(QWidget*, const QString&, const QString&, const QString&) override { return {}; }
  bool printDialog(QPrinter&, QWidget*) override { return false; }
  void showModal(platform::Form&) override {}
  void showModal(QDialog&) override {}
};

// For the export windows: answers Yes to "export now?" and No to "open the file?", and
// notes a plain box (the export's failure).
class ExportHost : public SilentHost {
 public:
  bool message(platform::MsgKind kind, const QString& text, QWidget*) override {
    if (kind == platform::MsgKind::Plain) failed = true;
    return text == kit::exportmsg::kAsk;
  }
  bool failed = false;
};

// The export window opened `state`'s iterations times (the grid fills as it opens,
// with `records` rows) and its export clicked, the answers given by an ExportHost.
template <typename Window>
void openAndExport(benchmark::State& state, int records) {
  ExportHost host;
  for (auto _ : state) {
    Window w(nullptr);
    w.show();
    if (w.rowCount() != records) state.SkipWithError("grid not filled");
    w.cmdEsportaClick();
    w.hide();
  }
  if (host.failed) state.SkipWithError("export failed");
}

// ---- generated archives ----------------------------------------------------------

// The bytes of `count` records of `layout`, each filled by `fill(record, i)` over the
// last one (a field it leaves alone keeps the last record's text).
template <typename Fill>
std::string recordBytes(const core::RecordLayout& layout, std::size_t count, Fill fill) {
  core::RecordBuffer r(layout);
  std::string bytes;
  bytes.reserve(count * layout.size());
  for (std::size_t i = 0; i < count; ++i) {
    fill(r, static_cast<int>(i));
    bytes.append(reinterpret_cast<const char*>(r.data()), r.size());
  }
  return bytes;
}

// Writes `bytes` at once into the file at `path` (through the archive each record
// would be flushed to the disk); a benchmark without its archive ends the program.
inline void writeFileOrExit(const QString& path, const std::string& bytes) {
  QFile f(path);
  if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
      f.write(bytes.data(), static_cast<qint64>(bytes.size())) != static_cast<qint64>(bytes.size())) {
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    std::exit(1);
  }
}

}  // namespace bench

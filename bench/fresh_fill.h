#pragma once
// Fills timed as a user meets them. A benchmark that shows a window again and again
// times a warm process: part threads already running, large blocks kept from the last
// fill, pages already the program's. A user meets the first fill, in a fresh process.
//
// freshFill() runs each measurement in a new copy of the benchmark program (started
// with --fresh NAME DATA WARM): the child first opens the same window over a small
// archive in WARM (so Qt's own first-use costs, fonts and style sheets, are not the
// fill's; the small archive is read in one part and starts no part thread), then the
// fill registered as NAME over the archive in DATA, once, and reports its wall time,
// its CPU time (all the process's threads) and the peak memory it added. Right before
// each child the parent reads the plain archive file once, so each fill has its plain
// read beside it in time; the ratios are taken pair by pair and their median reported.
//
// interleaved() does the same in this process, for the warm measurements.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <QCoreApplication>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "bench_support.h"
#include "core/archive.h"
#include "platform/paths.h"

namespace bench {

// ---- measuring -------------------------------------------------------------------

// CPU time of the whole process (every thread), in seconds.
inline double processCpuSeconds() {
  rusage u{};
  getrusage(RUSAGE_SELF, &u);
  auto s = [](const timeval& t) { return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) * 1e-6; };
  return s(u.ru_utime) + s(u.ru_stime);
}

struct Cost {
  double wall = 0, cpu = 0;  // seconds
};

template <typename F>
Cost timed(F&& f) {
  const double cpu0 = processCpuSeconds();
  const auto t0 = std::chrono::steady_clock::now();
  f();
  return {std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count(), processCpuSeconds() - cpu0};
}

// One plain read of `path` in 1 MiB blocks, timed.
inline Cost timedPlainRead(const std::string& path, std::vector<char>& block) {
  return timed([&] { benchmark::DoNotOptimize(plainRead(path, block)); });
}

inline double medianOf(std::vector<double> v) {
  if (v.empty()) return 0;
  std::sort(v.begin(), v.end());
  const std::size_t n = v.size();
  return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

// The pairs of (plain read, fill) measured one after the other, and what is reported.
class Pairs {
 public:
  void add(Cost plain, Cost fill, double peakBytes = -1) {
    plainWall_.push_back(plain.wall);
    plainCpu_.push_back(plain.cpu);
    fillWall_.push_back(fill.wall);
    fillCpu_.push_back(fill.cpu);
    ratio_.push_back(plain.wall > 0 ? fill.wall / plain.wall : 0);
    cpuRatio_.push_back(plain.cpu > 0 ? fill.cpu / plain.cpu : 0);
    if (peakBytes >= 0) peak_.push_back(peakBytes);
  }
  void report(benchmark::State& state) const {
    state.counters["plain_ms"] = medianOf(plainWall_) * 1e3;
    state.counters["plain_cpu_ms"] = medianOf(plainCpu_) * 1e3;
    state.counters["fill_ms"] = medianOf(fillWall_) * 1e3;
    state.counters["fill_cpu_ms"] = medianOf(fillCpu_) * 1e3;
    state.counters["ratio"] = medianOf(ratio_);
    state.counters["cpu_ratio"] = medianOf(cpuRatio_);
    if (!peak_.empty()) state.counters["peak_added_MB"] = medianOf(peak_) / 1e6;
  }

 private:
  std::vector<double> plainWall_, plainCpu_, fillWall_, fillCpu_, ratio_, cpuRatio_, peak_;
};

// Each iteration: `baseline` (the plain work the fill is held against, timed), then
// `fill` (which returns false when it did not fill as expected), in this process;
// `between` (not timed) after each. Use with UseManualTime(): the time
// reported is the fill's.
inline void interleaved(benchmark::State& state, const std::function<Cost()>& baseline,
                        const std::function<bool()>& fill, const std::function<void()>& between = {}) {
  Pairs pairs;
  for (auto _ : state) {
    const Cost plain = baseline();
    bool ok = true;
    const Cost cost = timed([&] { ok = fill(); });
    state.SetIterationTime(cost.wall);
    if (!ok) {
      state.SkipWithError("not filled as expected");
      return;
    }
    pairs.add(plain, cost);
    if (between) between();
  }
  pairs.report(state);
}
inline void interleaved(benchmark::State& state, const std::string& plainPath, const std::function<bool()>& fill,
                        const std::function<void()>& between = {}) {
  std::vector<char> block(1 << 20);
  interleaved(state, [&] { return timedPlainRead(plainPath, block); }, fill, between);
}

// ---- the child's side ----------------------------------------------------------------

// VmRSS and VmHWM of this process, in KiB.
struct ProcMemory {
  long rss = -1, hwm = -1;
};
inline ProcMemory readProcMemory() {
  ProcMemory m;
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind("VmRSS:", 0) == 0) m.rss = std::atol(line.c_str() + 6);
    if (line.rfind("VmHWM:", 0) == 0) m.hwm = std::atol(line.c_str() + 6);
  }
  return m;
}

// Resets VmHWM to the current VmRSS (Linux 4.0 on); false when the kernel refuses.
inline bool resetPeak() {
  std::ofstream clear("/proc/self/clear_refs");
  clear << "5";
  clear.flush();
  return static_cast<bool>(clear);
}

// What a fresh fill is given: the folder of the measured archive and the folder of
// the small one. It makes its window, warms up on `warm`, then returns
// measureFill(...) around the fill itself.
struct FreshFolders {
  QString data, warm;
};
using FreshFill = std::function<int(const FreshFolders&)>;

inline std::map<std::string, FreshFill>& freshFills() {
  static std::map<std::string, FreshFill> fills;
  return fills;
}

// Registers a fresh fill at start-up: static const bench::FreshRegistration r("Name", fill);
struct FreshRegistration {
  FreshRegistration(const std::string& name, FreshFill fill) { freshFills()[name] = std::move(fill); }
};

// Under `perf record -D -1 --control fifo:CTL,ACK`, with VELMORA_PERF_CTL=CTL and
// VELMORA_PERF_ACK=ACK, the profile covers the measured fill only.
inline void perfControl(const char* command) {
  const char* ctl = std::getenv("VELMORA_PERF_CTL");
  const char* ack = std::getenv("VELMORA_PERF_ACK");
  if (!ctl || !ack) return;
  std::ofstream(ctl) << command << std::endl;
  std::string answer;
  std::ifstream(ack) >> answer;
}

// Times `fill` (false: not filled as expected) and prints "wall cpu peak_added_bytes";
// returns the child's exit status.
template <typename F>
int measureFill(F&& fill) {
  const bool reset = resetPeak();
  const ProcMemory before = readProcMemory();
  bool ok = false;
  perfControl("enable");
  const Cost cost = timed([&] { ok = fill(); });
  perfControl("disable");
  const ProcMemory after = readProcMemory();
  if (!ok) return 3;
  const long peak = reset ? after.hwm : std::max(after.hwm, after.rss);
  std::printf("FRESH %.9f %.9f %.0f\n", cost.wall, cost.cpu, static_cast<double>(peak - before.rss) * 1024.0);
  std::fflush(stdout);
  return 0;
}

// In main(), after the Qt application is made: when this process is a fresh child,
// runs its fill and returns true with the exit status in `status`. The child starts
// as the program does (main.cpp): the part threads made in the background.
inline bool runFreshChild(int argc, char** argv, int& status) {
  if (argc != 5 || std::strcmp(argv[1], "--fresh") != 0) return false;
  if (!std::getenv("VELMORA_BENCH_COLD_THREADS")) core::preparePartThreads();
  const auto it = freshFills().find(argv[2]);
  status = it == freshFills().end() ? 4 : it->second({QString::fromLocal8Bit(argv[3]), QString::fromLocal8Bit(argv[4])});
  return true;
}

// An export window opened (its grid fills) and its export clicked, the answers given by
// an ExportHost, as the first of a fresh process: after the same over the small archive.
template <typename Window>
int freshOpenAndExport(const FreshFolders& f) {
  ExportHost host;
  auto openAndExport = [&] {
    Window w(nullptr);
    w.show();
    w.cmdEsportaClick();
    return w.rowCount() > 0 && !host.failed;
  };
  platform::setExeDir(f.warm);
  if (!openAndExport()) return 2;
  platform::setExeDir(f.data);
  return measureFill(openAndExport);
}

// ---- the parent's side ---------------------------------------------------------------

// With VELMORA_BENCH_KEEP set, a generated folder stays after the run and its path is
// said, so that a fill can be run again by hand (`<bench> --fresh NAME DATA WARM`,
// under a profiler say).
inline void keepIfAsked(QTemporaryDir& dir, const char* what) {
  if (!std::getenv("VELMORA_BENCH_KEEP")) return;
  dir.setAutoRemove(false);
  std::fprintf(stderr, "%s kept in %s\n", what, qPrintable(dir.path()));
}

// How many fresh processes a fresh benchmark starts: 7, or VELMORA_BENCH_FRESH_RUNS.
inline int freshIterations() {
  const char* n = std::getenv("VELMORA_BENCH_FRESH_RUNS");
  return n && std::atoi(n) > 0 ? std::atoi(n) : 7;
}

// Each iteration: `baseline` (the plain work the fill is held against), then the fresh
// fill `name` in a new process over `folders`. Use with UseManualTime() and a few
// iterations.
inline void freshFill(benchmark::State& state, const std::string& name, const std::function<Cost()>& baseline,
                      const FreshFolders& folders) {
  Pairs pairs;
  for (auto _ : state) {
    const Cost plain = baseline();
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("--fresh"), QString::fromStdString(name), folders.data, folders.warm});
    double wall = 0, cpu = 0, peak = 0;
    if (!child.waitForFinished(-1) || child.exitStatus() != QProcess::NormalExit || child.exitCode() != 0 ||
        std::sscanf(child.readAllStandardOutput().constData(), "FRESH %lf %lf %lf", &wall, &cpu, &peak) != 3) {
      std::fprintf(stderr, "%s", child.readAllStandardError().constData());
      state.SkipWithError(("the fresh fill " + name + " failed").c_str());
      return;
    }
    state.SetIterationTime(wall);
    pairs.add(plain, {wall, cpu}, peak);
  }
  pairs.report(state);
}

// A plain read of `path` and `writeSize` bytes written into `out` and flushed, as an
// export file is: what an export window is held against.
inline std::function<Cost()> plainReadWriteFlush(const std::string& path, const std::string& out,
                                                 std::size_t writeSize) {
  auto block = std::make_shared<std::vector<char>>(1 << 20, 'x');
  return [=] { return timed([&] { plainReadWrite(path, out, writeSize, true, *block); }); };
}

// The same against a plain read of `plainPath`.
inline void freshFill(benchmark::State& state, const std::string& name, const std::string& plainPath,
                      const FreshFolders& folders) {
  std::vector<char> block(1 << 20);
  freshFill(state, name, [&] { return timedPlainRead(plainPath, block); }, folders);
}

// The number of records the benchmarks generate: `usual`, or VELMORA_BENCH_RECORDS.
inline int recordCount(int usual) {
  const char* n = std::getenv("VELMORA_BENCH_RECORDS");
  return n && std::atoi(n) > 0 ? std::atoi(n) : usual;
}

}  // namespace bench

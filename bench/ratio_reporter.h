#pragma once
// A console reporter that also keeps each benchmark's time, so a program can print
// how its paths compare with the plain read measured in the same run.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <initializer_list>
#include <map>
#include <string>
#include <vector>

class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& r : runs) {
      if (r.error_occurred) continue;
      // With repetitions the median speaks for the benchmark, else its one run.
      const bool median = r.run_type == Run::RT_Aggregate && r.aggregate_name == "median";
      if (median || r.run_type == Run::RT_Iteration) times_[r.run_name.str()] = r.GetAdjustedRealTime();
      if (r.run_type == Run::RT_Iteration) notePair(r);
    }
    ConsoleReporter::ReportRuns(runs);
  }

  // The time of the first benchmark whose full name begins with `prefix`; 0 when none ran.
  double time(const std::string& prefix) const {
    for (const auto& [name, t] : times_)
      if (name.rfind(prefix, 0) == 0) return t;
    return 0;
  }

  // One line for each of `names` that ran: `format` (printf) with the name and its time
  // over the time of `base`, when `base` ran. A name is looked up as `name + suffix`.
  void printRatios(const char* format, std::initializer_list<std::string> names, const std::string& base,
                   const std::string& suffix = std::string()) const {
    const double b = time(base);
    if (b <= 0) return;
    for (const std::string& name : names)
      if (const double t = time(name + suffix); t > 0) std::printf(format, name.c_str(), t / b);
  }
  // The same with two ratios a line: against `base` and against `other`, when both ran.
  void printRatios(const char* format, std::initializer_list<std::string> names, const std::string& base,
                   const std::string& other, const std::string& suffix) const {
    const double b = time(base), o = time(other);
    if (b <= 0 || o <= 0) return;
    for (const std::string& name : names)
      if (const double t = time(name + suffix); t > 0) std::printf(format, name.c_str(), t / b, t / o);
  }

  // The fills measured beside a plain read (bench/fresh_fill.h), one line each.
  void printPairs() const {
    if (pairs_.empty()) return;
    std::printf("\nFills beside the plain read before each (medians; ratios taken pair by pair):\n");
    for (const std::string& l : pairs_) std::printf("%s\n", l.c_str());
  }

 private:
  void notePair(const Run& r) {
    const auto c = [&](const char* k) {
      const auto it = r.counters.find(k);
      return it == r.counters.end() ? -1.0 : static_cast<double>(it->second);
    };
    if (c("ratio") < 0 || c("plain_ms") < 0 || c("fill_ms") < 0) return;
    char line[512];
    std::snprintf(line, sizeof line,
                  "%-48s %9.1f ms (cpu %9.1f)  plain read %8.1f ms (cpu %7.1f)  %6.2fx (cpu %6.2fx)",
                  r.run_name.str().c_str(), c("fill_ms"), c("fill_cpu_ms"), c("plain_ms"), c("plain_cpu_ms"),
                  c("ratio"), c("cpu_ratio"));
    std::string s = line;
    if (const double p = c("peak_added_MB"); p >= 0) {
      std::snprintf(line, sizeof line, "  peak +%.1f MB", p);
      s += line;
    }
    pairs_.push_back(s);
  }

  std::map<std::string, double> times_;
  std::vector<std::string> pairs_;
};

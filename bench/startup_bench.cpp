// Start-up cost: every long-lived window of the program created, the login window
// shown and the first events processed, as main() does before the user can type.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <cstdlib>

#include "app/app.h"
#include "platform/application.h"
#include "platform/form.h"
#include "shell/frm_password.h"

static void BM_StartUp(benchmark::State& state) {
  for (auto _ : state) {
    app().createWindows();
    app().frmPassword->showWindow();
    QApplication::processEvents();
    state.PauseTiming();
    app().destroyWindows();
    QApplication::processEvents();
    state.ResumeTiming();
  }
  app().createWindows();
  state.counters["windows"] = static_cast<double>(app().windows().size());
  app().destroyWindows();
}
BENCHMARK(BM_StartUp)->Unit(benchmark::kMillisecond)->MinTime(2.0);

int main(int argc, char** argv) {
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  platform::setRegionalFormats();
  platform::Application application(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}

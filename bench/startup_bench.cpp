// Start-up cost: every long-lived window of the program created, the login window
// shown and the first events processed, as main() does before the user can type.
#include "bench_support.h"

#include <QApplication>

#include "app/app.h"
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
  bench::Program program(argc, argv, /*programApplication=*/true);
  if (!program.readFlags()) return 1;
  return program.run();
}

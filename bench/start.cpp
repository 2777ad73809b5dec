// The windowed program's start up to its first frame on screen, without the
// window system's own part: the fresh program, the files it checks (sounds,
// sheets, the text's face) and the title drawn.
#include <benchmark/benchmark.h>

#include "bench_program.h"
#include "platform/headless/headless.h"
#include "shell/app.h"

namespace {

void BM_WindowedStart(benchmark::State& state) {
  BenchProgram program;
  CallTimes times;
  for (auto _ : state) {
    times.time([] {
      headless::reset();
      headless::set_run_frames(1);
      try {
        if (app_main() != 0) return;
      } catch (const headless::ExitRequested&) {  // a start file refused, in a message box
        return;
      }
      benchmark::DoNotOptimize(headless::screen().pixels.data());
    });
    if (!headless::window_shown()) {
      state.SkipWithError(program.has_art() ? "the program did not start"
                                            : "no generated art: the start stops at the first sheet");
      break;
    }
  }
  times.report(state);
}
BENCHMARK(BM_WindowedStart)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();

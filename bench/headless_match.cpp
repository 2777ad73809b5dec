// A 16-hand match through the headless driver, the scripted user at seat 0:
// with the screen read at every hand's end (its pixels drawn then), and with
// no pixel ever read. Start-up: the program opened until its first frame is
// on the screen, the one-suit table read from data/hai.dat.
#include <benchmark/benchmark.h>

#include "bench_program.h"
#include "core/hai_table.h"
#include "platform/headless/headless.h"
#include "support/scripted_user.h"

namespace {

void BM_HeadlessMatch(benchmark::State& state, bool read_screens) {
  BenchProgram program;
  int frames = 0;
  for (auto _ : state) {
    ScriptedUser user;
    if (read_screens) user.on_hand_end = [] { benchmark::DoNotOptimize(headless::screen().pixels.data()); };
    if (!user.play_match(11).empty()) state.SkipWithError("the scripted match broke a rule");
    frames = user.tally.frames;
  }
  state.counters["frames"] = frames;
}
BENCHMARK_CAPTURE(BM_HeadlessMatch, screens_at_hand_ends, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_HeadlessMatch, no_pixels, false)->Unit(benchmark::kMillisecond);

void BM_StartUp(benchmark::State& state) {
  BenchProgram program;
  for (auto _ : state) {
    g_hai_table_loaded = 0;
    open_headless_program(1);
    headless::step_frames(1);
    benchmark::DoNotOptimize(headless::screen().pixels.data());
  }
  if (!program.has_art()) state.SetLabel("no generated art");
}
BENCHMARK(BM_StartUp)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();

// One frame of each screen group with its pixels drawn, as the window shows
// it: the title, the main menu, a settings screen, the pattern list and a
// text help screen, the frame rate shown every other frame so that every
// frame changes (a frame that repeats the one before draws nothing), and every frame of a
// match played by the scripted user (the table, the pop-ups, the panels and
// the results).
#include <benchmark/benchmark.h>

#include "base/options.h"
#include "base/scene_state.h"
#include "base/scenes.h"
#include "bench_program.h"
#include "platform/headless/headless.h"
#include "support/scripted_user.h"

namespace {

void frame_with_pixels() {
  headless::step_frames(1);
  benchmark::DoNotOptimize(headless::screen().pixels.data());
}

void BM_ScreenFrame(benchmark::State& state, int scene) {
  BenchProgram program;
  open_headless_program(1);
  g_scene = scene;
  frame_with_pixels();
  CallTimes times;
  for (auto _ : state) {
    g_options[opt_frame_rate] ^= 1;
    times.time(frame_with_pixels);
  }
  times.report(state);
  if (!program.has_art()) state.SetLabel("no generated art: plain screens");
}
BENCHMARK_CAPTURE(BM_ScreenFrame, title, int{SCENE_TITLE})->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_ScreenFrame, main_menu, int{SCENE_MAIN_MENU})->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_ScreenFrame, options, int{SCENE_OPTIONS})->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_ScreenFrame, pattern_list, int{SCENE_HELP_YAKU_LIST})->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_ScreenFrame, game_rules, int{SCENE_HELP_RULES})->Unit(benchmark::kMicrosecond);

// Every frame of a seeded match from the title to the standings; the
// counters give the spread of a frame (its play and its pixels).
void BM_PlayFrames(benchmark::State& state) {
  BenchProgram program;
  CallTimes times;
  for (auto _ : state) {
    ScriptedUser user;
    user.run_frame = [&times] { times.time(frame_with_pixels); };
    if (!user.play_match(11).empty()) state.SkipWithError("the scripted match broke a rule");
  }
  times.report(state);
}
BENCHMARK(BM_PlayFrames)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

BENCHMARK_MAIN();

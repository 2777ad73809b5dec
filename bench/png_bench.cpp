// One screenshot: the 720 x 720 surface of a hand in play written as a PNG
// file, and the same surface read back.
#include <benchmark/benchmark.h>

#include "bench_program.h"
#include "platform/headless/headless.h"
#include "screens/front_end_layout.h"

namespace {

constexpr int kFramesToTheFirstTurn = 400;

// The table a few turns into a hand, its pixels drawn.
const platform::Surface& table_screen() {
  open_headless_program(1);
  headless::step_frames(2);
  headless::left_click_at(10, 10);
  headless::step_frames(2);
  const HitBox new_match = menu_left_box(0);
  headless::left_click_at(new_match.left + 5, new_match.top + 5);
  headless::step_frames(kFramesToTheFirstTurn);
  return headless::screen();
}

void BM_ScreenshotPng(benchmark::State& state) {
  BenchProgram program;
  const platform::Surface shot = table_screen();
  for (auto _ : state)
    if (!platform::save_png("shot.png", shot)) state.SkipWithError("the PNG was not written");
  std::uint64_t size = 0;
  platform::file_size("shot.png", size);
  state.counters["bytes"] = static_cast<double>(size);
  if (!program.has_art()) state.SetLabel("no generated art: a plain screen");
}
BENCHMARK(BM_ScreenshotPng)->Unit(benchmark::kMillisecond);

void BM_ScreenshotPngRead(benchmark::State& state) {
  BenchProgram program;
  if (!platform::save_png("shot.png", table_screen())) state.SkipWithError("the PNG was not written");
  platform::Surface back;
  for (auto _ : state)
    if (!platform::load_png("shot.png", back)) state.SkipWithError("the PNG was not read");
}
BENCHMARK(BM_ScreenshotPngRead)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();

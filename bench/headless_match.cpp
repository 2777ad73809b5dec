// A 16-hand match through the headless driver, the scripted user at seat 0:
// with the screen read at every hand's end (its pixels drawn then), and with
// no pixel ever read; the program's time, the test harness's checks left
// out. Start-up: the program opened until its first frame is on the screen,
// the one-suit table read from data/hai.dat.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <optional>

#include "bench_program.h"
#include "base/table_state.h"
#include "core/hai_table.h"
#include "platform/headless/headless.h"
#include "support/scripted_user.h"

namespace {

// The final scores and the frames played: a match played again ends the same.
struct Standings {
  std::array<int, kSeats> scores{};
  int frames = 0;
  bool operator==(const Standings&) const = default;
};

// Plays the match, its table checked or not; nullopt when it broke a rule.
std::optional<Standings> play(bool check_table, bool read_screens) {
  ScriptedUser user;
  user.check_table = check_table;
  if (read_screens) user.on_hand_end = [] { benchmark::DoNotOptimize(headless::screen().pixels.data()); };
  if (!user.play_match(11).empty()) return std::nullopt;
  Standings out;
  std::copy(std::begin(g_scores), std::end(g_scores), out.scores.begin());
  out.frames = user.tally.frames;
  return out;
}

// The table's rules are checked at every frame of one match before the
// timing; the timed matches, unchecked, must end with the same standings.
void BM_HeadlessMatch(benchmark::State& state, bool read_screens) {
  BenchProgram program;
  const std::optional<Standings> checked = play(true, read_screens);
  if (!checked) state.SkipWithError("the scripted match broke a rule");
  for (auto _ : state)
    if (checked && play(false, read_screens) != checked) state.SkipWithError("an unchecked match ended otherwise");
  if (checked) state.counters["frames"] = checked->frames;
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

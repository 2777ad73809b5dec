// One frame of the table view on a busy mid-hand table: drawn, drawn over
// a different one, and only recorded.
#include <benchmark/benchmark.h>

#include "base/options.h"
#include "base/table_state.h"
#include "draw/gdi.h"
#include "shell/table_view.h"
#include "shell/view_inputs.h"

namespace {

void busy_table() {
  reset_table_state();
  reset_options();
  for (int seat = 0; seat < kSeats; ++seat) {
    for (int i = 0; i < 13; ++i) g_hand[seat][i] = 1 + i % 9;
    g_hand[seat][kDrawSlot] = 35;
    g_river_count[seat] = 24;
    for (int i = 0; i < 24; ++i) g_river[seat][i] = 11 + i % 9;
    g_hana[seat].count = 4;
    for (int i = 0; i < 4; ++i) g_hana[seat].tiles[i] = 41 + i;
  }
  g_wall_count = 60;
  for (int i = 0; i < g_wall_count; ++i) g_wall[i] = 21 + i % 9;
  g_options[opt_open_wall] = 1;
  g_options[opt_knitted_support] = 2;
}

// Frames of the busy table, each drawn over the one before after `change`.
template <typename Change>
void time_frames(benchmark::State& state, Change change) {
  gdi_setup();
  busy_table();
  for (auto _ : state) {
    change();
    draw_table();
    finish_drawing();
    benchmark::DoNotOptimize(g_back_surface.pixels.data());
  }
}

void BM_DrawTable(benchmark::State& state) {
  time_frames(state, [] {});
}
BENCHMARK(BM_DrawTable)->Unit(benchmark::kMicrosecond);

// Frames that alternate between the busy table and the same table a
// discard later (the user's tile gone from the hand, one more in the
// river): each is drawn only where they differ.
void BM_RedrawTable(benchmark::State& state) {
  bool discarded = false;
  time_frames(state, [&] {
    discarded = !discarded;
    g_hand[0][kDrawSlot] = discarded ? 0 : 35;
    g_river_count[0] = discarded ? 24 : 23;
  });
}
BENCHMARK(BM_RedrawTable)->Unit(benchmark::kMicrosecond);

// Frames that alternate between the busy table with the open wall's panel
// over it and without (about half the screen changes each time).
void BM_RedrawTablePanel(benchmark::State& state) {
  time_frames(state, [] { g_options[opt_open_wall] ^= 1; });
}
BENCHMARK(BM_RedrawTablePanel)->Unit(benchmark::kMicrosecond);

// The same frame recorded and never looked at, as in a headless match whose
// pixels nobody reads: the next frame's background drops the record.
void BM_RecordTable(benchmark::State& state) {
  gdi_setup();
  busy_table();
  for (auto _ : state) draw_table();
}
BENCHMARK(BM_RecordTable)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();

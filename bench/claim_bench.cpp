// The claim decision's worst cases: the simulated calls on a hand with many
// waits, which the claim scene runs for three seats after every discard
// inside one 10 ms frame.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <string_view>

#include "com/claim/claim_protocol.h"
#include "com/claim/claim_rules.h"
#include "com/claim/com_claim.h"
#include "base/ai_record.h"
#include "base/visible.h"
#include "support/hand_builder.h"
#include "support/test_workdir.h"
#include "base/table_state.h"

namespace {

// Seat 1 holds `hand`; its left neighbour (seat 0) has just thrown `discard`.
void set_up(std::string_view hand, int discard) {
  reset_program_state();
  set_hand(1, hand);
  g_river[0][g_river_count[0]++] = discard;
  g_discarder = 0;
  g_wall_count = 60;
  g_seat_character[1] = 1;
  count_visible_tiles(1);
  count_hand_tiles(1);
}

// Ready on every character: three chows of 5m, each followed by 14 discards
// with up to nine waits each.
void BM_BetterReadyHandNineWaits(benchmark::State& state) {
  set_up("1112345678999m", 15 - 10);
  for (auto _ : state) {
    g_naki_decided = 0;
    naki_for_better_ready_hand(1);
  }
}
BENCHMARK(BM_BetterReadyHandNineWaits)->Unit(benchmark::kMicrosecond);

// Not ready, but taking 4m and throwing 1z leaves the nine-wait hand, so
// every call is simulated.
void BM_ToGetReadyOneAway(benchmark::State& state) {
  set_up("111235678999m 1z", 4);
  for (auto _ : state) {
    g_naki_decided = 0;
    naki_to_get_ready(1, 8);
  }
}
BENCHMARK(BM_ToGetReadyOneAway)->Unit(benchmark::kMicrosecond);

// The whole decider for three seats holding that hand, as after one discard
// (only the next seat may chow).
void BM_ThreeSeatsDecide(benchmark::State& state) {
  set_up("111235678999m 1z", 4);
  for (int seat : {2, 3}) std::copy(g_hand[1], g_hand[1] + kHandSlots, g_hand[seat]);
  std::fill(g_seat_character + 1, g_seat_character + kSeats, 1);
  for (auto _ : state)
    for (int seat = 1; seat < kSeats; ++seat) com_decide_naki(seat);
}
BENCHMARK(BM_ThreeSeatsDecide)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();

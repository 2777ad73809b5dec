// The claim decision's worst cases: the simulated calls on a hand with many
// waits, which the claim scene runs for three seats after every discard
// inside one 10 ms frame.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <random>
#include <string_view>
#include <vector>

#include "com/claim/claim_protocol.h"
#include "com/claim/claim_rules.h"
#include "com/claim/com_claim.h"
#include "base/ai_record.h"
#include "base/visible.h"
#include "support/hand_builder.h"
#include "support/test_workdir.h"
#include "base/table_state.h"
#include "core/hai_table.h"

namespace {

// Seat 1 holds `hand`; its left neighbour (seat 0) has just thrown `discard`.
// The one-suit table is loaded, as the program loads it at start.
void set_up(std::string_view hand, int discard) {
  reset_program_state();
  if (!g_hai_table_loaded) build_hai_table();
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

// The whole decider for three seats on dealt hands, most of them far from
// ready as in play: 64 deals of three 13-tile hands and a discard.
void BM_ThreeSeatsDecideDealtHands(benchmark::State& state) {
  struct Deal {
    int hands[kSeats][kHandSlots];
    int discard;
  };
  std::mt19937 rng(5);
  std::vector<Deal> deals(64);
  for (Deal& d : deals) {
    std::vector<int> wall;
    for (int t : kPlayingTiles) wall.insert(wall.end(), 4, t);
    std::shuffle(wall.begin(), wall.end(), rng);
    for (int seat = 1; seat < kSeats; ++seat) {
      std::fill(d.hands[seat], d.hands[seat] + kHandSlots, 0);
      std::copy(wall.begin() + 13 * seat, wall.begin() + 13 * seat + 13, d.hands[seat]);
      std::sort(d.hands[seat], d.hands[seat] + 13);
    }
    d.discard = wall[0];
  }
  set_up("", deals[0].discard);
  std::fill(g_seat_character + 1, g_seat_character + kSeats, 1);
  std::size_t n = 0;
  for (auto _ : state) {
    const Deal& d = deals[n];
    g_river[0][0] = d.discard;
    for (int seat = 1; seat < kSeats; ++seat) {
      std::copy(d.hands[seat], d.hands[seat] + kHandSlots, g_hand[seat]);
      std::fill(std::begin(g_naki_flags[seat]), std::end(g_naki_flags[seat]), 0);
      com_decide_naki(seat);
    }
    n = (n + 1) % deals.size();
  }
}
BENCHMARK(BM_ThreeSeatsDecideDealtHands)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();

// The computer players' cost per frame: the worst frame of the user's turn
// (the target scripts of all four seats, the self-drawn test and the
// advisor's planner on seat 0) and one whole hand played headless by the
// planners, the user's seat through the advisor.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <string>
#include <cstdint>
#include <vector>

#include "base/ai_record.h"
#include "base/options.h"
#include "base/scene_state.h"
#include "base/scenes.h"
#include "base/seat_eval.h"
#include "base/table_state.h"
#include "com/target/com_target.h"
#include "com/turn/advisor.h"
#include "com/turn/com_turn.h"
#include "core/hai_table.h"
#include "flow/claim_offers.h"
#include "flow/new_hand.h"
#include "platform/platform.h"
#include "shell/scene_table.h"
#include "table/win_test.h"

namespace {

constexpr int kFrameLimit = 40000;

// Mid-game hands: seat 0 with 14 tiles in its turn, the others waiting.
constexpr std::array<std::array<int, kHandSlots>, kSeats> kHands{{
    {2, 3, 4, 6, 7, 11, 13, 15, 22, 23, 24, 31, 35, 36},
    {1, 2, 3, 5, 5, 12, 13, 14, 27, 28, 33, 33, 37, 0},
    {4, 4, 6, 8, 16, 17, 18, 21, 21, 25, 26, 32, 34, 0},
    {7, 8, 9, 9, 14, 15, 19, 19, 22, 29, 34, 36, 36, 0},
}};

void set_up_table() {
  build_hai_table();
  reset_table_state();
  for (int seat = 0; seat < kSeats; ++seat) std::copy(kHands[seat].begin(), kHands[seat].end(), g_hand[seat]);
  g_seat_character[1] = 1;
  g_seat_character[2] = 3;
  g_seat_character[3] = 6;
  g_wall_count = 60;
  g_options[opt_ai_tile_choice] = 2;
  refresh_hand_evaluations();
}

void BM_UserTurnFrame(benchmark::State& state) {
  set_up_table();
  for (auto _ : state) {
    com_select_target_all_seats();
    benchmark::DoNotOptimize(win_points_with(0, g_hand[0][kDrawSlot], 0));
    benchmark::DoNotOptimize(advise_user_discard());
  }
}
BENCHMARK(BM_UserTurnFrame)->Unit(benchmark::kMicrosecond);

// The user's seat: the advisor's discard; claim and robbing offers declined.
void play_user_scene() {
  if (g_scene == seat_turn_scene(0)) {
    g_ai_drawn_tile = g_hand[0][kDrawSlot];
    const int tile = advise_user_discard();
    const int* slot = std::find(g_hand[0], g_hand[0] + kHandSlots, tile);
    com_discard(0, slot == g_hand[0] + kHandSlots ? kDrawSlot : static_cast<int>(slot - g_hand[0]));
  } else if (g_scene == SCENE_USER_CLAIM) {
    g_river[g_discarder][g_river_count[g_discarder] - 1] -= kOfferMark;
    g_scene = g_return_scene;
  } else {
    g_scene = g_return_scene;  // the robbing offer
  }
}

// Deals a seeded hand, the user's seat playing by the advisor.
void deal_seeded_hand(std::uint32_t seed) {
  reset_table_state();
  reset_com_target_state();
  platform::rand_seed(seed);
  g_options[opt_com_speed] = 0;
  g_options[opt_ai_tile_choice] = 1;
  for (int seat = 1; seat < kSeats; ++seat) g_seat_character[seat] = seat + 2;
  setup_new_hand();
  g_scene = SCENE_DEAL;
  g_scene_frame = 0;
}

// Plays frames until the hand ends or `stop` holds; false when the hand ended.
template <class Stop>
bool play_until(Stop stop) {
  for (int frame = 0; frame < kFrameLimit && g_scene != SCENE_WIN && g_scene != SCENE_EXHAUSTIVE_DRAW; ++frame) {
    if (stop()) return true;
    if (g_scene == seat_turn_scene(0) || g_scene == SCENE_USER_CLAIM || g_scene == SCENE_USER_ROB_KONG)
      play_user_scene();
    else if (!dispatch_scene(g_scene))
      break;
  }
  return false;
}

void BM_WholeHeadlessHand(benchmark::State& state) {
  build_hai_table();
  std::uint32_t seed = 1;
  for (auto _ : state) {
    deal_seeded_hand(seed++);
    play_until([] { return false; });
  }
}
BENCHMARK(BM_WholeHeadlessHand)->Unit(benchmark::kMillisecond);

// A table part-way through a seeded hand: the table and the computer
// players' records as they stood at a seat's turn.
struct MidHandTable {
  TableState table;
  AiRecordState records;
};

int discards_so_far() {
  int n = 0;
  for (int seat = 0; seat < kSeats; ++seat) n += g_discard_history_count[seat];
  return n;
}

bool at_a_turn() {
  for (int seat = 0; seat < kSeats; ++seat)
    if (g_scene == seat_turn_scene(seat)) return true;
  return false;
}

// Tables after 4 to 52 discards of seeded hands; a hand that ends sooner gives none.
std::vector<MidHandTable> mid_hand_tables() {
  build_hai_table();
  std::vector<MidHandTable> tables;
  for (std::uint32_t seed = 1; seed <= 48; ++seed) {
    deal_seeded_hand(seed);
    const int discards = 4 + static_cast<int>(seed % 13) * 4;
    if (play_until([&] { return at_a_turn() && discards_so_far() >= discards; }))
      tables.push_back({g_table_state, g_ai_record_state});
  }
  return tables;
}

// One selection for all four seats per iteration, the tables taken in turn
// so that no seat's hand is the one it read last time.
void BM_SelectTargets(benchmark::State& state) {
  const std::vector<MidHandTable> tables = mid_hand_tables();
  std::size_t next = 0;
  for (auto _ : state) {
    g_table_state = tables[next].table;
    g_ai_record_state = tables[next].records;
    next = (next + 1) % tables.size();
    com_select_target_all_seats();
    benchmark::DoNotOptimize(g_ai_record_state);
  }
  state.SetLabel(std::to_string(tables.size()) + " tables");  // a label, not a counter: a CSV report needs the same counters on every row
}
BENCHMARK(BM_SelectTargets)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();

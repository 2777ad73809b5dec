// One level's run of the generic discard rules, every rule called in turn on
// a hand where none fires until the last ones: the cost the planner pays per
// relaxation level.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>

#include "base/ai_record.h"
#include "base/table_state.h"
#include "base/visible.h"
#include "com/target/com_target.h"
#include "com/turn/generic_rules.h"
#include "com/turn/planner_state.h"
#include "com/turn/rule_target.h"

namespace {

constexpr int kSeat = 1;
constexpr std::array<int, kHandSlots> kHand{2, 3, 5, 8, 12, 14, 14, 16, 17, 23, 25, 26, 31, 35};

void set_up() {
  reset_table_state();
  reset_ai_record_state();
  reset_planner_state();
  reset_visible_state();
  reset_com_target_state();
  std::copy(kHand.begin(), kHand.end(), g_hand[kSeat]);
  count_hand_tiles(kSeat);
  AI[kSeat].min_shanten = 2;
  std::fill(std::begin(AI[kSeat].hai_syanten), std::end(AI[kSeat].hai_syanten), 3);
  AI[kSeat].best_blocks = 5;
  AI[kSeat].best_pairs = 1;
}

void BM_GenericRulesOneLevel(benchmark::State& state) {
  set_up();
  for (auto _ : state) {
    build_work_hand(kSeat);
    g_ai_discard_count = 0;
    discard_rule_50_dead_honour(kSeat);
    discard_rule_51_fourth_honour(kSeat);
    discard_rule_52_single_honours(kSeat);
    discard_rule_53_single_honour(kSeat);
    discard_rule_54_lone_honour_pair(kSeat);
    for (int mode = 4; mode >= 0; --mode) discard_rule_20_surplus_pairs(kSeat, mode);
    discard_rule_60_dead_neighbours(kSeat, 1);
    discard_rule_61_dead_terminal(kSeat);
    discard_rule_62_dead_two_eight(kSeat);
    for (int strict = 1; strict >= 0; --strict) {
      discard_rule_10_edge_partial(kSeat, strict);
      discard_rule_11_terminal_closed(kSeat, strict);
      discard_rule_12_closed_partial(kSeat, strict);
      discard_rule_32_closed_on_pair(kSeat, strict);
      discard_rule_33_single_below_pair(kSeat, strict);
      discard_rule_35_long_shape(kSeat, strict);
    }
    discard_rule_30_leftover_beside_pairs(kSeat);
    discard_rule_31_lone_three_apart(kSeat);
    discard_rule_34_spaced_singles(kSeat);
    discard_rule_41_adjacent_pairs(kSeat);
    discard_rule_42_simples_shapes(kSeat);
    discard_rule_43_pair_beside_single(kSeat);
    discard_rule_44_pair_gap_single(kSeat);
    discard_rule_60_dead_neighbours(kSeat, 0);
    benchmark::DoNotOptimize(g_ai_discard_count);
  }
}
BENCHMARK(BM_GenericRulesOneLevel);

}  // namespace

BENCHMARK_MAIN();

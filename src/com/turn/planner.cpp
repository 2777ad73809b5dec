#include "com/turn/planner.h"

#include <algorithm>

#include "base/ai_record.h"
#include "base/table_state.h"
#include "base/visible.h"
#include "com/aimed/aimed_rules.h"
#include "com/hand_terms.h"
#include "com/target/com_target.h"
#include "com/turn/basic_rules.h"
#include "com/turn/cascade_places.h"
#include "com/turn/generic_rules.h"
#include "com/turn/planner_decomposition.h"
#include "com/turn/planner_state.h"
#include "com/turn/safety.h"

namespace {

bool none() { return g_ai_discard_count == 0; }
void run(void (*rule)(int), int seat) {
  if (none()) rule(seat);
}
void run(void (*rule)(int, int), int seat, int arg) {
  if (none()) rule(seat, arg);
}

void prepare(int seat, const PlannerTraits& traits) {
  SeatAiRecord& ai = AI[seat];
  ai.discard_yaku = ai.discard_reason = ai.discard_subcode = ai.relax_level = 0;
  g_decomposition_prefer_pungs = 0;
  invalidate_ready_records(seat);
  // Plainly ascending: an empty slot stands first until the final pick moves it last.
  std::sort(g_hand[seat], g_hand[seat] + kHandSlots);
  select_target_of_character(traits.script, seat);
  // A seat with four melds keeps its aim without a script run, which would
  // leave another seat's counts here: the rules read this seat's.
  count_hand_tiles(seat);
  std::fill(std::begin(g_ai_discard_candidates), std::end(g_ai_discard_candidates), 0);
  g_ai_discard_count = 0;
  build_work_hand(seat);
  prepare_discard_tables(seat);
}

void immediate_rules(int seat) {
  discard_rule_700_hana(seat);
  run(discard_rule_900_dead_tile, seat, 1);
  run(discard_rule_910_safe_tile, seat, 1);
  run(ai_pick_ready_discard, seat);
  run(discard_rule_900_dead_tile, seat, 0);
  run(discard_rule_910_safe_tile, seat, 0);
}

void first_keepers(int seat) {
  keep_chow_template(seat);
  keep_mixed_shifted_pungs_tiles(seat);
  keep_knitted_straight_tiles(seat);
  keep_triple_pung_tiles(seat);
  keep_concealed_pung_tiles(seat);
  keep_pure_triple_chow_tiles(seat);
  keep_pure_shifted_pungs_tiles(seat);
}

void template_rules(int seat) {
  run(discard_rule_500_template_leftover, seat);
  run(discard_rule_520_template_leftover, seat);
  run(discard_rule_521_template_leftover, seat);
  run(discard_rule_540_template_leftover, seat);
  run(discard_rule_530_template_leftover, seat);
  run(discard_rule_550_template_leftover, seat);
  run(discard_rule_551_template_leftover, seat);
  run(discard_rule_560_only_neutral_kind, seat);
}

void second_keepers_and_filters(int seat, const PlannerTraits& traits) {
  keep_three_suited_terminal_chows_tiles(seat);
  keep_four_pure_shifted_chows_tiles(seat);
  keep_quadruple_chow_tiles(seat);
  keep_four_pure_shifted_pungs_tiles(seat);
  keep_big_four_winds_tiles(seat);
  keep_big_three_dragons_tiles(seat);
  keep_leftover_shapes(seat);
  keep_leftover_shapes_b(seat);
  keep_leftover_pairs(seat);
  keep_leftover_pair_a(seat);
  keep_pairs_or_chiitoi(seat);
  keep_leftover_pair_b(seat);
  if (!traits.danger_filters) return;
  guard_one_suit(seat);
  guard_terminals_and_honours(seat);
  guard_shifted_pungs(seat);
  guard_all_honours(seat);
  guard_all_terminals(seat);
  guard_four_winds(seat);
  guard_big_three_dragons(seat);
  guard_all_green(seat);
}

void choosers(int seat, int flush_flag) {
  run(discard_outside_hand, seat);
  run(discard_all_pungs, seat);
  run(discard_all_types, seat);
  run(discard_half_flush, seat, flush_flag);
  run(discard_chicken_hand, seat);
  run(discard_reversible_tiles, seat);
  run(discard_all_fives, seat);
  run(discard_full_flush, seat, flush_flag);
  run(discard_seven_pairs, seat);
  run(discard_greater_honours_knitted, seat);
  run(discard_all_even_pungs, seat);
  run(discard_upper_tiles, seat);
  run(discard_middle_tiles, seat);
  run(discard_lower_tiles, seat);
  run(discard_all_terminals_and_honours, seat);
  run(discard_pure_terminal_chows, seat);
  run(discard_all_honours, seat);
  run(discard_four_concealed_pungs, seat);
  run(discard_all_terminals, seat);
  run(discard_seven_shifted_pairs, seat);
  run(discard_thirteen_orphans, seat);
  run(discard_all_green, seat);
  run(discard_nine_gates, seat);
}

void generic_rules(int seat, int level) {
  run(discard_rule_50_dead_honour, seat);
  run(discard_rule_51_fourth_honour, seat);
  run(discard_rule_52_single_honours, seat);
  run(discard_rule_53_single_honour, seat);
  run(discard_rule_54_lone_honour_pair, seat);
  run(discard_rule_20_surplus_pairs, seat, 4);
  run(discard_rule_60_dead_neighbours, seat, 1);
  run(discard_rule_61_dead_terminal, seat);
  run(discard_rule_62_dead_two_eight, seat);
  run(discard_rule_60_dead_neighbours, seat, 0);
  run(discard_rule_10_edge_partial, seat, 1);
  run(discard_rule_33_single_below_pair, seat, 1);
  run(discard_rule_32_closed_on_pair, seat, 1);
  run(discard_rule_35_long_shape, seat, 1);
  run(discard_rule_41_adjacent_pairs, seat);
  run(discard_rule_20_surplus_pairs, seat, 3);
  run(discard_rule_34_spaced_singles, seat);
  if (level >= 1) {
    run(discard_rule_31_lone_three_apart, seat);
    run(discard_rule_33_single_below_pair, seat, 0);
    run(discard_rule_32_closed_on_pair, seat, 0);
    run(discard_rule_20_surplus_pairs, seat, 2);
    run(discard_rule_20_surplus_pairs, seat, 1);
    run(discard_rule_10_edge_partial, seat, 0);
    run(discard_rule_43_pair_beside_single, seat);
    run(discard_rule_44_pair_gap_single, seat);
    run(discard_rule_42_simples_shapes, seat);
    run(discard_rule_20_surplus_pairs, seat, 0);
    run(discard_rule_11_terminal_closed, seat, 0);
    run(discard_rule_12_closed_partial, seat, 0);
    run(discard_rule_30_leftover_beside_pairs, seat);
  }
  run(discard_rule_10_edge_partial, seat, 1);
  run(discard_rule_11_terminal_closed, seat, 1);
  run(discard_rule_12_closed_partial, seat, 1);
}

void restore_pool() { std::copy(std::begin(g_ai_work_hand_saved), std::end(g_ai_work_hand_saved), g_ai_work_hand); }

int declared_pungs(int seat) {
  return static_cast<int>(std::count_if(g_melds[seat], g_melds[seat] + kMeldSlots,
                                        [](int m) { return m != 0 && meld_kind(m) >= kMeldPung; }));
}

// Level 7: the thin-suit rule over seven strip variants, a strict pass
// (only tiles that keep the distance to ready) before a loose one.
void thin_suit_level(int seat) {
  for (g_ai_strict_pass = 1; g_ai_strict_pass >= 0; --g_ai_strict_pass) {
    for (int k = 0; k < kThinSuitVariants; ++k) {
      restore_pool();
      if (k <= 4) remove_decomposition_chows();
      if (k <= 3 || k == 5) remove_decomposition_pungs();
      if (k <= 2) strip_lone_pair();
      if (k <= 1) strip_two_tile_runs();
      if (k == 0) strip_gapped_pairs();
      discard_rule_800_thin_suit(seat, k, g_ai_strict_pass);
      if (!none()) break;
    }
    if (!none()) break;
  }
  g_ai_strict_pass = std::max(g_ai_strict_pass, 0);
}

void strip_for_level(int seat, int level, const PlannerTraits& traits) {
  switch (level) {
    case 0: search_best_decomposition(seat); break;
    case 1:
    case 2:
      remove_decomposition_chows();
      remove_decomposition_pungs();
      if (level == 1 && traits.strip_lone_pair) strip_lone_pair();
      strip_two_tile_runs();
      break;
    case 3:
    case 4:
      remove_decomposition_chows();
      remove_decomposition_pungs();
      break;
    case 5: remove_decomposition_chows(); break;
    case 6: remove_decomposition_pungs(); break;
    case kThinSuitLevel: thin_suit_level(seat); break;
    default: break;
  }
}

void relax_level(int seat, int level, const PlannerTraits& traits) {
  AI[seat].relax_level = g_ai_relax_level = level;
  g_ai_pung_meld_count = declared_pungs(seat);
  restore_pool();
  strip_for_level(seat, level, traits);
  choosers(seat, traits.flush_flag);
  generic_rules(seat, level);
}

// Every level found nothing (a pool the keepers emptied, or counts that do
// not match it): the first pool tile, else the first free tile of the hand.
void last_resort(int seat) {
  restore_pool();
  for (int i = 0; i < kHandSlots; ++i)
    if (is_playing_tile(g_ai_work_hand[i])) return propose_discard(seat, i, kReasonNoRuleFired, 0);
  build_work_hand(seat);
  for (int i = 0; i < kHandSlots; ++i)
    if (g_ai_work_hand[i] != 0) return propose_discard(seat, i, kReasonNoRuleFired, 1);
}

void plan_discard(int seat, int character) {
  const PlannerTraits& traits = kPlannerTraits[std::clamp(character, 0, 6)];
  prepare(seat, traits);
  immediate_rules(seat);
  if (!none()) return;
  first_keepers(seat);
  template_rules(seat);
  if (!none()) return;
  second_keepers_and_filters(seat, traits);
  std::copy(std::begin(g_ai_work_hand), std::end(g_ai_work_hand), g_ai_work_hand_saved);
  for (int level = 0; none() && level <= kLastRelaxLevel; ++level) relax_level(seat, level, traits);
  if (none()) last_resort(seat);
}

const int* picked_row() { return g_decomposition_row; }

// Zeroes the first pool slot holding the tile; false when none holds it.
bool take_from_pool(int tile) {
  int* slot = std::find(g_ai_work_hand, g_ai_work_hand + kHandSlots, tile);
  if (slot == g_ai_work_hand + kHandSlots) return false;
  *slot = 0;
  return true;
}

bool in_pool(int tile) { return std::find(g_ai_work_hand, g_ai_work_hand + kHandSlots, tile) != g_ai_work_hand + kHandSlots; }

bool is_pair_block(int block) { return block > 0 && block < kPlanChow; }

}  // namespace

void plan_discard_com1(int seat) { plan_discard(seat, 1); }
void plan_discard_com2(int seat) { plan_discard(seat, 2); }
void plan_discard_com3(int seat) { plan_discard(seat, 3); }
void plan_discard_com4(int seat) { plan_discard(seat, 4); }
void plan_discard_com5(int seat) { plan_discard(seat, 5); }
void plan_discard_com6(int seat) { plan_discard(seat, 6); }
void plan_discard_of_character(int character, int seat) { plan_discard(seat, character); }

void strip_lone_pair() {
  const int* row = picked_row();
  int pairs = 0;
  for (int s = 0; s < 3; ++s) {
    const int* c = &g_hand_counts[make_tile(s, 0)];
    pairs += c[1] == 2 && c[2] == 0 && c[3] == 0;
    pairs += c[9] == 2 && c[8] == 0 && c[7] == 0;
  }
  for (int t = kEast; t <= kRed; ++t) pairs += held(t) == 2;
  for (int i = 0; i < kDecompositionSteps; ++i) pairs += is_pair_block(row[i]);
  if (pairs >= 2) return;
  for (int i = 0; i < kDecompositionSteps; ++i) {
    const int t = row[i];
    if (!is_pair_block(t)) continue;
    const bool neighbour = is_suited(t) && ((rank_of(t) > 1 && in_pool(t - 1)) || (rank_of(t) < 9 && in_pool(t + 1)));
    if (neighbour) continue;
    take_from_pool(t);
    take_from_pool(t);
  }
}

void strip_two_tile_runs() {
  for (int i = 0; i < kDecompositionSteps; ++i) {
    const int block = picked_row()[i];
    if (block < kPlanTwoSided || block >= kPlanClosed) continue;
    take_from_pool(block - kPlanTwoSided);
    take_from_pool(block - kPlanTwoSided + 1);
  }
}

void strip_gapped_pairs() {
  for (int i = 0; i < kDecompositionSteps; ++i) {
    const int block = picked_row()[i];
    if (block < kPlanClosed || block >= kPlanClosed + 100) continue;
    take_from_pool(block - kPlanClosed);
    take_from_pool(block - kPlanClosed + 2);
  }
}

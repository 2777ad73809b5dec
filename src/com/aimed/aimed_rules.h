// The discard rules for aimed patterns, called by the discard planners at
// fixed places of their cascade. Each acts only while the seat aims at its
// pattern (g_ai_target_yaku; the numbers after each line are the pattern
// ids it answers to). A keeper proposes nothing: it zeroes in the pool the
// tiles the pattern needs. A chooser proposes at most one tile (the full
// flush chooser may propose several) by the planner's rule contract,
// recording the pattern as discard_yaku.
#pragma once

#include "com/target/com_target.h"

// Stage 2 keepers, in the planner's order.
void keep_chow_template(int seat);  // 27, 33, 35, 47, 49
void keep_mixed_shifted_pungs_tiles(int seat);  // 34
void keep_knitted_straight_tiles(int seat);  // 43
void keep_triple_pung_tiles(int seat);  // 50
void keep_concealed_pung_tiles(int seat);  // 51
void keep_pure_triple_chow_tiles(int seat);  // 53
void keep_pure_shifted_pungs_tiles(int seat);  // 54

// Stage 4 keepers, in the planner's order.
void keep_three_suited_terminal_chows_tiles(int seat);  // 48
void keep_four_pure_shifted_chows_tiles(int seat);  // 62
void keep_quadruple_chow_tiles(int seat);  // 65
void keep_four_pure_shifted_pungs_tiles(int seat);  // 66
void keep_big_four_winds_tiles(int seat);  // 73
void keep_big_three_dragons_tiles(int seat);  // 74

// Template keepers of the leftover tiles, in the planner's order.
void keep_leftover_shapes(int seat);  // 27, 33, 34, 35, 43, 47, 49
void keep_leftover_shapes_b(int seat);  // 27, 33, 34, 35, 43, 47, 49
void keep_leftover_pairs(int seat);  // 27, 33, 34, 35, 43, 47, 49
void keep_leftover_pair_a(int seat);  // 27, 33, 34, 35, 43, 47, 49
void keep_pairs_or_chiitoi(int seat);  // 27
void keep_leftover_pair_b(int seat);  // 27, 33, 34, 35, 43, 47, 49

// Choosers, in the planner's order. The flag of the two flush choosers is 1
// for COM3's planner (one more sub-rule for single honours), else 0.
void discard_outside_hand(int seat);  // 23
void discard_all_pungs(int seat);  // 28
void discard_all_types(int seat);  // 30
void discard_half_flush(int seat, int flag);  // 31
void discard_chicken_hand(int seat);  // 40
void discard_reversible_tiles(int seat);  // 41
void discard_all_fives(int seat);  // 52
void discard_full_flush(int seat, int flag);  // 55, 62, 65, 66
void discard_seven_pairs(int seat);  // 56
void discard_greater_honours_knitted(int seat);  // 57
void discard_all_even_pungs(int seat);  // 58
void discard_upper_tiles(int seat);  // 59
void discard_middle_tiles(int seat);  // 60
void discard_lower_tiles(int seat);  // 61
void discard_all_terminals_and_honours(int seat);  // 63
void discard_pure_terminal_chows(int seat);  // 68
void discard_all_honours(int seat);  // 70
void discard_four_concealed_pungs(int seat);  // 71
void discard_all_terminals(int seat);  // 72
void discard_seven_shifted_pairs(int seat);  // 75
void discard_thirteen_orphans(int seat);  // 77
void discard_all_green(int seat);  // 78
void discard_nine_gates(int seat);  // 79


// The numbered generic discard rules of the computer players. Each reads the
// pool (g_ai_work_hand), the seat's concealed hand (g_hand_counts), the
// visible and seen counts, the seat's AI record and its aim, and proposes at
// most one tile through propose_discard, recording its number as the reason
// and which of its tests fired as the sub-code. A rule with a mode records
// mode x 1000 + the test's code.
//
// The planner runs them at every relaxation level, on the pool that level
// leaves, each only while nothing has been proposed, in this order:
//   every level:      50, 51, 52, 53, 54, 20(4), 60(1), 61, 62, 60(0),
//                     10(1), 33(1), 32(1), 35(1), 41, 20(3), 34
//   from level 1 on:  31, 33(0), 32(0), 20(2), 20(1), 10(0), 43, 44, 42,
//                     20(0), 11(0), 12(0), 30
//   every level:      10(1), 11(1), 12(1)
// `strict` 1 runs a rule only for a seat that has an aim and a hand of six
// or more blocks (rules 32, 33 and 35 also need a pair); 0 runs it always.
#pragma once

// ---- Partial shapes: the tile of a two-tile partial that keeps the distance
// to ready, where the tile completing the partial is least live.
void discard_rule_10_edge_partial(int seat, int strict);     // the 1 of 1-2, the 9 of 8-9
void discard_rule_11_terminal_closed(int seat, int strict);  // the 1 of 1-3, the 9 of 7-9
void discard_rule_12_closed_partial(int seat, int strict);   // the outer tile of x, x+2

// ---- Surplus pairs: one pair of a hand holding more pairs than it can use.
// Mode 4 runs alone (an honour pair beside the mixed shifted chows); modes 3
// to 0 run ever more of one list of tests.
void discard_rule_20_surplus_pairs(int seat, int mode);

// ---- Singles beside runs and pairs.
void discard_rule_30_leftover_beside_pairs(int seat);
void discard_rule_31_lone_three_apart(int seat);
void discard_rule_32_closed_on_pair(int seat, int strict);
void discard_rule_33_single_below_pair(int seat, int strict);
void discard_rule_34_spaced_singles(int seat);  // also records 33
void discard_rule_35_long_shape(int seat, int strict);

// ---- Pair shapes, read on the pool with its complete runs set aside.
void discard_rule_41_adjacent_pairs(int seat);
void discard_rule_42_simples_shapes(int seat);
void discard_rule_43_pair_beside_single(int seat);
void discard_rule_44_pair_gap_single(int seat);

// ---- Honours.
void discard_rule_50_dead_honour(int seat);
void discard_rule_51_fourth_honour(int seat);
void discard_rule_52_single_honours(int seat);
void discard_rule_53_single_honour(int seat);
void discard_rule_54_lone_honour_pair(int seat);

// ---- Suited tiles whose runs are dead or that stand alone. Mode 1 of rule
// 60 spares the suit of a one-suit concealed hand and runs only then.
void discard_rule_60_dead_neighbours(int seat, int mode);
void discard_rule_61_dead_terminal(int seat);
void discard_rule_62_dead_two_eight(int seat);

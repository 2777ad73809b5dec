// The selectors of the target script: each judges one pattern for the seat
// and, when the hand fits and the keep test lets it, writes the pattern and
// its variant into the target record. Every selector is called only by the
// target script (target_script.h), which gives the arguments.
#pragma once

// Chow-pattern selectors: the three-chow templates and the alternatives list (selectors_chow.cpp).
void aim_pure_straight(int seat, int level, int mode, int shape, int flag);  // 49
void aim_mixed_triple_chow(int seat, int level, int mode, int shape, int flag, int middle_only);  // 33
void aim_mixed_straight(int seat, int level, int mode, int shape, int flag);  // 35
void aim_mixed_shifted_chows(int seat, int level, int mode, int shape, int flag);  // 27
void aim_pure_shifted_chows(int seat, int level, int shape);  // 47

// Flush-family selectors (selectors_flush.cpp).
void aim_full_flush(int seat, int threshold);  // 55
void aim_half_flush(int seat, int threshold);  // 31
void aim_nine_gates(int seat, int threshold);  // 79
void aim_seven_shifted_pairs(int seat, int threshold);  // 75

// Pung-family selectors (selectors_pung.cpp).
void aim_pure_shifted_pungs(int seat, int level);  // 54
void aim_triple_pung(int seat, int level);  // 50
void aim_mixed_shifted_pungs(int seat, int level);  // 34
void aim_all_pungs(int seat, int level);  // 28
void aim_three_concealed_pungs(int seat);  // 51
void aim_four_concealed_pungs(int seat);  // 71
void aim_four_pure_shifted_pungs(int seat);  // 66
void aim_all_even_pungs(int seat);  // 58

// Honour and terminal selectors (selectors_honour.cpp).
void aim_big_three_dragons(int seat, int level);  // 74
void aim_big_four_winds(int seat, int level);  // 73
void aim_all_terminals(int seat, int mode);  // 72
void aim_all_honours(int seat);  // 70
void aim_all_terminals_and_honours(int seat, int mode);  // 63
void aim_thirteen_orphans(int seat, int need, int knitted_limit);  // 77

// Special-form selectors (selectors_special.cpp).
void aim_greater_honours_knitted(int seat, int threshold);  // 57
void aim_knitted_straight(int seat, int threshold);  // 43
void aim_seven_pairs(int seat, int threshold);  // 56

// Tile-range selectors (selectors_range.cpp; all green and reversible tiles in selectors_tile_list.cpp).
void aim_lower_tiles(int seat, int threshold);  // 61
void aim_middle_tiles(int seat, int threshold);  // 60
void aim_upper_tiles(int seat, int threshold);  // 59
void aim_all_fives(int seat, int level);  // 52
void aim_all_green(int seat);  // 78
void aim_reversible_tiles(int seat, int level);  // 41

// Chow-set selectors (selectors_chow_set.cpp).
void aim_pure_triple_chow(int seat, int threshold);  // 53
void aim_four_pure_shifted_chows(int seat, int threshold);  // 62
void aim_quadruple_chow(int seat, int threshold);  // 65
void aim_pure_terminal_chows(int seat, int threshold);  // 68
void aim_three_suited_terminal_chows(int seat, int threshold);  // 48

// Whole-hand selectors (selectors_whole_hand.cpp).
void aim_all_types(int seat, int level);  // 30
void aim_chicken_hand(int seat);  // 40
void aim_melded_hand(int seat);  // 32

// The outside-hand selector (selectors_outside.cpp).
void aim_outside_hand(int seat, int min_open_calls, int mode);  // 23

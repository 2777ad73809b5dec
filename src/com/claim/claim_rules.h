// The COM claim rules: pung, chow and kong decisions by the seat's target,
// run after the win test while calls are possible. Every rule takes the
// deciding seat, decides through decide_claim (claim_protocol.h) or leaves
// every flag and record as it was, and puts back whatever it tried.
#pragma once

// The chain: the rules below in their fixed order, stopping at the first
// that decides (g_naki_decided).
void run_claim_rules(int seat);

// Simulated calls (claim_simulated.cpp): run before the vetoes, for every target.
void naki_to_get_ready(int seat, int min_points);
void naki_for_better_ready_hand(int seat);

// No aimed pattern, and the fallback that closes the chain (claim_plain.cpp).
void naki_extra_kong(int seat);        // no target
void naki_two_dragon_pungs(int seat);  // no target
void naki_melded_hand(int seat);       // 32, or no target
void naki_fallback(int seat);

// Chow patterns (claim_chow.cpp) and the fixed chow layouts (claim_fixed_chow.cpp).
void naki_chow_patterns(int seat);                // 27, 33, 35, 47, 49
void naki_knitted_straight(int seat);             // 43
void naki_three_suited_terminal_chows(int seat);  // 48
void naki_pure_triple_chow(int seat);             // 53
void naki_four_pure_shifted_chows(int seat);      // 62
void naki_quadruple_chow(int seat);               // 65
void naki_pure_terminal_chows(int seat);          // 68

// Pung patterns (claim_pung.cpp).
void naki_all_pungs(int seat);                  // 28
void naki_mixed_shifted_pungs(int seat);        // 34
void naki_triple_pung(int seat);                // 50
void naki_pure_shifted_pungs(int seat);         // 54
void naki_all_even_pungs(int seat);             // 58
void naki_all_terminals_and_honours(int seat);  // 63
void naki_four_pure_shifted_pungs(int seat);    // 66
void naki_all_honours(int seat);                // 70
void naki_all_terminals(int seat);              // 72

// One suit (claim_one_suit.cpp) and the tile ranges (claim_range.cpp).
void naki_one_suit(int seat);      // 31, 55, 75, 79
void naki_upper_tiles(int seat);   // 59
void naki_middle_tiles(int seat);  // 60
void naki_lower_tiles(int seat);   // 61

// Honours (claim_honour.cpp), tile sets (claim_tile_set.cpp), whole hands
// (claim_whole_hand.cpp) and the outside hand (claim_outside.cpp).
void naki_big_four_winds(int seat);     // 73
void naki_big_three_dragons(int seat);  // 74
void naki_reversible_tiles(int seat);   // 41
void naki_all_green(int seat);          // 78
void naki_all_fives(int seat);          // 52
void naki_chicken_hand(int seat);       // 40
void naki_all_types(int seat);          // 30
void naki_outside_hand(int seat);       // 23

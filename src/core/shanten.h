// Distance to ready: how many tile exchanges a seat's hand, with one slot
// left out, still needs to be ready (0 ready, -1 complete) in each of the
// four hand forms. The results are one shared area, overwritten by each call.
#pragma once

constexpr int kWorstNormal = 8;    // normal form (four sets and a pair)
constexpr int kWorstChiitoi = 6;   // seven pairs
constexpr int kWorstKokushi = 13;  // thirteen orphans
constexpr int kWorstKnitted = 13;  // honours and knitted

extern int g_shanten_normal;   // normal form, knitted straight included; 8 worst
extern int g_shanten_chiitoi;  // seven pairs; 6 worst
extern int g_shanten_kokushi;  // thirteen orphans; 13 worst
extern int g_shanten_knitted;  // honours and knitted; 13 worst, never below -1
extern int g_shanten_blocks;   // blocks (sets, partial sets, pairs, melds) of the chosen normal reading
extern int g_shanten_pairs;    // pairs of that reading

// Evaluates seat 0..3 with hand slot skip_slot 0..13 left out: the free
// tiles of g_hand, the meld count of g_melds, the one-suit table and
// g_visible_counts (a knitted arrangement missing a tile of which all four
// copies are visible is dead). Writes the six results. Before the one-suit
// table is loaded the normal form stays at 8 with 0 blocks and pairs.
void calc_shanten(int seat, int skip_slot);

void reset_shanten_state();

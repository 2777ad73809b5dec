// The shared distance-to-ready area: calc_shanten evaluates one seat's hand
// as it stands on the table and leaves the six results here, overwritten by
// each call. The evaluation itself is core/shanten.h.
#pragma once

#include "core/shanten.h"

// The last evaluation.
extern ShantenResult g_shanten;
inline int& g_shanten_normal = g_shanten.normal;    // normal form, knitted straight included; 8 worst
inline int& g_shanten_chiitoi = g_shanten.chiitoi;  // seven pairs; 6 worst
inline int& g_shanten_kokushi = g_shanten.kokushi;  // thirteen orphans; 13 worst
inline int& g_shanten_knitted = g_shanten.knitted;  // honours and knitted; 13 worst, never below -1
inline int& g_shanten_blocks = g_shanten.blocks;    // blocks (sets, partial sets, pairs, melds) of the chosen normal reading
inline int& g_shanten_pairs = g_shanten.pairs;      // pairs of that reading

// Evaluates seat 0..3 with hand slot skip_slot 0..13 left out: the seat's
// g_hand, the meld count of its g_melds and g_visible_counts.
void calc_shanten(int seat, int skip_slot);

// Scans and pool steps shared by the choosers of the pung, tile-range,
// tile-set and one-suit template patterns. Every scan reads the pool in slot
// order (so the lowest qualifying tile code wins in the ascending pool),
// considers tiles 1..37 only, and judges a tile by the whole hand
// (g_hand_counts, "held n times") and the table (g_visible_counts).
#pragma once

#include "base/ai_record.h"
#include "com/aimed/aimed_protocol.h"
#include "com/hand_terms.h"
#include "com/turn/rule_shapes.h"

constexpr int kMostCopies = 4;

// Least held first: for n = from up to to (by default every count a pool tile
// can have), the first pool tile held n times for which want(tile) holds.
template <class Want>
bool pick_least_held(int seat, int yaku, int subcode, Want&& want, int from = 1, int to = kMostCopies) {
  for (int n = from; n <= to; ++n)
    if (pick_first(seat, yaku, subcode, [&](int tile) { return held(tile) == n && want(tile); })) return true;
  return false;
}

inline bool any_tile(int) { return true; }
inline bool held_once(int tile) { return held(tile) == 1; }
inline bool held_twice(int tile) { return held(tile) == 2; }
inline bool held_four_times(int tile) { return held(tile) == 4; }
inline bool three_visible(int tile) { return seen_by_all(tile) == 3; }
inline bool two_visible(int tile) { return seen_by_all(tile) == 2; }

// Empties every pool slot whose tile 1..37 passes drop(tile).
template <class Drop>
void zero_pool_where(Drop&& drop) {
  for (int& tile : g_ai_work_hand)
    if (is_playing_tile(tile) && drop(tile)) tile = 0;
}

// The whole hand is exactly two kinds held three times and four held twice
// (seven pairs' shape with two of them grown to triples).
bool is_two_triples_four_pairs();

// Leaves the loosest tiles to choose from: with any pool tile held once or
// four times, empties the pool of every tile held twice or more; else, with
// a pair tile left, of the triples; else (triples only) leaves the pool.
void keep_loosest_tiles();

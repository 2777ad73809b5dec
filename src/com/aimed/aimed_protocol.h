// What every keeper and chooser of an aimed pattern shares: the pick of a
// chooser, the most-visible-first scan, and the keeper's need, keep and
// restore steps. All of them work on the planner's pool (g_ai_work_hand),
// consider only tiles 1..37 in it, and read the whole hand through
// g_hand_counts, never through the pool.
#pragma once

#include <array>

#include "com/hand_terms.h"
#include "com/turn/planner_state.h"
#include "com/turn/rule_shapes.h"
#include "core/tiles.h"
#include "base/visible.h"

// ---------------------------------------------------------------- choosers
// Proposes pool slot `slot` for pattern `yaku` with `subcode`; true, so a
// scan can end on it.
bool pick_for(int seat, int slot, int yaku, int subcode);

// The first pool slot holding `tile` (1..37), or -1.
int pool_slot_of(int tile);

// Most visible first: for n = from down to 0, the pool's tiles in slot order
// with exactly n copies visible for which want(tile) holds; the first found
// is proposed. False when none qualifies at any n.
template <class Want>
bool pick_most_visible(int seat, int yaku, int subcode, int from, Want&& want) {
  for (int n = from; n >= 0; --n) {
    for (int slot = 0; slot < kHandSlots; ++slot) {
      const int tile = g_ai_work_hand[slot];
      if (is_playing_tile(tile) && seen_by_all(tile) == n && want(tile)) return pick_for(seat, slot, yaku, subcode);
    }
  }
  return false;
}

// What a rule's test gives for a tile it does not take.
constexpr int kNoCode = -1;

// One scan: the pool's tiles in slot order; the first for which
// code_of(tile) gives a code (not kNoCode) is proposed with that code. A
// scan that names two codes tests both at each slot.
template <class CodeOf>
bool pick_first_coded(int seat, int yaku, CodeOf&& code_of) {
  for (int slot = 0; slot < kHandSlots; ++slot) {
    const int tile = g_ai_work_hand[slot];
    if (!is_playing_tile(tile)) continue;
    const int code = code_of(tile);
    if (code != kNoCode) return pick_for(seat, slot, yaku, code);
  }
  return false;
}

template <class Want>
bool pick_first(int seat, int yaku, int subcode, Want&& want) {
  return pick_first_coded(seat, yaku, [&](int tile) { return want(tile) ? subcode : kNoCode; });
}

// One scan for a shape and its mirror: at each suited tile the shape read
// toward 1 (code_one), then toward 9 (code_nine); shape(tile, side) reads
// its neighbours with side_count.
template <class Shape>
bool pick_either_side(int seat, int yaku, int code_one, int code_nine, Shape&& shape) {
  return pick_first_coded(seat, yaku, [&](int tile) {
    if (!is_suited(tile)) return kNoCode;
    if (shape(tile, kTowardOne)) return code_one;
    return shape(tile, kTowardNine) ? code_nine : kNoCode;
  });
}

// ----------------------------------------------------------------- keepers
// Zeroes the first `copies` pool slots holding `tile` (fewer when the pool
// has fewer); returns how many it zeroed.
int keep_copies(int tile, int copies);

// Per tile code, the copies of it a keeper takes out of the pool.
using TileNeed = KindCounts;
// keep_copies of every tile 1..37 by its need.
void keep_need(const TileNeed& need);

// Ranks r, r+1, r+2 from suited `tile` each counted once or twice in
// `counts` (indexed by tile code), `together` in all; false past the suit.
bool thick_run(const int* counts, int tile, int together);

// What every keeper and chooser of an aimed pattern shares: the pick of a
// chooser, the most-visible-first scan, and the keeper's need, keep and
// restore steps. All of them work on the planner's pool (g_ai_work_hand),
// consider only tiles 1..37 in it, and read the whole hand through
// g_hand_counts, never through the pool.
#pragma once

#include <array>

#include "com/turn/planner_state.h"
#include "core/tiles.h"
#include "base/visible.h"

// ---------------------------------------------------------------- choosers
// Proposes pool slot `slot` for pattern `yaku` with `subcode`; true, so a
// scan can end on it.
bool pick_for(int seat, int slot, int yaku, int subcode);

// The first pool slot holding `tile`, or -1.
int pool_slot_of(int tile);

// Most visible first: for n = from down to 0, the pool's tiles in slot order
// with exactly n copies visible for which want(tile) holds; the first found
// is proposed. False when none qualifies at any n.
template <class Want>
bool pick_most_visible(int seat, int yaku, int subcode, int from, Want&& want) {
  for (int n = from; n >= 0; --n) {
    for (int slot = 0; slot < kHandSlots; ++slot) {
      const int tile = g_ai_work_hand[slot];
      if (is_playing_tile(tile) && g_visible_counts[tile] == n && want(tile)) return pick_for(seat, slot, yaku, subcode);
    }
  }
  return false;
}

// ----------------------------------------------------------------- keepers
// The pool as a keeper found it; give_back_if_emptied() puts it back whole
// when the keeper left no tile 1..37 in it.
class PoolEntryCopy {
 public:
  PoolEntryCopy();
  // True when it put the copy back (the keeper had no effect).
  bool give_back_if_emptied() const;

 private:
  std::array<int, kHandSlots> pool_;
};

// True when the pool still holds a tile 1..37.
bool pool_has_playing_tile();

// Zeroes the first `copies` pool slots holding `tile` (fewer when the pool
// has fewer); returns how many it zeroed.
int keep_copies(int tile, int copies);

// Declared melds of the seat that already supply a needed set: pungs and
// kongs (kind 2 or more) of `tile`, chows (kind 1) whose lowest tile is `tile`.
int declared_pungs_of(int seat, int tile);
int declared_chows_at(int seat, int lowest);

// Shape tests and scan orders shared by the generic discard rules.
//
// Two counts stand side by side in every rule: the pool (the work hand, what
// may still be proposed; counted by count_pool) and the seat's concealed hand
// (g_hand_counts). A shape is always read through count_at, which does not
// care which of the two it is given and never reads past the end of a suit.
//
// A shape is written once, as seen from the end of the suit toward 1 (side
// +1, ranks read upward from the tile). Its mirror toward 9 (side -1) reads
// the same offsets downward and sees rank r as 10 - r.
#pragma once

#include <initializer_list>

#include "com/hand_terms.h"
#include "com/turn/planner_state.h"
#include "core/tiles.h"

// ------------------------------------------------------------- counts
// Rebuilds `counts` (kTileCodes entries) from the pool: tiles 1..37 still in
// it; zeroed slots and flowers are not counted.
void count_pool(int* counts);

// ------------------------------------------------------------- mirrored shapes
constexpr int kTowardOne = 1;
constexpr int kTowardNine = -1;

// The rank of `tile` as a shape read from `side` sees it.
constexpr int side_rank(int tile, int side) { return side > 0 ? rank_of(tile) : 10 - rank_of(tile); }

// The count `offset` ranks from `tile` in the direction of `side`.
constexpr int side_count(const int* counts, int tile, int side, int offset) {
  return count_at(counts, tile, side * offset);
}

// The sub-code of a mirrored pair of shapes.
constexpr int side_code(int side, int toward_one, int toward_nine) { return side > 0 ? toward_one : toward_nine; }

// Wanted values in a run: a count, or one of these.
constexpr int kAnyCount = -1;   // no condition
constexpr int kSomeCount = -2;  // at least one

// True when the counts at offsets first, first+1, ... from `tile`, read
// toward `side`, are as `wanted`. Offsets past the suit read 0, so a 0 there
// always holds: "nothing beside it" needs no rank test of its own.
bool side_run(const int* counts, int tile, int side, int first, const int* wanted, int length);
inline bool side_run(const int* counts, int tile, int side, int first, std::initializer_list<int> wanted) {
  return side_run(counts, tile, side, first, wanted.begin(), static_cast<int>(wanted.size()));
}

// A run of wanted counts as data, for shapes kept in tables.
struct CountRun {
  static constexpr int kMaxLength = 10;
  int first;   // offset of the first wanted count
  int length;  // 0: no condition
  int wanted[kMaxLength];
};
inline bool side_run(const int* counts, int tile, int side, const CountRun& run) {
  return side_run(counts, tile, side, run.first, run.wanted, run.length);
}

// A count of 1 or 4 with nothing one or two ranks away on either side.
bool isolated_in(const int* counts, int tile);

// ---------------------------------------------------------- scan orders
// Tiles 1..37 of the pool in slot order; fn(slot, tile) returns true to stop.
// Returns whether it stopped.
template <class Fn>
bool each_pool_tile(Fn&& fn) {
  for (int slot = 0; slot < kHandSlots; ++slot) {
    const int tile = g_ai_work_hand[slot];
    if (is_playing_tile(tile) && fn(slot, tile)) return true;
  }
  return false;
}

// From the ends of the suits inwards: for d = first..last, the pool's suited
// tiles of rank d+1 or 9-d in slot order, so terminals come first and the
// lower tile wins a tie; fn(slot, tile).
template <class Fn>
bool each_by_distance(int first, int last, Fn&& fn) {
  for (int d = first; d <= last; ++d) {
    const bool stopped = each_pool_tile([&](int slot, int tile) {
      return is_suited(tile) && (rank_of(tile) == d + 1 || rank_of(tile) == 9 - d) && fn(slot, tile);
    });
    if (stopped) return true;
  }
  return false;
}

// As each_by_distance with the side each tile is read from: at distance d a
// tile of rank d+1 is read toward 1 and one of rank 9-d toward 9 (a 5 at d 4
// both ways, toward 1 first); fn(slot, tile, side).
template <class Fn>
bool each_side_by_distance(int first, int last, Fn&& fn) {
  for (int d = first; d <= last; ++d) {
    const bool stopped = each_pool_tile([&](int slot, int tile) {
      return is_suited(tile) && ((rank_of(tile) == d + 1 && fn(slot, tile, kTowardOne)) ||
                                 (rank_of(tile) == 9 - d && fn(slot, tile, kTowardNine)));
    });
    if (stopped) return true;
  }
  return false;
}

// Both sides of one tile, toward 1 first; fn(side).
template <class Fn>
bool each_side(Fn&& fn) {
  return fn(kTowardOne) || fn(kTowardNine);
}

// n = from down to 0: the least live tiles first; fn(n).
template <class Fn>
bool each_count_down(int from, Fn&& fn) {
  for (int n = from; n >= 0; --n)
    if (fn(n)) return true;
  return false;
}

// ---------------------------------------------------------- the seat
// Discarding one tile of this kind keeps the seat's distance to ready.
bool is_neutral(int seat, int tile);

// The pool's suited tiles that keep the seat's distance to ready, in slot
// order; fn(slot, tile).
template <class Fn>
bool each_neutral_suited(int seat, Fn&& fn) {
  return each_pool_tile([&](int slot, int tile) { return is_suited(tile) && is_neutral(seat, tile) && fn(slot, tile); });
}

// The gate of a rule called with strict 1: the seat has an aim and its best
// reading has six or more blocks. Always open with strict 0.
bool strict_allows(int seat, int strict);

int seat_wind(int seat);
int round_wind();
// The seat wind, the round wind and the three dragons.
bool is_value_honour(int seat, int tile);
// A wind that is neither the seat's nor the round's.
bool is_guest_wind(int seat, int tile);

// Of the seat's 14 hand slots (declared melds included), those holding a
// terminal or an honour.
int terminal_honour_slots(int seat);
bool has_declared_meld(int seat);
bool has_honour_meld(int seat);

// The honour held twice when the concealed hand's only honours are that
// pair; 0 otherwise.
int lone_honour_pair();

// Proposes pool slot `slot` as generic rule `reason`; true, so a scan can
// end on it.
bool take(int seat, int slot, int reason, int subcode);
// Proposes the first pool slot holding `tile`; false when none does.
bool take_tile(int seat, int tile, int reason, int subcode);

// What the template leftover rules share: their gate, the count of the
// leftover tiles, and shapes that come in mirrored pairs (one read toward
// rank 1, its mirror toward rank 9, each with its own sub-code).
#pragma once

#include <array>
#include <initializer_list>

#include "com/hand_terms.h"
#include "com/turn/rule_shapes.h"

struct Leftovers {
  KindCounts c;  // per tile code, the copies left in the pool
  int n;                          // tiles 1..37 left
};

// The gate of every template leftover rule: the seat aims at a template
// pattern (with `with_34`, the mixed shifted pungs too) and holds no honour
// exactly once. Then the leftovers, when their number is one of `sizes`
// (an empty list: any number).
bool template_rule_gate(int seat, bool with_34, std::initializer_list<int> sizes, Leftovers& out);

enum class Group { kChow, kPair, kTriplet };
// Takes the lowest group of its kind from the counts; false when there is none.
bool take_lowest(KindCounts& counts, Group group);

constexpr int kNoPairSingle = -99;

// A shape and its mirror. The run is read toward the side from the tile;
// a run position marked kAnyCount may be a pair or a single as
// `pair_single` says: the two ranks from that offset hold one of each.
struct MirroredShape {
  int toward_one;   // sub-code when read toward rank 1
  int toward_nine;  // sub-code of the mirror
  int low, high;    // the tile's rank as the side reads it
  CountRun run;
  int pair_single = kNoPairSingle;
};

// True when the tile fits the shape read toward `side`.
bool fits(const int* counts, int tile, int side, const MirroredShape& shape);

// The first suited pool slot that fits the shape toward 1, or else toward
// 9, and passes `also`(tile); taken with `reason` and the side's sub-code.
template <class Also>
bool take_first_fit(int seat, int reason, const int* counts, const MirroredShape& shape, Also&& also) {
  return each_pool_tile([&](int slot, int tile) {
    return is_suited(tile) && each_side([&](int side) {
             return fits(counts, tile, side, shape) && also(tile) &&
                    take(seat, slot, reason, side_code(side, shape.toward_one, shape.toward_nine));
           });
  });
}
inline bool take_first_fit(int seat, int reason, const int* counts, const MirroredShape& shape) {
  return take_first_fit(seat, reason, counts, shape, [](int) { return true; });
}

// As take_first_fit, the slots in five passes from the ends of the suits
// inwards (ranks 1 and 9, then 2 and 8, ... 5).
bool take_first_fit_by_passes(int seat, int reason, const int* counts, const MirroredShape& shape);

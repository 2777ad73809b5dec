// What the honour and special-form selectors read alike: the best knitted
// arrangement of the hand.
#pragma once

#include <array>
#include <cstdint>

#include "base/ai_record.h"
#include "core/bits.h"
#include "core/tiles.h"
#include "base/visible.h"
#include "com/hand_terms.h"

struct KnittedBest {
  int arrangement = 0;  // 0..5, the first of the best on ties
  int score = 0;        // tiles of the arrangement present among the free tiles
};

// The kinds the hand holds (g_hand_counts) and those with all four copies
// visible, bit t for tile code t.
struct KindMasks {
  std::uint64_t held = 0;
  std::uint64_t dead = 0;
};
inline KindMasks kind_masks() {
  KindMasks k;
  for (int t : kPlayingTiles) {
    k.held |= std::uint64_t{held(t) > 0} << t;
    k.dead |= std::uint64_t{seen_by_all(t) >= 4} << t;
  }
  return k;
}

// Scores every knitted arrangement (its distinct kinds as a mask) by the
// kinds of it the hand holds; an arrangement with `dead_limit` or more of
// its kinds fully visible scores 0.
inline KnittedBest best_knitted(const std::array<std::uint64_t, kKnittedArrangements>& arrangements, int dead_limit,
                                const KindMasks& kinds) {
  KnittedBest best;
  for (int a = 0; a < kKnittedArrangements; ++a) {
    // Dead kinds only ever lower a score to 0: one that could not beat the best is not looked at.
    const int present = bit_count(kinds.held & arrangements[a]);
    if (present <= best.score || bit_count(kinds.dead & arrangements[a]) >= dead_limit) continue;
    best = {a, present};
  }
  return best;
}

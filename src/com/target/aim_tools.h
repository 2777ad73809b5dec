// What the honour and special-form selectors read alike: the best knitted
// arrangement of the hand.
#pragma once

#include <array>
#include <cstddef>

#include "base/ai_record.h"
#include "core/tiles.h"
#include "base/visible.h"
#include "com/hand_terms.h"

struct KnittedBest {
  int arrangement = 0;  // 0..5, the first of the best on ties
  int score = 0;        // tiles of the arrangement present among the free tiles
};

// Scores every knitted arrangement by the kinds of it the hand holds (each
// kind once, g_hand_counts); an arrangement with `dead_limit` or more of its
// kinds fully visible scores 0.
template <std::size_t N>
KnittedBest best_knitted(const std::array<std::array<int, N>, kKnittedArrangements>& arrangements, int dead_limit) {
  KnittedBest best;
  for (int a = 0; a < kKnittedArrangements; ++a) {
    int present = 0;
    int dead = 0;
    for (int t : arrangements[a]) {
      present += held(t) > 0 ? 1 : 0;
      dead += seen_by_all(t) >= 4 ? 1 : 0;
    }
    const int score = dead >= dead_limit ? 0 : present;
    if (score > best.score) best = {a, score};
  }
  return best;
}

// The best planning decomposition of a computer player's concealed tiles:
// every order of five extraction steps (complete chow, pung, pair, two-sided
// partial, closed partial) is tried on the hand, each resulting split being a
// row of PlanBlock codes with its score, and the best row is kept.
// Over values, with the caller's work area.
#pragma once

#include "core/tiles.h"

constexpr int kDecompositionSteps = 5;      // steps per row, one per position 0..4
constexpr int kDecompositionRows = 3125;    // 5^5 step orders

struct Decomposition {
  int sorted_hand[kHandSlots];  // the hand ascending, empty entries last
  // Row r tries at position k the step of digit k of r in base 5 (0 chow, 1
  // pung, 2 pair, 3 two-sided, 4 closed); positions below the meld count are
  // skipped, so a hand with m melds has runs of 5^m identical rows.
  int pick;                         // the first row with the highest score above 0, else 0
  int row[kDecompositionSteps];     // the picked row's blocks in the order taken, 0 past them
  int score;                        // its score: sets 13 (+1 the preferred kind), pair and two-sided 4, closed 3
};

// Fills d for the free tiles of `hand` (any order, 0 empty) with `melds`
// declared melds; prefer_pungs 0: a chow scores 14, 1: a pung does. A pair
// is not taken on a tile with two copies visible, a partial not on waits
// that are all visible.
void search_decompositions(const int (&hand)[kHandSlots], int melds, int prefer_pungs,
                           const int (&visible)[kTileCodes], Decomposition& d);

// Zero in `hand` the first copy of each tile of every complete chow of the
// picked row / the first three copies of every pung of it (returns how many pungs).
void remove_picked_chows(const Decomposition& d, int (&hand)[kHandSlots]);
int remove_picked_pungs(const Decomposition& d, int (&hand)[kHandSlots]);

// The best planning decomposition of a computer player's concealed tiles:
// every order of five extraction steps (complete chow, pung, pair, two-sided
// partial, closed partial) is tried on the work hand, each resulting split is
// kept as a row of PlanBlock codes with its score, and the best row is marked.
#pragma once

#include "com/turn/planner_state.h"
#include "core/tiles.h"

constexpr int kDecompositionSteps = 5;      // steps per row, one per position 0..4
constexpr int kDecompositionRows = 3125;    // 5^5 step orders
constexpr int kDecompositionRowWords = 7;   // entries 0-4 the blocks in the order taken, 5-6 unused

// The search works on the discard planner's pool g_ai_work_hand, reads its
// g_decomposition_prefer_pungs (0: a chow scores 14, 1: a pung does) and
// raises its g_ai_pung_meld_count (planner_state.h).

extern int g_decomp_sorted_hand[kHandSlots];  // the work hand ascending, empty entries last
// Row r tries at position k the step of digit k of r in base 5 (0 chow, 1
// pung, 2 pair, 3 two-sided, 4 closed); positions below the seat's meld count
// are skipped, so a seat with m melds has runs of 5^m identical rows.
extern int g_decompositions[kDecompositionRows][kDecompositionRowWords];
extern int g_decomposition_scores[kDecompositionRows];  // sets 13 (+1 the preferred kind), pair and two-sided 4, closed 3
extern int g_decomposition_pick;  // the first row with the highest score above 0, else 0

// Fills the rows, scores and pick for the seat's work hand and meld count;
// the pair and partial steps read g_visible_counts (a pair is not taken on a
// tile with two copies visible, a partial not on waits that are all visible).
// Leaves the work hand sorted ascending with its empty entries last.
void search_best_decomposition(int seat);

// Zero in the work hand the first copy of each tile of every complete chow
// of the picked row / the first three copies of every pung of it (one more
// in g_ai_pung_meld_count per pung).
void remove_decomposition_chows();
void remove_decomposition_pungs();

void reset_decomposition_state();

// The discard planner's decomposition area: the search of core/decomposition.h
// run on the planner's pool (planner_state.h), its picked row kept for the
// rules that read it.
#pragma once

#include "core/decomposition.h"

extern Decomposition g_decomposition;
inline auto& g_decomp_sorted_hand = g_decomposition.sorted_hand;
inline int& g_decomposition_pick = g_decomposition.pick;
inline auto& g_decomposition_row = g_decomposition.row;
inline int& g_decomposition_score = g_decomposition.score;

// Fills the pick, its row and score for the seat's work hand g_ai_work_hand and
// meld count, reading g_decomposition_prefer_pungs and g_visible_counts.
// Leaves the work hand sorted ascending with its empty entries last.
void search_best_decomposition(int seat);

// The picked row's chows / pungs out of the work hand (one more in
// g_ai_pung_meld_count per pung).
void remove_decomposition_chows();
void remove_decomposition_pungs();

void reset_decomposition_state();

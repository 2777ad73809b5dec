// The discard planner's decomposition area: the search of core/decomposition.h
// run on the planner's pool (planner_state.h), its rows kept for the rules
// that read them.
#pragma once

#include "core/decomposition.h"

extern Decomposition g_decomposition;
inline auto& g_decomp_sorted_hand = g_decomposition.sorted_hand;
inline auto& g_decompositions = g_decomposition.rows;
inline auto& g_decomposition_scores = g_decomposition.scores;
inline int& g_decomposition_pick = g_decomposition.pick;

// Fills the rows, scores and pick for the seat's work hand g_ai_work_hand and
// meld count, reading g_decomposition_prefer_pungs and g_visible_counts.
// Leaves the work hand sorted ascending with its empty entries last.
void search_best_decomposition(int seat);

// The picked row's chows / pungs out of the work hand (one more in
// g_ai_pung_meld_count per pung).
void remove_decomposition_chows();
void remove_decomposition_pungs();

void reset_decomposition_state();

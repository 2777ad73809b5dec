#include "com/turn/planner_decomposition.h"

#include <algorithm>

#include "base/table_state.h"
#include "base/visible.h"
#include "com/turn/planner_state.h"

void search_best_decomposition(int seat) {
  search_decompositions(g_ai_work_hand, declared_melds(seat), g_decomposition_prefer_pungs, g_visible_counts,
                        g_decomposition);
  std::copy(std::begin(g_decomp_sorted_hand), std::end(g_decomp_sorted_hand), g_ai_work_hand);
}

void remove_decomposition_chows() { remove_picked_chows(g_decomposition, g_ai_work_hand); }

void remove_decomposition_pungs() { g_ai_pung_meld_count += remove_picked_pungs(g_decomposition, g_ai_work_hand); }

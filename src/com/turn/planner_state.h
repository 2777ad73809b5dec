// The discard planner's shared state: the pool of tiles a rule may propose
// (the work hand), the candidates proposed so far and the relaxation level.
//
// Every discard rule follows one contract: it reads the pool from slot 0
// upward, skipping zeros; when it fires it proposes exactly one tile with
// propose_discard (which empties that pool slot) and returns. A keeper or a
// filter proposes nothing: it zeroes the pool slots of tiles to keep.
#pragma once

#include "core/tiles.h"

struct PlannerState {
  int work_hand[kHandSlots]{};           // the pool: free tiles ascending, zeros last; 0 = no tile
  int discard_candidates[kHandSlots]{};  // proposed tiles in the order proposed
  int discard_count = 0;                 // number of candidates
  int work_hand_saved[kHandSlots]{};     // the pool after stage 4, restored at every level
  int relax_level = 0;                   // current relaxation level, 0 upward
  int strict_pass = 0;                   // level 7: 1 strict pass, then 0 loose pass
  int pung_meld_count = 0;               // declared pungs and kongs, plus pung blocks removed
  int decomposition_prefer_pungs = 0;    // 0 prefer chows (set at every planner call)
};
extern PlannerState g_planner_state;

inline auto& g_ai_work_hand = g_planner_state.work_hand;
inline auto& g_ai_discard_candidates = g_planner_state.discard_candidates;
inline auto& g_ai_discard_count = g_planner_state.discard_count;
inline auto& g_ai_work_hand_saved = g_planner_state.work_hand_saved;
inline auto& g_ai_relax_level = g_planner_state.relax_level;
inline auto& g_ai_strict_pass = g_planner_state.strict_pass;
inline auto& g_ai_pung_meld_count = g_planner_state.pung_meld_count;
inline auto& g_decomposition_prefer_pungs = g_planner_state.decomposition_prefer_pungs;

// Builds the pool from the seat's hand: free slots (below 100) copied, marked
// slots as 0, sorted ascending with the zeros moved to the end.
void build_work_hand(int seat);

// Proposes the tile in pool slot `pool_slot` as a generic rule `reason` with
// `subcode`: appends it to the candidates, empties the slot, records the reason.
void propose_discard(int seat, int pool_slot, int reason, int subcode);

// Proposes for a pattern rule: records discard_yaku and the subcode, leaves the reason.
void propose_pattern_discard(int seat, int pool_slot, int yaku, int subcode);

// Clears the candidates and the pool.
void reset_planner_state();

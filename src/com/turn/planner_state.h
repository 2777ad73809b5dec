// The discard planner's shared state: the pool of tiles a rule may propose
// (the work hand), the candidates proposed so far and the relaxation level.
//
// Every discard rule follows one contract: it reads the pool from slot 0
// upward, skipping zeros; when it fires it proposes exactly one tile with
// propose_discard (which empties that pool slot) and returns. A keeper or a
// filter proposes nothing: it zeroes the pool slots of tiles to keep.
#pragma once

#include "core/tiles.h"

extern int g_ai_work_hand[kHandSlots];        // the pool: free tiles ascending, zeros last; 0 = no tile
extern int g_ai_discard_candidates[kHandSlots]; // proposed tiles in the order proposed
extern int g_ai_discard_count;                // number of candidates
extern int g_ai_work_hand_saved[kHandSlots];  // the pool after stage 4, restored at every level
extern int g_ai_relax_level;                  // current relaxation level, 0 upward
extern int g_ai_strict_pass;                  // level 7: 1 strict pass, then 0 loose pass
extern int g_ai_pung_meld_count;              // declared pungs and kongs, plus pung blocks removed
extern int g_decomposition_prefer_pungs;      // 0 prefer chows (set at every planner call)

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

// Safety marks against seats with four declared melds, and the final pick
// among the planner's candidates.
#pragma once

#include "core/tiles.h"

struct SafetyState {
  int marks[kSeats][kTileCodes]{};           // [p][t] 1: t cannot complete p's hand; cleared per hand
  int marks_snapshot[kSeats][kTileCodes]{};  // copy taken at each planner start; what the pick reads
};
extern SafetyState g_safety_state;

inline auto& g_safe_marks = g_safety_state.marks;
inline auto& g_safe_marks_snapshot = g_safety_state.marks_snapshot;

// For every seat with four melds, marks safe every tile with three or more
// copies visible (by the visible counts last computed).
void mark_safe_vs_four_melds();

// Visible and seen counts for the deciding seat, and the snapshot of the marks.
void prepare_discard_tables(int seat);

// Moves the chosen candidate into hand slot 13, the rest sorted with empty
// slots last, and starts the slide-in of the river slot it will take.
// Candidates marked safe against more other seats win; among equals the
// last suited tile of rank 1-3 or 7-9; else a random candidate. Candidates
// not held as free tiles are passed over; with none left the highest free
// tile that is not a flower is taken (a flower when only flowers are free)
// and becomes the only candidate.
void pick_discard(int seat);

// Clears the marks (a new hand).
void clear_safe_marks();

void reset_safety_state();

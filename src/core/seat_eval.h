// The per-seat record of the computer players' decisions: why the last
// discard and claim were chosen, and the distance to ready of every possible
// discard, kept up to date by table play through refresh_hand_evaluations.
#pragma once

#include "core/tiles.h"

constexpr int kSyantenForms = 4;  // rows of SeatAiRecord::syanten
enum SyantenForm : int { kSyantenNormal = 0, kSyantenChiitoi = 1, kSyantenKokushi = 2, kSyantenKnitted = 3 };
constexpr int kHaiSyantenEntries = 38;  // tile codes 0..37

struct SeatAiRecord {
  // Why the last discard was chosen (the discard planner writes these).
  int discard_yaku;     // pattern id of the pattern rule involved, 0 none
  int discard_reason;   // code of the generic rule that proposed the tile
  int discard_subcode;  // which test of that rule fired
  int relax_level;      // relaxation level at which the planner stopped
  // Why the last claim was chosen (the claim decision writes these).
  int naki_yaku;
  int naki_reason;
  // Distance to ready (refresh_hand_evaluations writes these).
  int hai_syanten[kHaiSyantenEntries];       // normal form after discarding one tile of that kind; 8 when not held
  int syanten[kSyantenForms][kHandSlots];    // [form][slot] after discarding that slot; worst value for meld slots
  int min_shanten;                           // lowest of each row over the evaluated slots
  int min_shanten_chiitoi;
  int min_shanten_kokushi;
  int min_shanten_knitted;
  int best_blocks;  // blocks of the normal reading of the best discard
  int best_pairs;   // pairs of that reading
};

extern SeatAiRecord g_ai[kSeats];  // one record per seat

// For every seat: the distance of each form after discarding each free slot
// (and the empty slot 13 of a seat between turns: the whole hand), the
// minima, the best discard's reading and the per-kind distances. Judges dead
// knitted arrangements on the table as it stands: g_visible_counts is
// recounted, g_seen_counts is left as it was.
void refresh_hand_evaluations();

// Decision fields 0, distances at their worst values (also the state at start-up).
void reset_seat_eval_state();

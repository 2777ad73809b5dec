// The per-seat record of the computer players' decisions: the distance to
// ready of every possible discard (kept fresh by refresh_hand_evaluations)
// and why the last discard and claim were chosen.
#pragma once

#include "core/tiles.h"

constexpr int kHaiSyantenEntries = 38;  // indexed by tile code 0..37
constexpr int kShantenForms = 4;        // 0 normal, 1 seven pairs, 2 thirteen orphans, 3 honours and knitted

struct SeatAiRecord {
  // Distance to ready, written by refresh_hand_evaluations.
  int hai_syanten[kHaiSyantenEntries];   // normal form after discarding one tile of that kind; 8 when not held
  int syanten[kShantenForms][kHandSlots]; // [form][slot] after discarding that slot
  int min_shanten;                        // lowest of each row over the evaluated slots
  int min_shanten_chiitoi;
  int min_shanten_kokushi;
  int min_shanten_knitted;
  int best_blocks;                        // normal reading of the best discard
  int best_pairs;
  // The last discard decision.
  int discard_yaku;     // pattern id of the pattern rule that last wrote it, 0 none
  int discard_reason;   // number of the generic rule that proposed the tile
  int discard_subcode;  // which test of that rule fired
  int relax_level;      // relaxation level at which the cascade ended
  // The last claim decision.
  int naki_yaku;
  int naki_reason;
};

extern SeatAiRecord AI[kSeats];  // one per seat; seat 0's is the user's advisor

// Per tile code, the copies among the deciding seat's free hand slots (the
// drawn tile included); rebuilt at the start of every COM decision.
extern int g_hand_counts[kTileCodes];

// Rebuilds g_hand_counts from the seat's 14 hand slots holding 1..37.
void count_hand_tiles(int seat);

// ------------------------------------------------------------ the target record
// The scoring pattern each seat aims at, with its variant and the alternative
// chow-pattern targets; chosen by the computer players' target scripts.
constexpr int kChowCandidates = 5;

extern int g_ai_target_yaku[kSeats];     // pattern id the seat aims at; 0 none
extern int g_ai_target_variant[kSeats];  // suit, start tile or template of the aim; 0 where none
extern int g_ai_chow_candidates[kSeats][kChowCandidates];          // further chow-pattern ids (27, 33, 35, 47, 49), 0 free
extern int g_ai_chow_candidate_variants[kSeats][kChowCandidates];  // their variants
extern int g_ai_chow_near_ready[kSeats];  // 1 when a chow-pattern choice was judged near ready

void reset_ai_record_state();

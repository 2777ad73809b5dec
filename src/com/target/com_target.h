// The target record: the scoring pattern each seat aims at, with its variant
// and the alternative chow-pattern targets, and the entry point that
// chooses it.
#pragma once

#include "core/tiles.h"

constexpr int kChowCandidates = 5;

extern int g_ai_target_yaku[kSeats];     // pattern id the seat aims at; 0 none
extern int g_ai_target_variant[kSeats];  // suit, start tile or template of the aim; 0 where none
extern int g_ai_chow_candidates[kSeats][kChowCandidates];          // further chow-pattern ids, 0 free
extern int g_ai_chow_candidate_variants[kSeats][kChowCandidates];  // their variants
extern int g_ai_chow_near_ready[kSeats];  // 1 when a chow-pattern choice was judged near ready

// Rechooses the seat's target from its hand and the visible tiles.
void com_select_target(int seat);
void com_select_target_all_seats();

void reset_com_target_state();

// The per-seat record of the computer players' decisions: the distance to
// ready of every possible discard (kept fresh by refresh_hand_evaluations)
// and why the last discard and claim were chosen.
#pragma once

#include "core/shanten.h"
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

// A fresh record reads as far from ready, never as ready.
constexpr SeatAiRecord kFreshAiRecord = [] {
  SeatAiRecord record{};
  for (int& d : record.hai_syanten) d = kWorstNormal;
  for (int slot = 0; slot < kHandSlots; ++slot) {
    record.syanten[0][slot] = kWorstNormal;
    record.syanten[1][slot] = kWorstChiitoi;
    record.syanten[2][slot] = kWorstKokushi;
    record.syanten[3][slot] = kWorstKnitted;
  }
  record.min_shanten = kWorstNormal;
  record.min_shanten_chiitoi = kWorstChiitoi;
  record.min_shanten_kokushi = kWorstKokushi;
  record.min_shanten_knitted = kWorstKnitted;
  return record;
}();

// ------------------------------------------------------------ the target record
// The scoring pattern each seat aims at, with its variant and the alternative
// chow-pattern targets; chosen by the computer players' target scripts.
constexpr int kChowCandidates = 5;

struct AiRecordState {
  SeatAiRecord seats[kSeats]{kFreshAiRecord, kFreshAiRecord, kFreshAiRecord, kFreshAiRecord};  // seat 0's is the user's advisor
  // Per tile code, the copies among the deciding seat's free hand slots (the
  // drawn tile included); rebuilt at the start of every COM decision.
  int hand_counts[kTileCodes]{};
  // The target record.
  int target_yaku[kSeats]{};     // pattern id the seat aims at; 0 none
  int target_variant[kSeats]{};  // suit, start tile or template of the aim; 0 where none
  int chow_candidates[kSeats][kChowCandidates]{};          // further chow-pattern ids (27, 33, 35, 47, 49), 0 free
  int chow_candidate_variants[kSeats][kChowCandidates]{};  // their variants
  int chow_near_ready[kSeats]{};  // 1 when a chow-pattern choice was judged near ready
};
extern AiRecordState g_ai_record_state;

inline auto& AI = g_ai_record_state.seats;
inline auto& g_hand_counts = g_ai_record_state.hand_counts;
inline auto& g_ai_target_yaku = g_ai_record_state.target_yaku;
inline auto& g_ai_target_variant = g_ai_record_state.target_variant;
inline auto& g_ai_chow_candidates = g_ai_record_state.chow_candidates;
inline auto& g_ai_chow_candidate_variants = g_ai_record_state.chow_candidate_variants;
inline auto& g_ai_chow_near_ready = g_ai_record_state.chow_near_ready;

// Rebuilds g_hand_counts from the seat's 14 hand slots holding 1..37.
void count_hand_tiles(int seat);

// Gives every record above its fresh value.
void reset_ai_record_state();

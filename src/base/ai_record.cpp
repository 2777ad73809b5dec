#include "base/ai_record.h"

#include <cstring>

#include "base/shanten.h"
#include "base/table_state.h"

SeatAiRecord AI[kSeats];
int g_hand_counts[kTileCodes];
int g_ai_target_yaku[kSeats]{};
int g_ai_target_variant[kSeats]{};
int g_ai_chow_candidates[kSeats][kChowCandidates]{};
int g_ai_chow_candidate_variants[kSeats][kChowCandidates]{};
int g_ai_chow_near_ready[kSeats]{};

void count_hand_tiles(int seat) {
  std::memset(g_hand_counts, 0, sizeof g_hand_counts);
  for (int slot : g_hand[seat])
    if (slot >= 1 && slot <= kRed) ++g_hand_counts[slot];
}

void reset_ai_record_state() {
  std::memset(AI, 0, sizeof AI);
  // A fresh record reads as far from ready, never as ready.
  for (SeatAiRecord& record : AI) {
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
  }
  std::memset(g_hand_counts, 0, sizeof g_hand_counts);
}

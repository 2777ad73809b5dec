#include "core/ai_record.h"

#include <cstring>

#include "table/table_state.h"

SeatAiRecord AI[kSeats];
int g_hand_counts[kTileCodes];

void count_hand_tiles(int seat) {
  std::memset(g_hand_counts, 0, sizeof g_hand_counts);
  for (int slot : g_hand[seat])
    if (slot >= 1 && slot <= kRed) ++g_hand_counts[slot];
}

void reset_ai_record_state() {
  std::memset(AI, 0, sizeof AI);
  std::memset(g_hand_counts, 0, sizeof g_hand_counts);
}

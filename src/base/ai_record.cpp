#include "base/ai_record.h"

#include <cstring>

#include "base/table_state.h"

void count_hand_tiles(int seat) {
  std::memset(g_hand_counts, 0, sizeof g_hand_counts);
  for (int slot : g_hand[seat])
    if (slot >= 1 && slot <= kRed) ++g_hand_counts[slot];
}

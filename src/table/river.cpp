#include "table/river.h"

#include "base/table_state.h"

void record_discard(int seat, int tile, int drawn_and_discarded) {
  if (g_discard_history_count[seat] < kRiverCapacity)
    g_discard_history[seat][g_discard_history_count[seat]++] = tile;
  const int entry = g_river_count[seat];
  if (entry >= kRiverCapacity) return;
  g_river[seat][entry] = tile;
  g_river_tsumogiri[seat][entry] = drawn_and_discarded;
  g_river_count[seat] = entry + 1;
}

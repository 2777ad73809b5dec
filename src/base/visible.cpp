#include "base/visible.h"

#include <cstring>

#include "base/table_state.h"

void publish_tile_counts(const TileCounts& c) {
  std::memcpy(g_visible_counts, c.visible, sizeof g_visible_counts);
  std::memcpy(g_seen_counts, c.seen, sizeof g_seen_counts);
}

void count_visible_tiles(int seat) { publish_tile_counts(count_tiles(g_river, g_river_count, g_melds, g_hand[seat], seat)); }

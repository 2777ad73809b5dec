#include "base/visible.h"

#include <cstring>

#include "base/table_state.h"

int g_visible_counts[kTileCodes]{};
int g_seen_counts[kTileCodes]{};

void publish_tile_counts(const TileCounts& c) {
  std::memcpy(g_visible_counts, c.visible, sizeof g_visible_counts);
  std::memcpy(g_seen_counts, c.seen, sizeof g_seen_counts);
}

void count_visible_tiles(int seat) { publish_tile_counts(count_tiles(g_river, g_river_count, g_melds, g_hand[seat], seat)); }

void reset_visible_state() {
  std::memset(g_visible_counts, 0, sizeof g_visible_counts);
  std::memset(g_seen_counts, 0, sizeof g_seen_counts);
}

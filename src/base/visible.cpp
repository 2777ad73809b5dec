#include "base/visible.h"

#include "base/table_state.h"
#include "core/clear.h"

void publish_tile_counts(const TileCounts& c) { copy_small(g_tile_counts, c); }

void count_visible_tiles(int seat) { count_tiles(g_river, g_river_count, g_melds, g_hand[seat], seat, g_tile_counts); }

#include "base/visible.h"

#include "base/table_state.h"
#include "core/clear.h"

void publish_visible_counts(const int (&visible)[kTileCodes], int seat) {
  count_seat(visible, g_hand[seat], g_melds[seat], g_tile_counts);
}

void count_visible_tiles(int seat) { count_tiles(g_river, g_river_count, g_melds, g_hand[seat], seat, g_tile_counts); }

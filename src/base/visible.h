// The shared visible and seen counts that the rules read, rebuilt from the
// table by count_visible_tiles (the counting itself is core/visible.h).
#pragma once

#include "core/visible.h"

extern TileCounts g_tile_counts;
inline auto& g_visible_counts = g_tile_counts.visible;  // of the table as it stands
inline auto& g_seen_counts = g_tile_counts.seen;        // for the seat last counted

// Rebuilds both tables for seat 0..3 from g_river, g_river_count, g_melds
// and that seat's g_hand.
void count_visible_tiles(int seat);

// Both tables for seat 0..3 from the visible counts of the table as it
// stands, made elsewhere (count_visible): what count_visible_tiles leaves.
void publish_visible_counts(const int (&visible)[kTileCodes], int seat);

// Zeroes both tables.
void reset_visible_state();

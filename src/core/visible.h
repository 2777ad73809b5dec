// Visible and seen tile counts: how many copies of each tile everybody can
// see on the table, and how many one seat knows of.
#pragma once

#include "core/tiles.h"

// Per tile code (1-37 used, the rest 0): copies in the four rivers (a discard
// still on offer included; a claimed one is counted in its claimer's meld)
// plus the declared melds of all seats (chow 1 per tile, pung 3, melded or
// added kong 4, concealed kong 0). Rebuilt by count_visible_tiles.
extern int g_visible_counts[kTileCodes];
// Per tile code: g_visible_counts plus the counted seat's free hand tiles
// (all 14 slots) plus 4 per concealed kong of that seat. Not capped at 4:
// a hand put together for a what-if evaluation may exceed it.
extern int g_seen_counts[kTileCodes];

// Rebuilds both tables for seat 0..3 from g_river, g_river_count, g_melds
// and that seat's g_hand.
void count_visible_tiles(int seat);

// Zeroes both tables.
void reset_visible_state();

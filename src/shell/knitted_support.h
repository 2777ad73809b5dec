// The knitted-straight support on the user's hand: the label with the
// number of target tiles held, and the held target tiles to darken.
#pragma once

#include "core/tiles.h"

// While the support is on and the user has at most one declared meld: finds
// the level at which exactly one knitted arrangement qualifies (nine tiles
// held, then fewer down to the lowest level the options allow; an
// arrangement with a missing tile whose four copies g_visible_counts
// shows does not qualify), draws
// the label for it and, at support level 2, sets dark[slot] for the first
// slot holding each held tile of that arrangement. Two or more arrangements
// at one level show the label and darken nothing. `dark` is cleared first.
void draw_knitted_support(bool (&dark)[kHandSlots]);

// Whether a hand can be ready after one discard, told from one distance so
// that the waits searches of every discard are spared when it cannot.
#pragma once

#include "core/tiles.h"

// True when no discard from `hand` (slots 0-12 a seat's hand, slot 13 the
// tile drawn or taken; a declared meld as three marked slots, as the waits
// search reads it) can leave it ready: taking one tile and throwing one
// brings a hand at most one exchange nearer in every form, so slots 0-12
// two or more away in all of them leave the hand at least one away. False
// whenever the distance cannot tell (the one-suit table not loaded, a
// fifth copy, marked slots that are no whole melds).
bool too_far_to_get_ready(const int (&hand)[kHandSlots]);

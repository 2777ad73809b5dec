// Small counting helpers that the flush, tile-range and chow-set selectors
// share: the tiles of the seat's hand slots, and the greedy group counts
// some selectors run on a copy of the free tiles.
#pragma once

#include <array>
#include <initializer_list>

#include "core/tiles.h"
#include "com/hand_terms.h"

// Copies of each tile among all 14 hand slots, declared tiles included
// (three marked slots per meld, a kong's fourth tile not among them).
KindCounts slot_tile_counts(int seat);

// Takes one copy of each of `tiles` from the counts as often as all of them
// are there; returns how many times it took them.
int take_each(KindCounts& counts, std::initializer_list<int> tiles);

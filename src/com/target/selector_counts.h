// Small counting helpers that the flush, tile-range and chow-set selectors
// share: the seat's declared melds, the tiles of its hand slots, and the
// greedy group counts some selectors run on a copy of the free tiles.
#pragma once

#include <array>
#include <initializer_list>

#include "core/tiles.h"

using KindCounts = std::array<int, kTileCodes>;

// Writes the seat's aim: the selector's own pattern and its variant.
void set_aim(int seat, int yaku, int variant);

// No declared meld other than concealed kongs (a concealed kong keeps the hand closed).
bool is_closed_hand(int seat);
// Declared chows of the seat whose lowest tile is `low`.
int chow_melds_of(int seat, int low);

// Copies of each tile among all 14 hand slots, declared tiles included
// (three marked slots per meld, a kong's fourth tile not among them).
KindCounts slot_tile_counts(int seat);
// The free tiles as the script counted them (g_hand_counts).
KindCounts free_tile_counts();

// Takes one copy of each of `tiles` from the counts as often as all of them
// are there; returns how many times it took them.
int take_each(KindCounts& counts, std::initializer_list<int> tiles);

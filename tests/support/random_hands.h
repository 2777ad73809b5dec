// Random hands for the scorer's seeded runs, and an independent reference
// for whether 14 slot values can be read as four sets and a pair.
#pragma once

#include <array>
#include <random>
#include <vector>

#include "support/win_case.h"

// A complete hand: four sets and a pair, some sets declared (chows, pungs,
// melded and concealed kongs), or now and then seven pairs; no tile more
// than four times. The winning tile is one of the free tiles.
WinHand random_complete_hand(std::mt19937& rng);

// Any 14 playing tiles (no more than four of a kind), all free: most are no
// win at all.
std::vector<int> random_tiles(std::mt19937& rng, int count);

// The hand with its suits exchanged: suit s becomes suit perm[s].
WinHand permute_suits(const WinHand& hand, const std::array<int, 3>& perm);

// Count-based reference: can these 14 slot values be split into four sets
// and a pair, with chows of free or called-chow tiles of one marker, pungs
// of anything but called-chow tiles and the pair of free tiles?
bool has_normal_reading(const int* values);

// The 14 slot values a decomposition stands for (a kong's three slots).
std::vector<int> expand_blocks(const int* blocks, int count);

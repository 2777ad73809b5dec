// Distance to ready: how many tile exchanges a hand, with one slot left out,
// still needs to be ready (0 ready, -1 complete) in each of the four hand
// forms. Over values: the hand and the visible counts in, the distances out.
#pragma once

#include "core/tiles.h"

constexpr int kWorstNormal = 8;    // normal form (four sets and a pair)
constexpr int kWorstChiitoi = 6;   // seven pairs
constexpr int kWorstKokushi = 13;  // thirteen orphans
constexpr int kWorstKnitted = 13;  // honours and knitted

struct ShantenResult {
  int normal = kWorstNormal;    // normal form, knitted straight included
  int chiitoi = kWorstChiitoi;  // seven pairs
  int kokushi = kWorstKokushi;  // thirteen orphans
  int knitted = kWorstKnitted;  // honours and knitted; never below -1
  int blocks = 0;               // blocks (sets, partial sets, pairs, melds) of the chosen normal reading
  int pairs = 0;                // pairs of that reading
};

// The free tiles (1..37) of the 14 hand slots except skip_slot, with `melds`
// declared melds; a knitted arrangement missing a tile of which all four
// copies are visible is dead. A hand with a fifth copy of a tile is
// hopeless (every form at its worst). Before the one-suit table is loaded
// the normal form stays at 8 with 0 blocks and pairs.
ShantenResult distance_to_ready(const int (&hand)[kHandSlots], int skip_slot, int melds,
                                const int (&visible)[kTileCodes]);

// distance_to_ready(hand, slot, melds, visible) for every slot that is
// wanted, the tiles counted once for them all.
void distances_by_discard(const int (&hand)[kHandSlots], int melds, const int (&visible)[kTileCodes],
                          const bool (&wanted)[kHandSlots], ShantenResult (&out)[kHandSlots]);

// What the one-suit and tile-range claim rules share: reading the counts
// of one suit around the discard, also in mirror image, and the simulation
// in which each call the rule allows is tried on the seat's hand with the
// tiles its aim has no use for taken out.
#pragma once

#include <array>

#include "core/tiles.h"
#include "com/hand_terms.h"

// Per-tile counts around a suited discard D seen from one side: offset x
// reads D + x, or D - x in the mirror image, and a position outside D's
// suit reads 0 (the tile does not exist; D + 7 for a 4 is no 1 of the next suit).
struct Around {
  const int* counts;  // indexed by tile code
  int discard;
  int dir = 1;        // 1, or -1 for the mirror image

  int operator()(int x) const { return count_at(counts, discard, dir * x); }
  // D's rank as the side reads it (10 - rank in the mirror image).
  constexpr int rank() const { return dir > 0 ? rank_of(discard) : 10 - rank_of(discard); }
};
static_assert(Around{nullptr, 14}.rank() == 4 && Around{nullptr, 14, -1}.rank() == 6);

// A chow shape seen in the mirror image: D highest and D lowest exchange.
constexpr int mirror_shape(int shape) { return 4 - shape; }

// The calls in the order of their reason codes 911, 912, 913 and 920.
enum TrialCall : int { kTrialChowHighest, kTrialChowMiddle, kTrialChowLowest, kTrialPung, kTrialCalls };

// The calls the rule lets the simulation try (the chows only from the left
// neighbour); a call whose tiles the stripped hand lacks is not tried.
using TrialCalls = std::array<bool, kTrialCalls>;

// Per tile code: the free slots holding it are emptied before the trials.
using StrippedTiles = std::array<bool, kTileCodes>;

// The baseline is the normal-form distance of the stripped hand, raised to
// the number of slots emptied. When exactly one allowed call brings the
// stripped hand below it, that call is decided for `motive` (the chows as
// shapes 1, 2, 3 with reasons 911, 912, 913; the pung with 920) and true
// returned. The seat's hand and melds are put back either way.
bool decide_single_improving_call(int seat, int discard, const TrialCalls& allowed, const StrippedTiles& stripped,
                                  int motive);

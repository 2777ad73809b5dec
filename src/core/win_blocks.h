// The blocks that slot values make in a winning reading, and the normal
// reading's search, shared by the readers of core/win_eval.cpp.
#pragma once

#include "core/tiles.h"
#include "core/win_eval.h"

// The set block of three equal slot values, 0 when a called chow's tiles
// would make it: equal tiles of called chows are three chows, not a pung.
constexpr int set_block_of(int value) {
  const int t = tile_of(value);
  switch (marker_of(value)) {
    case kFree: return kWinConcealedPung + t;
    case kPungSlot: return kWinCalledPung + t;
    case kConcealedKongSlot: return kWinConcealedKong + t;
    case kMeldedKongSlot: return kWinMeldedKong + t;
    default: return 0;
  }
}

// The chow block starting at a slot value: free tiles make a concealed
// chow, a called chow's tiles a called one; the tiles of declared pungs and
// kongs never make a chow.
constexpr int chow_block_of(int value) {
  if (!is_suited(tile_of(value))) return 0;
  if (marker_of(value) == kFree) return kWinConcealedChow + tile_of(value);
  if (marker_of(value) == kChowSlot) return kWinCalledChow + tile_of(value);
  return 0;
}

// A pair is made of free tiles only.
constexpr int pair_block_of(int value) { return is_free_slot(value) ? value : 0; }

// Four sets and a pair: every extraction order reads r.hand, and each set
// of blocks that an earlier order did not read is scored in `work`; the
// best total wins, the lowest order on a tie. Fills r.orders, r.blocks,
// r.scorings and r.work_order; false when no order reads the hand, r.blocks
// then left as they were (read_win clears them first).
bool read_normal_form(WinReading& r, const WinContext& ctx, const RuleSwitches& rules, Scoring& work);

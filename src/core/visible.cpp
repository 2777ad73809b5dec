#include "core/visible.h"

#include <cassert>
#include <cstring>

#include "core/clear.h"

namespace {

// The codes that no playing tile has: a multiple of ten, or above the red dragon.
static_assert([] {
  for (int t = 0; t < kTileCodes; ++t)
    if (is_playing_tile(t) != (t % 10 != 0 && t <= kRed)) return false;
  return true;
}());

// Adds one meld to the visible counts and, kSeen, to the seen counts; `own`
// is 1 for the counted seat, whose concealed kong it knows.
template <bool kSeen>
void count_meld(int code, int* visible, int* seen, int own) {
  const int tile = meld_tile(code);
  int shown = 0;
  switch (meld_kind(code)) {
    case kMeldChow:
      for (int k = 0; k < 3; ++k) {
        ++visible[tile + k];
        if constexpr (kSeen) ++seen[tile + k];
      }
      return;
    case kMeldPung:
      shown = 3;
      break;
    case kMeldMeldedKong:
      shown = 4;
      break;
    case kMeldConcealedKong:  // shows nothing
      if constexpr (kSeen) seen[tile] += 4 * own;
      return;
    default:
      return;
  }
  visible[tile] += shown;
  if constexpr (kSeen) seen[tile] += shown;
}

// The rivers and every seat's melds into `visible` and, kSeen, into `seen`
// too, with the concealed kongs of `seat`.
template <bool kSeen>
void count_table(const int (&rivers)[kSeats][kRiverCapacity], const int (&river_counts)[kSeats],
                 const int (&melds)[kSeats][kMeldSlots], int seat, int* visible, int* seen) {
  // The seats unrolled: an empty river or meld row then costs a test, not a loop step.
#pragma GCC unroll 4
  for (int s = 0; s < kSeats; ++s) {
    assert(river_counts[s] >= 0 && river_counts[s] <= kRiverCapacity);
    // The +200 of a discard on offer is dropped; a won-on entry is 0 and shows nothing.
    for (int i = 0; i < river_counts[s]; ++i) {
      if (rivers[s][i] == 0) continue;
      const int t = tile_of(rivers[s][i]);
      ++visible[t];
      if constexpr (kSeen) ++seen[t];
    }
  }
#pragma GCC unroll 4
  for (int s = 0; s < kSeats; ++s) {
    if (!has_melds(melds[s])) continue;
    for (int code : melds[s])
      if (code != 0) count_meld<kSeen>(code, visible, seen, s == seat ? 1 : 0);
  }
}

}  // namespace

void count_visible(const int (&rivers)[kSeats][kRiverCapacity], const int (&river_counts)[kSeats],
                   const int (&melds)[kSeats][kMeldSlots], int (&visible)[kTileCodes]) {
  clear_small(visible);
  count_table<false>(rivers, river_counts, melds, -1, visible, nullptr);
}

// One pass over the table for both counts: no copy of the visible ones.
// Flattened so that the clearing stays a row of stores, not two calls.
[[gnu::flatten]] void count_tiles(const int (&rivers)[kSeats][kRiverCapacity], const int (&river_counts)[kSeats],
                 const int (&melds)[kSeats][kMeldSlots], const int (&hand)[kHandSlots], int seat, TileCounts& c) {
  assert(seat >= 0 && seat < kSeats);
  clear_small(c.visible);
  clear_small(c.seen);
  // Every slot adds one to its code (any other value to code 0) before the
  // table is counted; the codes of no playing tile then go back to 0.
#pragma GCC unroll 14
  for (int v : hand) ++c.seen[static_cast<unsigned>(v) < kTileCodes ? v : kNoTile];
#pragma GCC unroll 5
  for (int t = 0; t < kTileCodes; t += 10) c.seen[t] = 0;  // before each suit, and before the flowers
  std::memset(&c.seen[kRed + 1], 0, (kTileCodes - kRed - 1) * sizeof(int));
  count_table<true>(rivers, river_counts, melds, seat, c.visible, c.seen);
}

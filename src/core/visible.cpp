#include "core/visible.h"

#include <array>
#include <cassert>
#include <cstring>

#include "core/clear.h"

namespace {

// 1 for the codes of the playing tiles.
constexpr auto kPlayingCode = [] {
  std::array<int, kTileCodes> playing{};
  for (int t = 0; t < kTileCodes; ++t) playing[t] = is_playing_tile(t) ? 1 : 0;
  return playing;
}();

void count_meld(int code, int* counts) {
  const int tile = meld_tile(code);
  switch (meld_kind(code)) {
    case kMeldChow:
      for (int k = 0; k < 3; ++k) ++counts[tile + k];
      break;
    case kMeldPung:
      counts[tile] += 3;
      break;
    case kMeldMeldedKong:
      counts[tile] += 4;
      break;
    default:  // a concealed kong shows nothing
      break;
  }
}

}  // namespace

void count_visible(const int (&rivers)[kSeats][kRiverCapacity], const int (&river_counts)[kSeats],
                   const int (&melds)[kSeats][kMeldSlots], int (&visible)[kTileCodes]) {
  clear_small(visible);
  for (int s = 0; s < kSeats; ++s) {
    assert(river_counts[s] >= 0 && river_counts[s] <= kRiverCapacity);
    // The +200 of a discard on offer is dropped; a won-on entry is 0 and shows nothing.
    for (int i = 0; i < river_counts[s]; ++i)
      if (rivers[s][i] != 0) ++visible[tile_of(rivers[s][i])];
  }
  static_assert(kMeldSlots == 4);
  for (const auto& seat_melds : melds) {
    if ((seat_melds[0] | seat_melds[1] | seat_melds[2] | seat_melds[3]) == 0) continue;
    for (int code : seat_melds)
      if (code != 0) count_meld(code, visible);
  }
}

void count_tiles(const int (&rivers)[kSeats][kRiverCapacity], const int (&river_counts)[kSeats],
                 const int (&melds)[kSeats][kMeldSlots], const int (&hand)[kHandSlots], int seat, TileCounts& c) {
  assert(seat >= 0 && seat < kSeats);
  count_visible(rivers, river_counts, melds, c.visible);
  copy_small(c.seen, c.visible);
  // Without a branch per slot: a slot that holds no free playing tile adds 0.
  for (int v : hand) {
    const int t = static_cast<unsigned>(v) < kTileCodes ? v : kNoTile;
    c.seen[t] += kPlayingCode[t];
  }
  for (int code : melds[seat])
    if (code != 0 && meld_kind(code) == kMeldConcealedKong) c.seen[meld_tile(code)] += 4;
}

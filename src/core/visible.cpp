#include "core/visible.h"

#include <cassert>
#include <cstring>

#include "base/table_state.h"

int g_visible_counts[kTileCodes]{};
int g_seen_counts[kTileCodes]{};

namespace {

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

void count_visible_tiles(int seat) {
  assert(seat >= 0 && seat < kSeats);
  std::memset(g_visible_counts, 0, sizeof g_visible_counts);
  for (int s = 0; s < kSeats; ++s) {
    assert(g_river_count[s] >= 0 && g_river_count[s] <= kRiverCapacity);
    // The +200 of a discard on offer is dropped; a won-on entry is 0 and shows nothing.
    for (int i = 0; i < g_river_count[s]; ++i)
      if (g_river[s][i] != 0) ++g_visible_counts[tile_of(g_river[s][i])];
    for (int code : g_melds[s])
      if (code != 0) count_meld(code, g_visible_counts);
  }

  std::memcpy(g_seen_counts, g_visible_counts, sizeof g_seen_counts);
  for (int v : g_hand[seat])
    if (is_playing_tile(v)) ++g_seen_counts[v];
  for (int code : g_melds[seat])
    if (code != 0 && meld_kind(code) == kMeldConcealedKong) g_seen_counts[meld_tile(code)] += 4;
}

void reset_visible_state() {
  std::memset(g_visible_counts, 0, sizeof g_visible_counts);
  std::memset(g_seen_counts, 0, sizeof g_seen_counts);
}

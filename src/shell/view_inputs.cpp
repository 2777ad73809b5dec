#include "shell/view_inputs.h"

#include <algorithm>

#include "table/table_state.h"

ShownPattern g_view_yaku[kYakuCount];
int g_view_aim_yaku[kAimSlots];
int g_view_aim_variant[kAimSlots];

bool pattern_found(int id) { return g_view_yaku[id].found != 0; }
int pattern_points(int id) { return g_view_yaku[id].points; }

int aimed_yaku(int slot) { return g_view_aim_yaku[slot]; }
int aimed_variant(int slot) { return g_view_aim_variant[slot]; }

namespace {

int copies_in_meld(int meld, int tile) {
  const int first = meld_tile(meld);
  switch (meld_kind(meld)) {
    case kMeldChow: return tile >= first && tile <= first + 2 ? 1 : 0;
    case kMeldPung: return tile == first ? 3 : 0;
    case kMeldMeldedKong: return tile == first ? 4 : 0;
    default: return 0;
  }
}

}  // namespace

int visible_copies(int tile) {
  int count = 0;
  for (int seat = 0; seat < kSeats; ++seat) {
    for (int i = 0; i < g_river_count[seat]; ++i) count += tile_of(g_river[seat][i]) == tile ? 1 : 0;
    for (int meld : g_melds[seat])
      if (meld != 0) count += copies_in_meld(meld, tile);
  }
  return count;
}

void reset_view_inputs_state() {
  std::fill(std::begin(g_view_yaku), std::end(g_view_yaku), ShownPattern{});
  std::fill(std::begin(g_view_aim_yaku), std::end(g_view_aim_yaku), 0);
  std::fill(std::begin(g_view_aim_variant), std::end(g_view_aim_variant), 0);
}

#include "com/target/selector_counts.h"

#include <algorithm>

#include "com/target/com_target.h"
#include "base/ai_record.h"
#include "base/table_state.h"

void set_aim(int seat, int yaku, int variant) {
  g_ai_target_yaku[seat] = yaku;
  g_ai_target_variant[seat] = variant;
}

bool is_closed_hand(int seat) { return std::none_of(g_melds[seat], g_melds[seat] + kMeldSlots, is_open_meld); }

int chow_melds_of(int seat, int low) {
  return static_cast<int>(std::count_if(g_melds[seat], g_melds[seat] + kMeldSlots, [low](int code) {
    return code != 0 && meld_kind(code) == kMeldChow && meld_tile(code) == low;
  }));
}

KindCounts slot_tile_counts(int seat) {
  KindCounts counts{};
  for (int slot : g_hand[seat])
    if (slot != 0) ++counts[tile_of(slot)];
  return counts;
}

KindCounts free_tile_counts() {
  KindCounts counts{};
  std::copy(g_hand_counts, g_hand_counts + kTileCodes, counts.begin());
  return counts;
}

int take_each(KindCounts& counts, std::initializer_list<int> tiles) {
  int taken = 0;
  while (std::all_of(tiles.begin(), tiles.end(), [&](int t) { return counts[t] >= 1; })) {
    for (int t : tiles) --counts[t];
    ++taken;
  }
  return taken;
}

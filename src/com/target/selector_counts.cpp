#include "com/target/selector_counts.h"

#include <algorithm>

#include "com/hand_terms.h"
#include "com/target/com_target.h"
#include "base/ai_record.h"
#include "base/table_state.h"

KindCounts slot_tile_counts(int seat) {
  KindCounts counts{};
  for (int slot : g_hand[seat])
    if (slot != 0) ++counts[tile_of(slot)];
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

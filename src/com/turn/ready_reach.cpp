#include "com/turn/ready_reach.h"

#include <algorithm>

#include "com/hand_terms.h"
#include "core/hai_table.h"
#include "core/shanten.h"

bool too_far_to_get_ready(const int (&hand)[kHandSlots]) {
  if (g_hai_table_loaded != 1) return false;
  KindCounts counts{};
  int marked = 0;
  for (int v : hand) {
    if (is_playing_tile(v) && ++counts[v] > 4) return false;
    if (v >= 100) ++marked;
  }
  if (marked % 3 != 0) return false;
  const int nowhere[kTileCodes] = {};  // no arrangement judged dead: the waits search knows none
  const ShantenResult r = distance_to_ready(hand, kDrawSlot, marked / 3, nowhere);
  return std::min({r.normal, r.chiitoi, r.kokushi, r.knitted}) >= 2;
}

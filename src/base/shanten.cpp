#include "base/shanten.h"

#include <cassert>

#include "base/table_state.h"
#include "base/visible.h"

void calc_shanten(int seat, int skip_slot) {
  assert(seat >= 0 && seat < kSeats);
  g_shanten = distance_to_ready(g_hand[seat], skip_slot, declared_melds(seat), g_visible_counts);
}

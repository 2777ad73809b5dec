#include "com/aimed/aimed_protocol.h"

#include <algorithm>

#include "base/table_state.h"
#include "com/aimed/aimed_rules.h"
#include "com/target/com_target.h"
#include "com/turn/rule_shapes.h"

bool pick_for(int seat, int slot, int yaku, int subcode) {
  propose_pattern_discard(seat, slot, yaku, subcode);
  return true;
}

int pool_slot_of(int tile) {
  if (!is_playing_tile(tile)) return -1;  // an empty slot or a flower is never a pick
  for (int slot = 0; slot < kHandSlots; ++slot)
    if (g_ai_work_hand[slot] == tile) return slot;
  return -1;
}

int keep_copies(int tile, int copies) {
  int kept = 0;
  for (int slot = 0; slot < kHandSlots && kept < copies; ++slot) {
    if (g_ai_work_hand[slot] != tile || !is_playing_tile(tile)) continue;
    g_ai_work_hand[slot] = 0;
    ++kept;
  }
  return kept;
}

void keep_need(const TileNeed& need) {
  for (int tile : kPlayingTiles) keep_copies(tile, need[tile]);
}

bool thick_run(const int* counts, int tile, int together) {
  int sum = 0;
  for (int k = 0; k < 3; ++k) {
    const int n = count_at(counts, tile, k);
    if (n < 1 || n > 2) return false;
    sum += n;
  }
  return sum == together;
}


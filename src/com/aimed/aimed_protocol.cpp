#include "com/aimed/aimed_protocol.h"

#include <algorithm>

#include "com/aimed/aimed_rules.h"
#include "com/target/com_target.h"
#include "base/table_state.h"

bool pick_for(int seat, int slot, int yaku, int subcode) {
  propose_pattern_discard(seat, slot, yaku, subcode);
  return true;
}

int pool_slot_of(int tile) {
  for (int slot = 0; slot < kHandSlots; ++slot)
    if (g_ai_work_hand[slot] == tile) return slot;
  return -1;
}

PoolEntryCopy::PoolEntryCopy() { std::copy(g_ai_work_hand, g_ai_work_hand + kHandSlots, pool_.begin()); }

bool PoolEntryCopy::give_back_if_emptied() const {
  if (pool_has_playing_tile()) return false;
  std::copy(pool_.begin(), pool_.end(), g_ai_work_hand);
  return true;
}

bool pool_has_playing_tile() {
  return std::any_of(g_ai_work_hand, g_ai_work_hand + kHandSlots, [](int tile) { return is_playing_tile(tile); });
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

namespace {
int count_melds(int seat, bool (*matches)(int code, int tile), int tile) {
  int n = 0;
  for (int code : g_melds[seat])
    if (code != 0 && matches(code, tile)) ++n;
  return n;
}
}  // namespace

int declared_pungs_of(int seat, int tile) {
  return count_melds(seat, [](int code, int t) { return meld_kind(code) >= 2 && meld_tile(code) == t; }, tile);
}

int declared_chows_at(int seat, int lowest) {
  return count_melds(seat, [](int code, int t) { return meld_kind(code) == 1 && meld_tile(code) == t; }, lowest);
}

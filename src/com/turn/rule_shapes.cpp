#include "com/turn/rule_shapes.h"

#include <cassert>
#include <cstring>

#include "base/ai_record.h"
#include "base/table_state.h"
#include "com/hand_terms.h"
#include "com/turn/rule_target.h"

void count_pool(int* counts) {
  std::memset(counts, 0, kTileCodes * sizeof *counts);
  for (int tile : g_ai_work_hand)
    if (is_playing_tile(tile)) ++counts[tile];
}

bool side_run(const int* counts, int tile, int side, int first, const int* wanted, int length) {
  for (int i = 0; i < length; ++i) {
    const int want = wanted[i];
    const int have = side_count(counts, tile, side, first + i);
    if (want == kAnyCount) continue;
    if (want == kSomeCount ? have == 0 : have != want) return false;
  }
  return true;
}

bool isolated_in(const int* counts, int tile) {
  return counts[tile] % 3 == 1 && side_run(counts, tile, kTowardOne, -2, {0, 0, kAnyCount, 0, 0});
}

bool is_neutral(int seat, int tile) {
  assert(is_playing_tile(tile));
  return AI[seat].hai_syanten[tile] == AI[seat].min_shanten;
}

bool strict_allows(int seat, int strict) {
  return strict == 0 || (AI[seat].best_blocks >= 6 && rule_target(seat).yaku != 0);
}

int seat_wind(int seat) { return seat_wind_tile(seat, g_dealer); }

int round_wind() { return kEast + g_round_wind; }

bool is_value_honour(int seat, int tile) {
  return is_dragon(tile) || tile == seat_wind(seat) || tile == round_wind();
}

bool is_guest_wind(int seat, int tile) {
  return is_wind(tile) && tile != seat_wind(seat) && tile != round_wind();
}

int terminal_honour_slots(int seat) {
  int count = 0;
  for (int slot : g_hand[seat]) {
    const int tile = tile_of(slot);
    if (is_terminal_or_honour(tile)) ++count;
  }
  return count;
}

bool has_declared_meld(int seat) {
  for (int code : g_melds[seat])
    if (code != 0) return true;
  return false;
}

bool has_honour_meld(int seat) {
  for (int code : g_melds[seat])
    if (code != 0 && is_honour(meld_tile(code))) return true;
  return false;
}

int lone_honour_pair() {
  int total = 0;
  int pair = 0;
  for (int tile = kEast; tile <= kRed; ++tile) {
    total += held(tile);
    if (held(tile) == 2) pair = tile;
  }
  return total == 2 ? pair : 0;
}

bool take(int seat, int slot, int reason, int subcode) {
  propose_discard(seat, slot, reason, subcode);
  return true;
}

bool take_tile(int seat, int tile, int reason, int subcode) {
  for (int slot = 0; slot < kHandSlots; ++slot)
    if (g_ai_work_hand[slot] == tile) return take(seat, slot, reason, subcode);
  return false;
}

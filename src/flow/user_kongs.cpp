#include "flow/user_kongs.h"

#include <algorithm>
#include <cassert>

#include "base/scene_state.h"
#include "base/scenes.h"
#include "base/table_state.h"
#include "core/tiles.h"
#include "table/claim_actions.h"
#include "table/kong_actions.h"
#include "table/shout.h"

namespace {

constexpr int kUser = 0;

int pung_meld_of(int tile) {
  for (int i = 0; i < kMeldSlots; ++i)
    if (g_melds[kUser][i] != 0 && meld_kind(g_melds[kUser][i]) == kMeldPung && meld_tile(g_melds[kUser][i]) == tile)
      return i;
  return -1;
}

int first_slot_holding(int slot_value) {
  const int* slot = std::find(std::begin(g_hand[kUser]), std::end(g_hand[kUser]), slot_value);
  assert(slot != std::end(g_hand[kUser]));
  return static_cast<int>(slot - g_hand[kUser]);
}

void enter_user_kong_scene() {
  g_scene = kong_draw_scene(kUser);
  g_scene_frame = 0;
  g_popup_open = 0;
  g_kong_draw_flag = 1;
}

// The free copy gives way to the tile of slot 13, the pung slots become the kong's.
void add_to_pung(int tile, int entry) {
  g_melds[kUser][entry] += kAddedKongStep;
  g_hand[kUser][first_slot_holding(tile)] = g_hand[kUser][kDrawSlot];
  g_hand[kUser][kDrawSlot] = 0;
  for (int i = 0; i < kDrawSlot; ++i)
    if (g_hand[kUser][i] == make_slot(tile, kPungSlot)) g_hand[kUser][i] = make_slot(tile, kMeldedKongSlot);
  std::sort(g_hand[kUser], g_hand[kUser] + kDrawSlot);
  g_kong_tile = tile + 100 * entry;
  enter_user_kong_scene();
  check_robbing_kan(kUser);
}

// Four free copies: one leaves the hand, the other three stand for the kong;
// slot 13 waits for the replacement.
void conceal(int tile) {
  int* hand = g_hand[kUser];
  hand[first_slot_holding(tile)] = 0;
  for (int i = 0; i < kHandSlots; ++i)
    if (hand[i] == tile) hand[i] = make_slot(tile, kConcealedKongSlot);
  std::sort(hand, hand + kHandSlots);
  std::copy(hand + 1, hand + kHandSlots, hand);
  hand[kDrawSlot] = 0;
  const int entry = declare_meld(kUser, make_meld(1, kMeldConcealedKong, tile));
  g_kong_tile = tile + 100 * entry;
  enter_user_kong_scene();
  clear_robbing_flags();
}

}  // namespace

int find_user_kan_candidates() {
  std::fill(std::begin(g_kan_candidates), std::end(g_kan_candidates), 0);
  int tiles[kHandSlots];
  int count = 0;
  for (int slot : g_hand[kUser])
    if (slot != 0 && (marker_of(slot) == kFree || marker_of(slot) == kPungSlot)) tiles[count++] = tile_of(slot);
  int found = 0;
  for (int i = 0; i < count && found < 3; ++i)
    if (std::count(tiles + i, tiles + count, tiles[i]) == 4) g_kan_candidates[found++] = tiles[i];
  return found;
}

void do_user_kan() {
  if (g_wall_count == 0) return;
  const int candidates = find_user_kan_candidates();
  if (candidates == 1) {
    declare_user_kan(g_kan_candidates[0]);
  } else if (candidates > 1) {
    g_kan_choice = 0;
    g_popup_open = 0;
    g_scene = SCENE_USER_KONG_CHOICE;
    g_scene_frame = 0;
  }
}

void declare_user_kan(int tile) {
  if (const int entry = pung_meld_of(tile); entry >= 0)
    add_to_pung(tile, entry);
  else
    conceal(tile);
  // The user's kongs are not counted among the calls.
  shout(kUser, VOICE_KAN);
}

#include "flow/claim_offers.h"

#include <algorithm>

#include "base/options.h"
#include "base/scene_state.h"
#include "base/scenes.h"
#include "base/sound.h"
#include "base/table_state.h"
#include "core/tiles.h"
#include "table/claim_actions.h"
#include "table/win_test.h"

namespace {

int first_free_slot_of(int seat, int tile) {
  for (int i = 0; i < kDrawSlot; ++i)
    if (g_hand[seat][i] == tile) return i;
  return -1;
}

bool any_com_flag(int flag) {
  for (int seat = 1; seat < kSeats; ++seat)
    if (g_naki_flags[seat][flag] == 1) return true;
  return false;
}

// Flowers in hand can leave no room for another meld's tiles.
bool flowers_block_calls(int seat) {
  const int flowers = static_cast<int>(
      std::count_if(std::begin(g_hand[seat]), std::end(g_hand[seat]), [](int slot) { return is_flower(slot); }));
  return (g_melds[seat][0] != 0 && flowers >= 7) || (g_melds[seat][1] != 0 && flowers >= 4) ||
         (g_melds[seat][2] != 0 && flowers >= 1);
}

void find_chow_shapes(int seat, int tile) {
  std::fill(std::begin(g_chi_shapes), std::end(g_chi_shapes), 0);
  for (int variant : {3, 2, 1}) {
    if (!chow_shape_possible(seat, tile, variant)) continue;
    g_chi_shapes[variant - 1] = 1;
    g_chi_positions[0] = first_free_slot_of(seat, chow_partner(tile, variant, 0));
    g_chi_positions[1] = first_free_slot_of(seat, chow_partner(tile, variant, 1));
  }
}

// A COM seat's claim that comes first withholds the offer.
bool com_claim_comes_first(int discarder) {
  const int* rows = g_user_naki_options;
  const bool calls = rows[kPungFlag] == 1 || rows[kChowFlag] == 1 || rows[kKongFlag] == 1;
  if (rows[kWinFlag] == 0 && rows[kPungFlag] == 0 && rows[kKongFlag] == 0 && rows[kChowFlag] == 1)
    return any_com_flag(kWinFlag) || any_com_flag(kPungFlag) || any_com_flag(kKongFlag);
  if (rows[kWinFlag] == 0) return calls && any_com_flag(kWinFlag);
  if (discarder == 1) return g_naki_flags[2][kWinFlag] == 1 || g_naki_flags[3][kWinFlag] == 1;
  if (discarder == 2) return g_naki_flags[3][kWinFlag] == 1;
  return false;
}

}  // namespace

int free_copies(int seat, int tile, int last_slot) {
  return static_cast<int>(std::count(g_hand[seat], g_hand[seat] + last_slot + 1, tile));
}

bool chow_shape_possible(int seat, int tile, int variant) {
  if (!is_suited(tile) || variant < 1 || variant > 3) return false;
  const int rank = rank_of(tile);
  if (rank + variant < 4 || rank + variant > 10) return false;  // the run must stay within 1..9
  return free_copies(seat, chow_partner(tile, variant, 0), kDrawSlot - 1) >= 1 &&
         free_copies(seat, chow_partner(tile, variant, 1), kDrawSlot - 1) >= 1;
}

void recheck_naki_flags() {
  const int tile = latest_discard_tile();
  for (int seat = 0; seat < kSeats; ++seat) {
    int* flags = g_naki_flags[seat];
    if (flags[kPungFlag] == 1 && free_copies(seat, tile, kDrawSlot) < 2) flags[kPungFlag] = 0;
    if (flags[kChowFlag] == 1 && !chow_shape_possible(seat, tile, g_chi_variant[seat])) flags[kChowFlag] = 0;
    if (flags[kKongFlag] == 1 && free_copies(seat, tile, kDrawSlot) < 3) flags[kKongFlag] = 0;
  }
}

void find_user_naki_options(int seat, int discarder) {
  int* rows = g_user_naki_options;
  std::fill(rows, rows + 4, 0);
  if (g_seat_state[seat].false_win == 1) return;
  const int tile = latest_discard_tile();
  const int points = win_points_with(seat, tile, 1);
  if (points != kNotAWait && (option_on(opt_false_win) || points >= kMinimumWinPoints)) rows[kWinFlag] = 1;
  if (g_wall_count > 0) {
    rows[kPungFlag] = free_copies(seat, tile, kDrawSlot - 1) >= 2 ? 1 : 0;
    if (discarder == 3 && is_suited(tile)) {
      find_chow_shapes(seat, tile);
      rows[kChowFlag] = std::any_of(std::begin(g_chi_shapes), std::end(g_chi_shapes), [](int s) { return s == 1; });
    }
    rows[kKongFlag] = free_copies(seat, tile, kDrawSlot - 1) == 3 ? 1 : 0;
  }
  if (flowers_block_calls(seat)) rows[kPungFlag] = rows[kChowFlag] = rows[kKongFlag] = 0;
  if (std::none_of(rows, rows + 4, [](int r) { return r == 1; }) || com_claim_comes_first(discarder)) return;
  g_scene = SCENE_USER_CLAIM;
  g_scene_frame = 0;
  g_popup_open = 0;
  g_river[discarder][g_river_count[discarder] - 1] = tile + kOfferMark;
  request_se(SE_NAKI);
}

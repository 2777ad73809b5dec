// The user's panels and choices during a hand: the claim and robbing panels,
// the kong and chow choices, and the result screens that close the hand.
#include <algorithm>

#include "base/options.h"
#include "base/scene_state.h"
#include "base/scenes.h"
#include "base/sound.h"
#include "base/table_state.h"
#include "com/turn/advisor.h"
#include "core/tiles.h"
#include "flow/claim_offers.h"
#include "flow/hand_end.h"
#include "flow/match_stats.h"
#include "flow/result.h"
#include "flow/user_kongs.h"
#include "shell/input_front_end.h"
#include "shell/play_input.h"
#include "table/claim_actions.h"

namespace {

constexpr int kPanelRows = 4;

// The declined discard goes back to its plain look.
void drop_offer_mark() {
  const int count = g_river_count[g_discarder];
  if (count < 1) return;
  int& entry = g_river[g_discarder][count - 1];
  if (entry >= kOfferMark) entry -= kOfferMark;
}

bool pointer_on_slot_holding(int slot, int slot_value) {
  if (g_hand[0][slot] != slot_value) return false;
  const HitBox box = slot == kDrawSlot ? drawn_tile_box() : hand_slot_box(slot);
  return box.contains(g_mouse_x, g_mouse_y);
}

// The kong candidate (1..3) whose free tile is under the pointer, 0 for none.
int kong_candidate_under_pointer() {
  int found = 0;
  for (int c = 0; c < 3; ++c)
    for (int slot = 0; slot < kHandSlots; ++slot)
      if (g_kan_candidates[c] != 0 && pointer_on_slot_holding(slot, g_kan_candidates[c])) found = c + 1;
  return found;
}

// The pointer on a slot 0..12 holding the free tile.
bool pointer_on_free_tile(int tile) {
  for (int slot = 0; slot < kDrawSlot; ++slot)
    if (pointer_on_slot_holding(slot, tile)) return true;
  return false;
}

int first_free_slot_of(int tile) {
  for (int slot = 0; slot < kDrawSlot; ++slot)
    if (g_hand[0][slot] == tile) return slot;
  return -1;
}

int hovered_enabled_panel_row() {
  const int k = g_popup_hover;
  return k >= 1 && k <= kPanelRows && g_user_naki_options[k - 1] == 1 ? k : 0;
}

}  // namespace

// ------------------------------------------------------------ claim panels

void hover_claim_panel() {
  g_pick = 0;
  g_popup_hover = 0;
  for (int k = 1; k <= kPanelRows; ++k)
    if (claim_panel_row_box(g_popup_x, g_popup_y, k).contains(g_mouse_x, g_mouse_y)) g_popup_hover = k;
}

void click_claim_panel() {
  if (g_popup_open == 1) {
    const int k = hovered_enabled_panel_row();
    if (k == 0) return;
    g_naki_flags[0][k - 1] = 1;
    g_popup_open = 0;
    g_scene = g_return_scene;
    return;
  }
  g_user_action = 0;
  g_shown_points = 0;
  g_scene = g_return_scene;
  drop_offer_mark();
}

void click_robbing_panel() {
  g_user_action = 0;
  g_shown_points = 0;
  if (g_popup_open == 0) {
    g_scene = g_return_scene;
  } else if (hovered_enabled_panel_row() != 0) {
    g_popup_open = 0;
    g_scene = g_return_scene;
    g_robbing_flags[0] = 1;
  }
}

void toggle_claim_panel() {
  if (g_popup_open == 1) {
    g_popup_open = 0;
  } else {
    open_popup_at_pointer(kClaimPanelHalfHeight, kClaimPanelMaxY);
    hover_claim_panel();
  }
}

// ------------------------------------------------------------ kong choice

void hover_kong_choice() { g_kan_choice = kong_candidate_under_pointer(); }

void click_kong_choice() {
  if (g_kan_choice < 1 || g_kan_choice > 3) return;
  declare_user_kan(g_kan_candidates[g_kan_choice - 1]);
}

// Back to the turn; the claim advisor's hint is renewed on the discard still
// on the table (none before the hand's first discard).
void leave_kong_choice() {
  g_scene = SCENE_SEAT0_TURN;
  g_popup_open = 0;
  if (g_river_count[g_discarder] > 0) advise_user_claim(latest_discard_tile());
}

// ------------------------------------------------------------ chow choice

void hover_chow_choice() {
  g_chi_variant[0] = 0;
  const int tile = latest_discard_tile();
  for (int variant = 1; variant <= 3 && g_chi_variant[0] == 0; ++variant) {
    const int low = chow_partner(tile, variant, 0);
    const int high = chow_partner(tile, variant, 1);
    if (g_chi_shapes[variant - 1] != 1 || !(pointer_on_free_tile(low) || pointer_on_free_tile(high))) continue;
    g_chi_variant[0] = variant;
    g_chi_positions[0] = first_free_slot_of(low);
    g_chi_positions[1] = first_free_slot_of(high);
  }
  // The copy pointed at is the one used.
  const int pointed = user_slot_under(g_mouse_x, g_mouse_y, [](int slot) { return slot < kDrawSlot; });
  if (pointed < 0) return;
  for (int& position : g_chi_positions)
    if (position >= 0 && position < kHandSlots && g_hand[0][position] == g_hand[0][pointed]) position = pointed;
}

void click_chow_choice() {
  if (g_chi_variant[0] >= 1 && g_chi_variant[0] <= 3) do_chi(0, g_chi_variant[0]);
}

// Back to the claim panel, closed, as it stood after the discard of seat 3:
// the claims are checked again from the first win check, the advisor's hint
// renewed.
void leave_chow_choice() {
  g_scene = SCENE_USER_CLAIM;
  g_return_scene = seat_check_scene(3, 0);
  g_popup_open = 0;
  g_naki_flags[0][kChowFlag] = 0;
  advise_user_claim(latest_discard_tile());
}

// ------------------------------------------------------------ result screens

void hover_hand_result() {
  g_pick = 0;
  if (g_result_panel_hidden == 1 || is_last_hand_of_match()) return;
  if (kResultHoverBox.contains(g_mouse_x, g_mouse_y)) g_pick = kResultBoxPick;
}

void click_hand_result() {
  if (!option_on(opt_suspend) || is_last_hand_of_match()) {
    finish_hand();
    g_pick = 0;
    return;
  }
  if (g_result_panel_hidden == 1) return;
  if (kSuspendBox.contains(g_mouse_x, g_mouse_y)) {
    finish_hand();
    store_suspended_match();
    request_se(SE_SELECT);
    g_scene = SCENE_SUSPENDED;
    g_scene_frame = 0;
  } else if (kNextHandBox.contains(g_mouse_x, g_mouse_y)) {
    finish_hand();
    g_pick = 0;
  }
}

void click_win_display() {
  if (win_scene_takes_clicks()) record_win_statistics();
}

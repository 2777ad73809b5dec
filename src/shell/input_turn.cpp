// The user's own turn (scene 210): the hand tile under the pointer, the
// discard or flower it names, and the pop-up with the self-drawn win, kong
// and flower rows.
#include "base/scene_state.h"
#include "base/table_state.h"
#include "core/tiles.h"
#include "flow/user_kongs.h"
#include "flow/user_turn.h"
#include "shell/play_input.h"
#include "table/claim_actions.h"
#include "table/shout.h"

namespace {

// Only a slot holding a free tile can be picked: an empty one would discard nothing.
bool holds_free_tile(int slot) { return is_free_slot(g_hand[0][slot]); }

// g_pick numbers slots 0..12 as 1..13 and slot 13 as 14.
int pick_of_slot(int slot) { return slot + 1; }
int slot_of_pick(int pick) { return pick - 1; }

void hover_popup_rows() {
  const int last_row = g_user_naki_options[3] == 1 ? kTurnPopupFlowerRow : kTurnPopupKongRow;
  for (int k = kTurnPopupWinRow; k <= last_row; ++k)
    if (turn_popup_row_box(g_popup_x, g_popup_y, k).contains(g_mouse_x, g_mouse_y)) g_popup_hover = k;
}

void click_popup_row() {
  const int* rows = g_user_naki_options;
  if (g_popup_hover == kTurnPopupWinRow && rows[1] == 1) {
    // A false win leaves the turn and its pop-up in place (the row is barred
    // from the next opening on); a real one closes it.
    if (try_tsumo(0)) g_popup_open = 0;
  } else if (g_popup_hover == kTurnPopupKongRow && rows[2] == 1) {
    do_user_kan();
  } else if (g_popup_hover == kTurnPopupFlowerRow && rows[3] == 1) {
    declare_user_flower(first_flower_of(0) != 0 ? first_flower_of(0) : g_flower_tile, 1);
  }
}

void click_hand_tile() {
  if (g_pick == 0) return;
  g_suggested_discard = 0;
  g_shown_points = 0;
  const int slot = slot_of_pick(g_pick);
  const int tile = g_hand[0][slot];
  if (!is_free_slot(tile)) return;
  if (is_flower(tile)) {
    if (g_after_naki_turn == 0) declare_user_flower(tile, 0);
    return;
  }
  discard_user_slot(slot);
}

}  // namespace

void hover_turn() {
  g_pick = 0;
  if (g_popup_open == 1) {
    g_popup_hover = 0;
    hover_popup_rows();
    return;
  }
  const int slot = user_slot_under(g_mouse_x, g_mouse_y, holds_free_tile);
  if (slot >= 0) g_pick = pick_of_slot(slot);
}

void click_turn() {
  if (g_popup_open == 1)
    click_popup_row();
  else
    click_hand_tile();
}

void toggle_turn_popup() {
  if (g_popup_open == 1 || g_popup_lock_after_naki == 1) {
    g_popup_open = 0;
    return;
  }
  find_user_turn_options();
  g_user_naki_options[3] = user_flower_row_enabled() ? 1 : 0;
  open_popup_at_pointer(kTurnPopupHalfHeight, kTurnPopupMaxY);
  hover_turn();
}

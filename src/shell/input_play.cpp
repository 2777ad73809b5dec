// The mouse during a hand: pointer movement marks what is under it, the left
// button carries out what is marked, the right button opens and closes the
// pop-ups, leaves the choices and hides the result panels.
#include <algorithm>

#include "base/scene_state.h"
#include "base/scenes.h"
#include "base/table_state.h"
#include "base/waits.h"
#include "core/tiles.h"
#include "flow/result.h"
#include "shell/input.h"
#include "shell/play_input.h"

HitBox drawn_tile_box() { return {user_drawn_tile_x(), kHandTop, user_drawn_tile_x() + kHandTileWidth, kHandBottom}; }

int user_slot_under(int x, int y, bool (*eligible)(int slot)) {
  int found = -1;
  for (int slot = 0; slot < kDrawSlot; ++slot)
    if (eligible(slot) && hand_slot_box(slot).contains(x, y)) found = slot;
  if (eligible(kDrawSlot) && drawn_tile_box().contains(x, y)) found = kDrawSlot;
  return found;
}

void open_popup_at_pointer(int half_height, int max_y) {
  g_popup_open = 1;
  g_popup_hover = 0;
  g_pick = 0;
  g_popup_x = std::clamp(g_mouse_x - kTurnPopupHalfWidth, 0, kTurnPopupMaxX);
  g_popup_y = std::clamp(g_mouse_y - half_height, 0, max_y);
}

// Every mouse message puts the wait search back on slot 13 (the slot past the
// hand would index outside it).
void play_mouse_move() {
  g_wait_slot = kDrawSlot;
  switch (g_scene) {
    case SCENE_SEAT0_TURN: hover_turn(); break;
    case SCENE_USER_CLAIM:
    case SCENE_USER_ROB_KONG: hover_claim_panel(); break;
    case SCENE_HAND_RESULT: hover_hand_result(); break;
    case SCENE_USER_KONG_CHOICE: hover_kong_choice(); break;
    case SCENE_USER_CHOW_CHOICE: hover_chow_choice(); break;
    default: break;
  }
}

void play_left_click() {
  g_wait_slot = kDrawSlot;
  switch (g_scene) {
    case SCENE_SEAT0_TURN: click_turn(); break;
    case SCENE_USER_CLAIM: click_claim_panel(); break;
    case SCENE_USER_ROB_KONG: click_robbing_panel(); break;
    case SCENE_HAND_RESULT: click_hand_result(); break;
    case SCENE_WIN: click_win_display(); break;
    case SCENE_USER_KONG_CHOICE: click_kong_choice(); break;
    case SCENE_USER_CHOW_CHOICE: click_chow_choice(); break;
    default: break;
  }
}

void play_right_click() {
  g_wait_slot = kDrawSlot;
  switch (g_scene) {
    case SCENE_SEAT0_TURN: toggle_turn_popup(); break;
    case SCENE_USER_CLAIM:
    case SCENE_USER_ROB_KONG: toggle_claim_panel(); break;
    case SCENE_HAND_RESULT: toggle_result_panel(); break;
    case SCENE_WIN:
      if (win_scene_takes_clicks()) toggle_result_panel();
      break;
    case SCENE_USER_KONG_CHOICE: leave_kong_choice(); break;
    case SCENE_USER_CHOW_CHOICE: leave_chow_choice(); break;
    default: break;
  }
}

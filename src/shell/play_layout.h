// Where the in-play clicks land: the user's hand line, the pop-up and panel
// rows and the result screen's boxes. Every box is inclusive at both ends,
// in client pixels, and follows what the table drawing puts there.
#pragma once

#include "screens/front_end_layout.h"
#include "shell/tile_draw.h"

constexpr int kHandTop = kUserHandY;
constexpr int kHandBottom = kUserHandY + 62;
constexpr int kHandTileWidth = 38;  // the box takes one more column: neighbours share two

// Hand slot 0..12; the tile in slot 13 stands at user_drawn_tile_x().
constexpr HitBox hand_slot_box(int slot) {
  return {user_slot_x(slot), kHandTop, user_slot_x(slot) + kHandTileWidth, kHandBottom};
}
HitBox drawn_tile_box();
static_assert(hand_slot_box(0).contains(131, 712) && hand_slot_box(1).contains(130, 650));

// The pop-ups open centred on the pointer and stay inside the window.
constexpr int kTurnPopupHalfWidth = 45;
constexpr int kTurnPopupHalfHeight = 52;
constexpr int kTurnPopupMaxX = 630;
constexpr int kTurnPopupMaxY = 596;
constexpr int kClaimPanelHalfHeight = 65;
constexpr int kClaimPanelMaxY = 564;

// Own-turn pop-up row k: 2 self-drawn win, 3 kong, 4 flower, each on the
// button that row draws (button r = k - 1 at y + 32 r - 17, 30 high).
constexpr HitBox turn_popup_row_box(int popup_x, int popup_y, int k) {
  return {popup_x + 15, popup_y + 32 * k - 48, popup_x + 75, popup_y + 32 * k - 20};
}
// Claim and robbing panel row k: 1 win, 2 pung, 3 chow, 4 kong.
constexpr HitBox claim_panel_row_box(int popup_x, int popup_y, int k) {
  return {popup_x + 15, popup_y + 32 * k - 16, popup_x + 75, popup_y + 32 * k + 12};
}

constexpr int kTurnPopupWinRow = 2;
constexpr int kTurnPopupKongRow = 3;
constexpr int kTurnPopupFlowerRow = 4;

// The hand result's score box (hover only), next-hand and suspend buttons.
constexpr HitBox kResultHoverBox{322, 220, 402, 260};
constexpr HitBox kNextHandBox{490, 480, 560, 520};
constexpr HitBox kSuspendBox{590, 480, 660, 520};
constexpr int kResultBoxPick = 200;

// The hands: the user's standing tiles with their looks, strips and hint
// marks, and the other seats' lines of tiles, face up or hidden.
#include <algorithm>
#include <array>

#include "base/options.h"
#include "base/scene_state.h"
#include "base/scenes.h"
#include "base/table_state.h"
#include "draw/gdi.h"
#include "shell/knitted_support.h"
#include "shell/sheet_ids.h"
#include "shell/tile_draw.h"

namespace {

constexpr int kDrawnGap = 15;  // between the last free tile and the drawn one

// A seat's line of hand tiles: slot i stands at base + step i along its axis.
struct HandLine {
  bool along_x;
  int step;
  int face_base, hidden_base;    // along the axis
  int face_cross, hidden_cross;  // the other coordinate
};

constexpr std::array<HandLine, kSeats> kHandLines{{
    {true, kUserTilePitch, 93, 93, kUserHandY, kUserHandY},
    {false, -31, 542, 529, 679, 701},
    {true, -31, 559, 559, 0, 0},
    {false, 31, 124, 111, 2, 2},
}};

int empty_meld_slots(int seat) {
  return static_cast<int>(std::count(std::begin(g_melds[seat]), std::end(g_melds[seat]), 0));
}

// Position along the axis of slot `slot` (13: the drawn tile).
int line_position(int seat, int slot, bool face_up) {
  const HandLine& line = kHandLines[seat];
  const int base = face_up ? line.face_base : line.hidden_base;
  if (slot < kDrawSlot) return base + line.step * slot;
  // The drawn tile follows the last free slot, 3e when e meld slots are empty.
  const int after_last = base + line.step * (3 * empty_meld_slots(seat) + 1);
  const int gap = g_seat_state[seat].just_claimed == 1 ? 0 : kDrawnGap;
  return after_last + (line.step > 0 ? gap : -gap);
}

bool dealing_hidden() { return g_scene == SCENE_DEAL && !option_on(opt_open_hands); }

// What every tile of a hand's look depends on, read once per hand.
struct HandLooks {
  bool deal_hidden;  // dealing_hidden()
  bool open;         // shown face up: the open-hands option, or this hand or every hand revealed
};

HandLooks hand_looks(int seat) {
  const SeatState& st = g_seat_state[seat];
  return {dealing_hidden(), option_on(opt_open_hands) || st.hand_revealed == 1 || g_hands_revealed == 1};
}

// ------------------------------------------------------------- the user

// A revealed hand counts as open: it shows the second look whether hovered or not.
bool in_second_look(int slot, bool open) {
  const SeatState& me = g_seat_state[0];
  const bool hovered = g_pick == slot + 1;
  if (slot == kDrawSlot && me.won == 1) return true;
  return me.hand_revealed == 1 || g_hands_revealed == 1 || (open && !hovered) || (!open && hovered);
}

// Slots that get the advisor's hint mark.
void mark_hints(bool (&hint)[kHandSlots]) {
  std::fill(std::begin(hint), std::end(hint), false);
  const int advisor = option(opt_ai_tile_choice);
  if (advisor < 1 || advisor > 6) return;
  auto mark_first = [&](int tile) {
    for (int i = 0; i < kHandSlots; ++i)
      if (g_hand[0][i] == tile && is_tile(tile) && !hint[i]) {
        hint[i] = true;
        return;
      }
  };
  if (g_scene == SCENE_SEAT0_TURN && g_shown_points < 8) mark_first(g_suggested_discard);
  if (g_scene != SCENE_USER_CLAIM) return;
  const int d = g_naki_hint_tile;
  switch (g_user_action) {
    case 1: {
      constexpr std::array<std::array<int, 2>, 3> kShapes{{{-2, -1}, {-1, 1}, {1, 2}}};
      if (g_naki_hint_chi < 1 || g_naki_hint_chi > 3) return;
      for (int offset : kShapes[g_naki_hint_chi - 1]) mark_first(d + offset);
      return;
    }
    case 2:
      mark_first(d);
      mark_first(d);
      return;
    case 3:
      for (int i = 0; i < kHandSlots; ++i) hint[i] = hint[i] || (g_hand[0][i] == d && is_tile(d));
      return;
    default: return;
  }
}

void draw_hint_mark(int x) {
  blit_bitmap(x + 11, 647, 16, 16, kSheetPlate, 200, 230, platform::Rop::And);
  blit_bitmap(x + 11, 647, 16, 16, kSheetPlate, 200, 210, platform::Rop::Or);
}

void draw_user_tile(int slot, int x, bool dark, bool hint, const HandLooks& looks) {
  const int tile = g_hand[0][slot];
  bool second = false;
  if (looks.deal_hidden) {
    blit_bitmap(x, kUserHandY, 38, 62, kSheetStanding, 266, 496);
  } else {
    second = in_second_look(slot, looks.open);
    draw_tile(second ? kViewSecondLook : kViewBottom, dark ? kTileStandingDark : kTileStanding, x, kUserHandY, tile);
  }
  if (second)
    draw_shadow(x + 38, 668, 9, 44);
  else
    draw_shadow(x + 38, 690, 9, 22);
  if (hint) draw_hint_mark(x);
}

void draw_user_hand() {
  bool dark[kHandSlots];
  bool hint[kHandSlots];
  draw_knitted_support(dark);
  mark_hints(hint);
  const HandLooks looks = hand_looks(0);
  for (int slot = 0; slot < kHandSlots; ++slot) {
    if (!is_free_slot(g_hand[0][slot])) continue;
    draw_user_tile(slot, line_position(0, slot, true), dark[slot], hint[slot], looks);
  }
}

// -------------------------------------------------------- the other seats

bool shown_face_up(int seat, int slot, const HandLooks& looks) {
  return looks.open || (slot == kDrawSlot && g_seat_state[seat].won == 1);
}

void draw_other_tile(int seat, int slot, const HandLooks& looks) {
  const HandLine& line = kHandLines[seat];
  const bool deal_hidden = looks.deal_hidden;
  const bool shown = shown_face_up(seat, slot, looks);
  const bool face_up = shown || deal_hidden;
  const int along = line_position(seat, slot, face_up);
  const int cross = face_up ? line.face_cross : line.hidden_cross;
  const int x = line.along_x ? along : cross;
  const int y = line.along_x ? cross : along;
  const int kind = deal_hidden ? kTileFaceDown : shown ? kTileFaceUp : kTileStanding;
  draw_tile(seat, kind, x, y, g_hand[seat][slot]);
}

void draw_other_hand(int seat) {
  const HandLooks looks = hand_looks(seat);
  // Seat 1's nearer tiles (lower slots) cover the farther ones.
  for (int step = 0; step < kHandSlots; ++step) {
    const int slot = seat == 1 ? kDrawSlot - step : step;
    if (is_free_slot(g_hand[seat][slot])) draw_other_tile(seat, slot, looks);
  }
}

}  // namespace

int user_drawn_tile_x() { return line_position(0, kDrawSlot, true); }

void draw_tehai(int seat) {
  if (seat == 0)
    draw_user_hand();
  else
    draw_other_hand(seat);
  draw_melds(seat);
  for (auto& offsets : g_meld_slide)
    for (int& offset : offsets)
      if (offset > 0) --offset;
}

#include "shell/user_panels.h"

#include <array>

#include "base/options.h"
#include "base/table_state.h"
#include "draw/gdi.h"
#include "shell/sheet_ids.h"
#include "shell/tile_draw.h"

namespace {

constexpr int kButtonWidth = 60;
constexpr int kButtonHeight = 30;

// Source row of a button: disabled, enabled, enabled and hovered.
int button_state_y(bool enabled, bool hovered) { return enabled ? (hovered ? 60 : 30) : 0; }

void draw_button(int x, int y, int source_x, bool enabled, bool hovered) {
  blit_bitmap(x, y, kButtonWidth, kButtonHeight, kSheetButtons, source_x, button_state_y(enabled, hovered));
}

// The user's standing tile of slot `slot` in the look it does not have now.
void draw_other_look(int slot) {
  const int tile = g_hand[0][slot];
  const bool open = g_seat_state[0].hand_revealed == 1 || option_on(opt_open_hands);
  const int x = slot == kDrawSlot ? user_drawn_tile_x() : user_slot_x(slot);
  draw_tile(open ? kViewBottom : kViewSecondLook, kTileStanding, x, kUserHandY, tile);
}

}  // namespace

void draw_turn_popup() {
  if (g_popup_open == 0) return;
  constexpr std::array<int, 4> kSources{0, 0, 60, 240};  // rows 1..3: win, kong, flower
  blit_bitmap(g_popup_x, g_popup_y, 90, 124, kSheetPopups, 90, 0);
  for (int r = 1; r <= 3; ++r) {
    // The pointer over row r sets hover r + 1: the rows keep the numbers
    // of the click handler (2 win, 3 kong, 4 flower).
    const bool enabled = g_user_naki_options[r] == 1;
    draw_button(g_popup_x + 15, g_popup_y + 32 * r - 17, kSources[r], enabled, g_popup_hover == r + 1);
  }
}

void draw_claim_panel() {
  if (g_popup_open == 0) return;
  constexpr std::array<int, 4> kSources{0, 120, 180, 60};  // win, pung, chow, kong
  blit_bitmap(g_popup_x, g_popup_y, 90, 156, kSheetPopups, 0, 0);
  for (int i = 0; i < 4; ++i) {
    const bool enabled = g_user_naki_options[i] == 1;
    draw_button(g_popup_x + 15, g_popup_y + 15 + 32 * i, kSources[i], enabled, g_popup_hover == i + 1);
  }
}

void draw_kong_choice() {
  blit_bitmap(100, 610, 240, 30, kSheetButtons, 0, 120);
  if (g_kan_choice < 1 || g_kan_choice > 3) return;
  const int tile = g_kan_candidates[g_kan_choice - 1];
  if (!is_playing_tile(tile)) return;
  for (int slot = 0; slot < kHandSlots; ++slot)
    if (g_hand[0][slot] == tile) draw_other_look(slot);
}

void draw_chow_choice() {
  blit_bitmap(100, 610, 240, 30, kSheetButtons, 0, 90);
  if (g_chi_variant[0] < 1) return;
  for (int slot : g_chi_positions)
    if (slot >= 0 && slot < kHandSlots && is_free_slot(g_hand[0][slot])) draw_other_look(slot);
}

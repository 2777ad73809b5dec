#include "com/turn/com_turn.h"

#include <algorithm>
#include <utility>

#include "platform/platform.h"
#include "shell/scenes.h"
#include "shell/shell_state.h"
#include "shell/sound.h"
#include "table/claim_actions.h"
#include "table/river.h"
#include "table/shout.h"
#include "table/table_state.h"

int g_ai_drawn_tile{};

namespace {

// The drawn-and-discarded flag: only the drawn tile itself, and when
// another copy stays in the hand nobody can tell which was thrown.
int drawn_and_discarded_flag(int seat, int tile) {
  if (tile != g_ai_drawn_tile || g_discard_not_drawn == 1) {
    g_discard_not_drawn = 0;
    return 0;
  }
  if (std::find(g_hand[seat], g_hand[seat] + kDrawSlot, g_ai_drawn_tile) == g_hand[seat] + kDrawSlot) return 1;
  return platform::rand15() % 2;
}

int first_flower(int seat) {
  const int* slot = std::find_if(std::begin(g_hand[seat]), std::end(g_hand[seat]), [](int s) { return is_flower(s); });
  return slot == std::end(g_hand[seat]) ? 0 : *slot;
}

}  // namespace

void com_turn(int seat) {
  g_ai_drawn_tile = g_hand[seat][kDrawSlot];
  // The computer players' own turn (target, discard planning, kongs) takes
  // this place; until then a COM seat wins when it can, sets its flowers
  // aside and otherwise throws the tile it drew.
  if (g_after_naki_turn == 0 && try_tsumo(seat)) return;
  if (const int flower = first_flower(seat); flower != 0) {
    declare_flowers(seat, flower);
    return;
  }
  com_discard(seat, kDrawSlot);
}

void com_discard(int seat, int slot) {
  std::swap(g_hand[seat][slot], g_hand[seat][kDrawSlot]);
  std::sort(g_hand[seat], g_hand[seat] + kDrawSlot);
  const int tile = g_hand[seat][kDrawSlot];
  g_after_naki_turn = 0;
  record_discard(seat, tile, drawn_and_discarded_flag(seat, tile));
  g_hand[seat][kDrawSlot] = 0;
  g_seat_state[seat].just_claimed = 0;
  g_scene = seat_discarded_scene(seat);
  g_scene_frame = 0;
  g_popup_lock_after_naki = 0;
  g_kong_draw_flag = 0;
  request_se(SE_CUT);
}

void reset_com_turn_state() { g_ai_drawn_tile = 0; }

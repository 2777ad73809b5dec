#include "com/turn/com_turn.h"

#include <algorithm>
#include <array>
#include <utility>

#include "base/ai_record.h"
#include "base/scene_state.h"
#include "base/scenes.h"
#include "base/sound.h"
#include "base/table_state.h"
#include "base/visible.h"
#include "base/waits.h"
#include "base/yaku_table.h"
#include "com/target/com_target.h"
#include "com/turn/cascade_places.h"
#include "com/turn/planner.h"
#include "com/turn/planner_state.h"
#include "com/turn/safety.h"
#include "platform/platform.h"
#include "table/claim_actions.h"
#include "table/kong_actions.h"
#include "table/river.h"
#include "table/shout.h"
#include "table/win_test.h"

namespace {

struct KongVetoes {
  bool added;
  bool concealed;
};

template <std::size_t N>
bool listed(const int (&ids)[N], int id) {
  return std::find(std::begin(ids), std::end(ids), id) != std::end(ids);
}

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

// A hand that is ready without the chosen discard decides alone: a wait
// giving the chicken hand vetoes both kongs, any other wait allows both.
void ready_hand_vetoes(int seat, bool first_wait_only, KongVetoes& vetoes) {
  const WaitSet waits = waits_of(g_hand[seat], kDrawSlot);
  for (int i = 0; i < waits.count && (i == 0 || !first_wait_only); ++i) {
    win_points_with(seat, waits.tiles[i], 1);
    const bool chicken = g_yaku_table[kYaku40ChickenHand].found == 1;
    vetoes = {chicken, chicken};
    if (chicken) return;
  }
}

bool declares_kong(int seat, bool first_wait_only) {
  if (g_seat_state[seat].defend != 0 || g_after_naki_turn != 0 || g_wall_count < 1) return false;
  const int aim = g_ai_target_yaku[seat];
  KongVetoes vetoes{listed(kNoKongAims, aim), listed(kNoKongAims, aim) || listed(kNoConcealedKongAims, aim)};
  ready_hand_vetoes(seat, first_wait_only, vetoes);
  g_kong_this_turn = 0;
  if (!vetoes.added && try_added_kan(seat) && g_kong_this_turn == 1) return true;
  if (!vetoes.concealed && try_concealed_kan(seat) && g_kong_this_turn == 1) return true;
  return false;
}

void com_turn_of(int seat, int character) {
  g_ai_drawn_tile = g_hand[seat][kDrawSlot];
  if (g_after_naki_turn != 1 && try_tsumo(seat)) return;
  plan_discard_of_character(character, seat);
  pick_discard(seat);
  if (g_ai_discard_count == 1 && is_flower(g_ai_discard_candidates[0])) {
    declare_flowers(seat, g_ai_discard_candidates[0]);
    return;
  }
  if (declares_kong(seat, character <= 1)) return;
  com_discard(seat, kDrawSlot);
}

}  // namespace

void com_turn_com1(int seat) { com_turn_of(seat, 1); }
void com_turn_com2(int seat) { com_turn_of(seat, 2); }
void com_turn_com3(int seat) { com_turn_of(seat, 3); }
void com_turn_com4(int seat) { com_turn_of(seat, 4); }
void com_turn_com5(int seat) { com_turn_of(seat, 5); }
void com_turn_com6(int seat) { com_turn_of(seat, 6); }

void com_turn(int seat) {
  count_visible_tiles(seat);
  com_turn_of(seat, std::clamp(g_seat_character[seat], 1, 6));
  mark_safe_vs_four_melds();
}

void com_discard(int seat, int slot) {
  std::swap(g_hand[seat][slot], g_hand[seat][kDrawSlot]);
  std::sort(g_hand[seat], g_hand[seat] + kDrawSlot);
  std::stable_partition(g_hand[seat], g_hand[seat] + kDrawSlot, [](int s) { return s != 0; });
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

void clear_com_hand_records() {
  clear_target_records();
  clear_safe_marks();
  for (int seat = 0; seat < kSeats; ++seat) {
    invalidate_ready_records(seat);
    SeatAiRecord& record = AI[seat];
    record.discard_yaku = record.discard_reason = record.discard_subcode = record.relax_level = 0;
    record.naki_yaku = record.naki_reason = 0;
  }
}

#include "flow/user_turn.h"

#include <algorithm>
#include <utility>

#include "base/base_state.h"
#include "base/options.h"
#include "base/scene_state.h"
#include "base/scenes.h"
#include "base/sound.h"
#include "base/table_state.h"
#include "com/com_state.h"
#include "com/target/com_target.h"
#include "com/turn/advisor.h"
#include "com/turn/safety.h"
#include "core/tiles.h"
#include "flow/flow_state.h"
#include "flow/user_kongs.h"
#include "platform/platform.h"
#include "table/river.h"
#include "table/shout.h"
#include "table/win_test.h"

namespace {

constexpr int kUser = 0;

int flowers_held() {
  return static_cast<int>(std::count_if(std::begin(g_hand[kUser]), std::end(g_hand[kUser]), [](int s) { return is_flower(s); }));
}

// The drawn tile's points as a self-drawn win; kNotAWait when it completes nothing.
int drawn_tile_points() {
  const int drawn = g_hand[kUser][kDrawSlot];
  return is_playing_tile(drawn) ? win_points_with(kUser, drawn, 0) : kNotAWait;
}

// Sorted ascending, then one pass moves the single gap up to slot 13.
void close_gap() {
  int* hand = g_hand[kUser];
  std::sort(hand, hand + kHandSlots);
  for (int i = 0; i < kDrawSlot; ++i)
    if (hand[i] == 0) std::swap(hand[i], hand[i + 1]);
}

}  // namespace

void user_turn_phase() {
  // The work below reads and writes only the game state of the floors below
  // (the random generator included) and nothing else. Once a run leaves that
  // state exactly as it found it, a rerun on the same bytes would too. The
  // memos are left out: what they hold never changes an answer.
  UserTurnMemo& memo = g_flow_state.user_turn;
  const StatePieces game_state = {base_state_bytes(Memos::kWithout), com_state_bytes(Memos::kWithout),
                                  platform::rand_state_bytes()};
  if (memo.settled && memo.after.matches(game_state)) return;
  memo.after.take(game_state);
  com_select_target_all_seats();
  if (const int points = drawn_tile_points(); points != kNotAWait) g_shown_points = points;
  advise_user_discard();
  memo.settled = memo.after.matches(game_state);
}

void find_user_turn_options() {
  std::fill(std::begin(g_user_naki_options), std::end(g_user_naki_options), 0);
  if (g_seat_state[kUser].false_win == 1) return;
  const int points = drawn_tile_points();
  if (points != kNotAWait && (option_on(opt_false_win) || points >= kMinimumWinPoints)) g_user_naki_options[1] = 1;
  if (g_wall_count == 0) return;
  g_user_naki_options[2] = find_user_kan_candidates() > 0 ? 1 : 0;
  g_kan_choice = 0;
}

bool user_flower_row_enabled() {
  const int flowers = flowers_held();
  return flowers >= 1 && flowers <= g_wall_count && g_after_naki_turn == 0;
}

void discard_user_slot(int slot) {
  const int tile = g_hand[kUser][slot];
  const bool drawn_and_discarded = slot == kDrawSlot && g_discard_not_drawn == 0;
  g_discard_not_drawn = 0;
  record_discard(kUser, tile, drawn_and_discarded ? 1 : 0);
  g_river_slide[kUser][g_river_count[kUser] - 1] = kRiverSlideStart;
  g_hand[kUser][slot] = 0;
  g_seat_state[kUser].just_claimed = 0;
  close_gap();
  mark_safe_vs_four_melds();
  g_scene = SCENE_SEAT0_DISCARDED;
  g_scene_frame = 0;
  g_popup_lock_after_naki = 0;
  g_kong_draw_flag = 0;
  g_pick = 0;
  g_after_naki_turn = 0;
  request_se(SE_CUT);
}

void declare_user_flower(int tile, int all) {
  g_flower_tile = tile;
  g_flower_all = all;
  g_turn_seat = kUser;
  g_pick = 0;
  g_popup_open = 0;
  g_scene = SCENE_FLOWER;
  g_scene_frame = 0;
  pause_for_shout(kUser, kBalloonFlower);
}

#include "flow/sequencer.h"

#include <algorithm>

#include "base/options.h"
#include "base/scene_state.h"
#include "base/scenes.h"
#include "base/seat_eval.h"
#include "base/table_state.h"
#include "base/view_requests.h"
#include "com/claim/com_claim.h"
#include "com/target/com_target.h"
#include "com/turn/advisor.h"
#include "com/turn/com_turn.h"
#include "core/tiles.h"
#include "flow/claim_offers.h"
#include "flow/wall.h"
#include "table/claim_actions.h"
#include "table/kong_actions.h"
#include "table/shout.h"

namespace {

// Frames of the kong replacement scene.
constexpr int kRobbingFrame = 10;
constexpr int kReplacementFrame = 20;
constexpr int kKongSceneEnd = 30;

// The user's new tile: with automatic flowers a flower in hand goes to the
// flower scene first (which re-evaluates the hands itself), otherwise the
// turn starts, after a fresh evaluation when `refresh` is set.
void start_turn_after_draw(int seat, bool refresh) {
  if (seat == 0 && option(opt_flowers) == kFlowersAutomatic) {
    if (const int flower = first_flower_of(0); flower != 0) {
      declare_flowers(0, flower);
      return;
    }
  }
  if (refresh) refresh_hand_evaluations();
  g_scene = seat_turn_scene(seat);
  g_scene_frame = 0;
  if (seat == 0) request_hover_refresh();
}

// The next wall tile into slot 13; an empty wall ends the hand instead.
bool draw_into_slot13(int seat) {
  if (check_wall_exhausted()) return false;
  g_hand[seat][kDrawSlot] = take_wall_tile();
  return true;
}

void draw_phase(int seat) {
  ++g_scene_frame;
  if (g_scene_frame == g_draw_anim_frames / 2 && !draw_into_slot13(seat)) return;
  if (g_scene_frame < g_draw_anim_frames) return;
  start_turn_after_draw(seat, true);
}

void evaluate_naki_after(int discarder) {
  g_scene = g_return_scene = seat_check_scene(discarder, 0);
  g_discarder = discarder;
  com_select_target_all_seats();
  for (auto& flags : g_naki_flags) std::fill(std::begin(flags), std::end(flags), 0);
  if (discarder != 0) advise_user_claim(latest_discard_tile());
  for (int seat = next_seat(discarder); seat != discarder; seat = next_seat(seat))
    if (seat != 0) com_decide_naki(seat);
  recheck_naki_flags();
  if (discarder != 0) find_user_naki_options(0, discarder);
}

int claimant(int discarder, int place) { return (discarder + 1 + place) % kSeats; }

// An empty wall after a discard nobody won on ends the hand: the last tile
// can be won on but not called, and nobody draws again. A false win's shout
// pause still plays first.
void end_hand_if_wall_empty() {
  if (g_wall_count > 0) return;
  if (g_scene == SCENE_SHOUT) {
    g_shout_return_scene = SCENE_EXHAUSTIVE_DRAW;
    g_result_panel_hidden = 0;
    return;
  }
  check_wall_exhausted();
}

// Win check `place` (0..2) after the discarder: the seat `place` + 1 after it.
void win_check(int discarder, int place) {
  g_scene = seat_check_scene(discarder, place + 1);
  const int seat = claimant(discarder, place);
  const bool won = g_naki_flags[seat][kWinFlag] == 1 && try_ron(seat);
  if (place == 2 && !won) end_hand_if_wall_empty();
}

// One claim per discard: a pung, or else a kong.
void pon_kan_check(int discarder, int place) {
  g_scene = seat_check_scene(discarder, place + 4);
  const int seat = claimant(discarder, place);
  if (g_naki_flags[seat][kPungFlag] == 1)
    do_pon(seat);
  else if (g_naki_flags[seat][kKongFlag] == 1)
    do_kan_on_discard(seat);
}

void user_chow() {
  const int shapes = static_cast<int>(std::count(std::begin(g_chi_shapes), std::end(g_chi_shapes), 1));
  if (shapes == 1) {
    g_chi_variant[0] = static_cast<int>(std::find(std::begin(g_chi_shapes), std::end(g_chi_shapes), 1) - g_chi_shapes) + 1;
    do_chi(0, g_chi_variant[0]);
    return;
  }
  g_scene = SCENE_USER_CHOW_CHOICE;
  request_hover_refresh();
}

// Only the next seat may chow.
void chi_check(int discarder) {
  const int seat = next_seat(discarder);
  g_scene = seat_draw_scene(seat);
  g_scene_frame = 0;
  if (g_naki_flags[seat][kChowFlag] != 1) return;
  if (seat == 0)
    user_chow();
  else
    do_chi(seat, g_chi_variant[seat]);
}

void kan_replacement_step(int seat) {
  ++g_scene_frame;
  if (g_scene_frame == kRobbingFrame) {
    for (int place = 0; place < 3; ++place) {
      const int robber = claimant(seat, place);
      if (g_robbing_flags[robber] == 1 && ron_by_robbing_kan(robber)) return;
    }
  }
  if (g_scene_frame == kReplacementFrame) {
    if (!draw_into_slot13(seat)) return;
    g_kong_tile = 0;
    refresh_hand_evaluations();
  }
  if (g_scene_frame == kKongSceneEnd) start_turn_after_draw(seat, false);
}

}  // namespace

void draw_phase_seat0() { draw_phase(0); }
void draw_phase_seat1() { draw_phase(1); }
void draw_phase_seat2() { draw_phase(2); }
void draw_phase_seat3() { draw_phase(3); }
void com_turn_phase_seat1() { com_turn(1); }
void com_turn_phase_seat2() { com_turn(2); }
void com_turn_phase_seat3() { com_turn(3); }
void evaluate_naki_after_seat0() { evaluate_naki_after(0); }
void evaluate_naki_after_seat1() { evaluate_naki_after(1); }
void evaluate_naki_after_seat2() { evaluate_naki_after(2); }
void evaluate_naki_after_seat3() { evaluate_naki_after(3); }
void win_check1_after_seat0() { win_check(0, 0); }
void win_check2_after_seat0() { win_check(0, 1); }
void win_check3_after_seat0() { win_check(0, 2); }
void win_check1_after_seat1() { win_check(1, 0); }
void win_check2_after_seat1() { win_check(1, 1); }
void win_check3_after_seat1() { win_check(1, 2); }
void win_check1_after_seat2() { win_check(2, 0); }
void win_check2_after_seat2() { win_check(2, 1); }
void win_check3_after_seat2() { win_check(2, 2); }
void win_check1_after_seat3() { win_check(3, 0); }
void win_check2_after_seat3() { win_check(3, 1); }
void win_check3_after_seat3() { win_check(3, 2); }
void pon_kan_check1_after_seat0() { pon_kan_check(0, 0); }
void pon_kan_check2_after_seat0() { pon_kan_check(0, 1); }
void pon_kan_check3_after_seat0() { pon_kan_check(0, 2); }
void pon_kan_check1_after_seat1() { pon_kan_check(1, 0); }
void pon_kan_check2_after_seat1() { pon_kan_check(1, 1); }
void pon_kan_check3_after_seat1() { pon_kan_check(1, 2); }
void pon_kan_check1_after_seat2() { pon_kan_check(2, 0); }
void pon_kan_check2_after_seat2() { pon_kan_check(2, 1); }
void pon_kan_check3_after_seat2() { pon_kan_check(2, 2); }
void pon_kan_check1_after_seat3() { pon_kan_check(3, 0); }
void pon_kan_check2_after_seat3() { pon_kan_check(3, 1); }
void pon_kan_check3_after_seat3() { pon_kan_check(3, 2); }
void chi_check_after_seat0() { chi_check(0); }
void chi_check_after_seat1() { chi_check(1); }
void chi_check_after_seat2() { chi_check(2); }
void chi_check_after_seat3() { chi_check(3); }
void kan_replacement_phase_seat0() { kan_replacement_step(0); }
void kan_replacement_phase_seat1() { kan_replacement_step(1); }
void kan_replacement_phase_seat2() { kan_replacement_step(2); }
void kan_replacement_phase_seat3() { kan_replacement_step(3); }

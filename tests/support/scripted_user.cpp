#include "support/scripted_user.h"

#include "base/options.h"
#include "base/scene_state.h"
#include "base/scenes.h"
#include "base/table_state.h"
#include "core/tiles.h"
#include "platform/headless/headless.h"
#include "screens/front_end_layout.h"
#include "shell/tile_draw.h"
#include "support/test_workdir.h"

namespace {
constexpr int kPopupAtX = 300;
constexpr int kPopupAtY = 300;  // the pop-ups open at (255, 248) and (255, 235)
constexpr int kFrameLimit = 60000;
}  // namespace

// Plays from the title to the standings; the problems found, one a line.
std::vector<std::string> ScriptedUser::play_match(unsigned seed) {
  open_headless_program(seed);
  g_options[opt_com_speed] = 0;
  g_options[opt_suspend] = 1;
  g_options[opt_ai_tile_choice] = 1 + seed % 6;
  return play_on();
}

std::vector<std::string> ScriptedUser::play_on() {
  if (g_scene == SCENE_TITLE) headless::left_click_at(10, 10);
  if (resume != (g_scene == SCENE_RESUME_QUESTION)) {
    problems.push_back(resume ? "no suspended match to resume" : "a suspended match waits");
    return problems;
  }
  const HitBox choice = resume ? resume_choice_box(0) : menu_left_box(0);
  headless::left_click_at(choice.left + 5, choice.top + 5);
  const auto round_over = [&] { return only_round >= 0 && tally.hands > 0 && g_round_wind != only_round; };
  const auto ended = [&] { return g_scene == SCENE_MATCH_STANDINGS || g_scene == SCENE_SUSPENDED || round_over(); };
  while (!ended() && tally.frames < kFrameLimit && problems.size() < 20) step();
  if (!ended()) problems.push_back("stuck in scene " + std::to_string(g_scene));
  return problems;
}

void ScriptedUser::step() {
  const bool hand_ended = g_scene == SCENE_HAND_RESULT && g_scene != last_scene_;
  last_scene_ = g_scene;
  if (hand_ended && on_hand_end) on_hand_end();
  act();
  if (g_scene == SCENE_DEAL && g_scene_frame == 0) {
    if (++tally.hands == 1 && only_round >= 0) g_round_wind = only_round;
    invariants_.begin_hand();
  }
  run_frame();
  ++tally.frames;
  if (!check_table || g_scene < SCENE_SEAT0_DRAW || g_scene >= SCENE_HAND_RESULT) return;
  for (const std::string& v : invariants_.check())
    problems.push_back("hand " + std::to_string(tally.hands) + ", scene " + std::to_string(g_scene) + ": " + v);
}

void ScriptedUser::act() {
  switch (g_scene) {
    case SCENE_SEAT0_TURN: play_turn(); break;
    case SCENE_USER_CLAIM: answer_panel(false); break;
    case SCENE_USER_ROB_KONG: answer_panel(true); break;
    case SCENE_WIN:
      if (g_scene_frame >= 50) headless::left_click_at(10, 10);
      break;
    case SCENE_HAND_RESULT: headless::left_click_at(tally.hands == suspend_after ? 620 : 520, 500); break;
    case SCENE_USER_KONG_CHOICE:
    case SCENE_USER_CHOW_CHOICE: problems.push_back("a choice the user never asked for"); break;
    default: break;
  }
}

// The turn's first frame has run the advisor; then one action.
void ScriptedUser::play_turn() {
  if (g_scene_frame == 0 && turn_frames_++ == 0) return;
  turn_frames_ = 0;
  const int river_before = g_river_count[0];
  if (g_popup_lock_after_naki == 0) {
    headless::right_click_at(kPopupAtX, kPopupAtY);
    if (g_user_naki_options[1] == 1) {
      headless::left_click_at(kPopupAtX, 248 + 32 * 2 - 34);
      if (g_scene == SCENE_WIN) ++tally.self_drawn_wins;
      return;
    }
    headless::right_click_at(kPopupAtX, kPopupAtY);
  }
  const int suggested = g_suggested_discard;
  const int slot = discard_slot();
  if (slot < 0) {
    problems.push_back("nothing to discard");
    return;
  }
  const bool flower = is_flower(g_hand[0][slot]);
  const int x = (slot == kDrawSlot ? user_drawn_tile_x() : user_slot_x(slot)) + 19;
  if (g_hand[0][slot] == suggested) ++tally.suggested_discards;
  headless::left_click_at(x, 680);
  if (flower) return;
  if (g_scene != SCENE_SEAT0_DISCARDED || g_river_count[0] != river_before + 1)
    problems.push_back("the click on slot " + std::to_string(slot) + " discarded nothing");
  ++tally.discards;
}

// The advisor's suggestion when held, else the tile in slot 13, else any.
int ScriptedUser::discard_slot() const {
  const int* hand = g_hand[0];
  const auto playable = [](int s) { return is_free_slot(s) && (is_playing_tile(s) || g_after_naki_turn == 0); };
  for (int slot = 0; slot < kHandSlots; ++slot)
    if (hand[slot] == g_suggested_discard && playable(hand[slot])) return slot;
  if (playable(hand[kDrawSlot])) return kDrawSlot;
  for (int slot = 0; slot < kHandSlots; ++slot)
    if (playable(hand[slot])) return slot;
  return -1;
}

// Wins are taken, every other claim declined with a click beside the panel.
void ScriptedUser::answer_panel(bool robbing) {
  if (g_user_naki_options[0] == 1) {
    headless::right_click_at(kPopupAtX, kPopupAtY);
    headless::left_click_at(kPopupAtX, 235 + 32 + 12);
    if (g_popup_open == 1) problems.push_back("the win row took no click");
    ++tally.discard_wins;
    return;
  }
  if (robbing) problems.push_back("a robbing panel without its win row");
  headless::left_click_at(10, 10);
  ++tally.offers_declined;
}

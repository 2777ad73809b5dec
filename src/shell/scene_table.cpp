#include "shell/scene_table.h"

#include <algorithm>
#include <array>

#include "base/scenes.h"
#include "base/view_requests.h"
#include "flow/deal.h"
#include "flow/result.h"
#include "flow/sequencer.h"
#include "flow/user_turn.h"
#include "screens/screens.h"
#include "shell/input.h"
#include "shell/result_panels.h"
#include "shell/table_view.h"
#include "shell/user_panels.h"
#include "table/shout.h"

namespace {

// The scenes that show the table with something over it.
void table_and_turn_popup() {
  draw_table();
  draw_turn_popup();
}
void table_and_claim_panel() {
  draw_table();
  draw_claim_panel();
}
void table_and_kong_choice() {
  draw_table();
  draw_kong_choice();
}
void table_and_chow_choice() {
  draw_table();
  draw_chow_choice();
}
// The flower scene draws the table except on the frame that leaves or restarts it.
void flower_scene() {
  if (hana_phase()) draw_table();
}

struct SceneEntry {
  int scene;
  void (*handler)();  // the scene's frame of play; nullptr for a scene that only waits for clicks
  void (*view)();     // drawn after the handler; nullptr when the handler draws its own screen
};

#define SEAT_SCENES(s, draw_handler, turn_handler, turn_view)                       \
  {seat_draw_scene(s), draw_handler, draw_table},                                    \
  {seat_turn_scene(s), turn_handler, turn_view},                                     \
  {seat_discarded_scene(s), evaluate_naki_after_seat##s, draw_table},                \
  {seat_check_scene(s, 0), win_check1_after_seat##s, draw_table},                    \
  {seat_check_scene(s, 1), win_check2_after_seat##s, draw_table},                    \
  {seat_check_scene(s, 2), win_check3_after_seat##s, draw_table},                    \
  {seat_check_scene(s, 3), pon_kan_check1_after_seat##s, draw_table},                \
  {seat_check_scene(s, 4), pon_kan_check2_after_seat##s, draw_table},                \
  {seat_check_scene(s, 5), pon_kan_check3_after_seat##s, draw_table},                \
  {seat_check_scene(s, 6), chi_check_after_seat##s, draw_table}

// Every scene with a handler, in ascending scene order.
constexpr std::array<SceneEntry, 72> kScenes{{
    {SCENE_TITLE, scene_title, nullptr},
    {SCENE_SUSPENDED, scene_suspended, nullptr},
    {SCENE_RESUME_QUESTION, scene_resume_question, nullptr},
    {SCENE_DEAL, scene_deal, draw_table},
    {SCENE_SORT_HANDS, scene_sort_hands, draw_table},
    {SCENE_INITIAL_FLOWERS, scene_initial_flowers, draw_table},
    {SCENE_MATCH_STANDINGS, scene_match_standings, nullptr},
    {SCENE_MAIN_MENU, scene_main_menu, nullptr},
    {SCENE_OPTIONS, scene_options, nullptr},
    {SCENE_SUPPORT, scene_support, nullptr},
    {SCENE_RULE_YAKU, scene_rule_yaku, nullptr},
    {SCENE_CHARACTER_DATA, scene_character_data, nullptr},
    {SCENE_DATA_DELETE, scene_data_delete, nullptr},
    {SCENE_LOCAL_YAKU, scene_local_yaku, nullptr},
    SEAT_SCENES(0, draw_phase_seat0, user_turn_phase, table_and_turn_popup),
    SEAT_SCENES(1, draw_phase_seat1, com_turn_phase_seat1, draw_table),
    SEAT_SCENES(2, draw_phase_seat2, com_turn_phase_seat2, draw_table),
    SEAT_SCENES(3, draw_phase_seat3, com_turn_phase_seat3, draw_table),
    {SCENE_USER_CLAIM, nullptr, table_and_claim_panel},
    {SCENE_USER_ROB_KONG, nullptr, table_and_claim_panel},
    {SCENE_FLOWER, flower_scene, nullptr},
    {SCENE_EXHAUSTIVE_DRAW, exhaustive_draw_phase, draw_table},
    {SCENE_SHOUT, shout_pause_phase, draw_table},
    {SCENE_HAND_RESULT, nullptr, draw_hand_result_view},
    {SCENE_WIN, win_phase, draw_win_view},
    {SCENE_USER_KONG_CHOICE, nullptr, table_and_kong_choice},
    {SCENE_USER_CHOW_CHOICE, nullptr, table_and_chow_choice},
    {kong_draw_scene(0), kan_replacement_phase_seat0, draw_table},
    {kong_draw_scene(1), kan_replacement_phase_seat1, draw_table},
    {kong_draw_scene(2), kan_replacement_phase_seat2, draw_table},
    {kong_draw_scene(3), kan_replacement_phase_seat3, draw_table},
    {SCENE_HELP_DIFFERENCES, draw_help_differences, nullptr},
    {SCENE_HELP_YAKU_RULES, draw_help_yaku_rules, nullptr},
    {SCENE_HELP_RULES, draw_help_game_rules, nullptr},
    {SCENE_HELP_YAKU_LIST, draw_help_yaku_list, nullptr},
    {SCENE_HELP_ADVICE, draw_help_advice, nullptr},
}};
#undef SEAT_SCENES

constexpr bool sorted_by_scene() {
  for (std::size_t i = 1; i < kScenes.size(); ++i)
    if (kScenes[i - 1].scene >= kScenes[i].scene) return false;
  return true;
}
static_assert(sorted_by_scene());

// What the table flow asked of the views since the last look.
void serve_view_requests() {
  if (g_view_requests.refresh_hover == 1) on_mouse_move();
  if (g_view_requests.reset_table_view == 1) reset_table_view_state();
  g_view_requests = ViewRequests{};
}

const SceneEntry* find_scene(int scene) {
  const auto it = std::lower_bound(kScenes.begin(), kScenes.end(), scene,
                                   [](const SceneEntry& e, int s) { return e.scene < s; });
  return it != kScenes.end() && it->scene == scene ? &*it : nullptr;
}

}  // namespace

bool dispatch_scene(int scene) {
  const SceneEntry* entry = find_scene(scene);
  if (entry == nullptr) return false;
  serve_view_requests();
  if (entry->handler != nullptr) entry->handler();
  serve_view_requests();
  if (entry->view != nullptr) entry->view();
  return true;
}

bool scene_has_handler(int scene) { return find_scene(scene) != nullptr; }

bool scene_draws_table(int scene) {
  const SceneEntry* entry = find_scene(scene);
  return entry != nullptr && entry->view == draw_table;
}

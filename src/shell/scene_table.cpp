#include "shell/scene_table.h"

#include <algorithm>
#include <array>

#include "screens/screens.h"
#include "shell/table_view.h"
#include "table/deal.h"
#include "table/result.h"
#include "table/sequencer.h"
#include "table/user_turn.h"

namespace {

enum Draw : bool { kOwn = false, kTable = true };

struct SceneEntry {
  int scene;
  void (*handler)();
  Draw draw;  // kTable: the table view is drawn after the handler
};

// Every scene with a handler, in ascending scene order.
constexpr std::array<SceneEntry, 72> kScenes{{
    {10, scene_title, kOwn},
    {20, scene_suspended, kOwn},
    {30, scene_resume_question, kOwn},
    {40, scene_deal, kOwn},
    {50, scene_sort_hands, kOwn},
    {60, scene_initial_flowers, kOwn},
    {70, scene_match_standings, kOwn},
    {90, scene_main_menu, kOwn},
    {110, scene_options, kOwn},
    {120, scene_support, kOwn},
    {130, scene_rule_yaku, kOwn},
    {140, scene_character_data, kOwn},
    {150, scene_data_delete, kOwn},
    {160, scene_local_yaku, kOwn},
    {200, draw_phase_seat0, kTable},
    {210, user_turn_phase, kOwn},
    {211, evaluate_naki_after_seat0, kTable},
    {220, win_check1_after_seat0, kTable},
    {230, win_check2_after_seat0, kTable},
    {240, win_check3_after_seat0, kTable},
    {250, pon_kan_check1_after_seat0, kTable},
    {260, pon_kan_check2_after_seat0, kTable},
    {270, pon_kan_check3_after_seat0, kTable},
    {280, chi_check_after_seat0, kTable},
    {290, draw_phase_seat1, kTable},
    {300, com_turn_phase_seat1, kTable},
    {301, evaluate_naki_after_seat1, kTable},
    {310, win_check1_after_seat1, kTable},
    {320, win_check2_after_seat1, kTable},
    {330, win_check3_after_seat1, kTable},
    {340, pon_kan_check1_after_seat1, kTable},
    {350, pon_kan_check2_after_seat1, kTable},
    {360, pon_kan_check3_after_seat1, kTable},
    {370, chi_check_after_seat1, kTable},
    {380, draw_phase_seat2, kTable},
    {390, com_turn_phase_seat2, kTable},
    {391, evaluate_naki_after_seat2, kTable},
    {400, win_check1_after_seat2, kTable},
    {410, win_check2_after_seat2, kTable},
    {420, win_check3_after_seat2, kTable},
    {430, pon_kan_check1_after_seat2, kTable},
    {440, pon_kan_check2_after_seat2, kTable},
    {450, pon_kan_check3_after_seat2, kTable},
    {460, chi_check_after_seat2, kTable},
    {470, draw_phase_seat3, kTable},
    {480, com_turn_phase_seat3, kTable},
    {481, evaluate_naki_after_seat3, kTable},
    {490, win_check1_after_seat3, kTable},
    {500, win_check2_after_seat3, kTable},
    {510, win_check3_after_seat3, kTable},
    {520, pon_kan_check1_after_seat3, kTable},
    {530, pon_kan_check2_after_seat3, kTable},
    {540, pon_kan_check3_after_seat3, kTable},
    {550, chi_check_after_seat3, kTable},
    {560, naki_panel_phase, kOwn},
    {570, robbing_panel_phase, kOwn},
    {590, hana_phase, kOwn},
    {600, exhaustive_draw_phase, kTable},
    {620, shout_pause_phase, kTable},
    {700, hand_result_phase, kOwn},
    {710, win_phase, kOwn},
    {810, user_kan_choice_phase, kOwn},
    {820, user_chi_choice_phase, kOwn},
    {900, kan_replacement_phase_seat0, kOwn},
    {910, kan_replacement_phase_seat1, kOwn},
    {920, kan_replacement_phase_seat2, kOwn},
    {930, kan_replacement_phase_seat3, kOwn},
    {1000, draw_help_differences, kOwn},
    {1010, draw_help_yaku_rules, kOwn},
    {1020, draw_help_game_rules, kOwn},
    {1030, draw_help_yaku_list, kOwn},
    {1050, draw_help_advice, kOwn},
}};

constexpr bool sorted_by_scene() {
  for (std::size_t i = 1; i < kScenes.size(); ++i)
    if (kScenes[i - 1].scene >= kScenes[i].scene) return false;
  return true;
}
static_assert(sorted_by_scene());
static_assert(std::count_if(kScenes.begin(), kScenes.end(), [](const SceneEntry& e) { return e.draw == kTable; }) == 41);

const SceneEntry* find_scene(int scene) {
  const auto it = std::lower_bound(kScenes.begin(), kScenes.end(), scene,
                                   [](const SceneEntry& e, int s) { return e.scene < s; });
  return it != kScenes.end() && it->scene == scene ? &*it : nullptr;
}

}  // namespace

bool dispatch_scene(int scene) {
  const SceneEntry* entry = find_scene(scene);
  if (entry == nullptr) return false;
  entry->handler();
  if (entry->draw == kTable) draw_table();
  return true;
}

bool scene_has_handler(int scene) { return find_scene(scene) != nullptr; }

bool scene_draws_table(int scene) {
  const SceneEntry* entry = find_scene(scene);
  return entry != nullptr && entry->draw == kTable;
}

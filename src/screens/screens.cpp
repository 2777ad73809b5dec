#include "screens/screens.h"

#include "platform/platform.h"
#include "shell/gdi.h"

namespace {
constexpr std::uint32_t kScreenBackground = 0x1E5A3C;  // table-cloth green
}  // namespace

void draw_screen_background() {
  platform::fill_rect(g_back_surface, 0, 0, kScreenWidth, kScreenHeight, kScreenBackground);
}

// Each screen draws its background; its own contents come with the screen.
void scene_title() { draw_screen_background(); }
void scene_suspended() { draw_screen_background(); }
void scene_resume_question() { draw_screen_background(); }
void scene_match_standings() { draw_screen_background(); }
void scene_main_menu() { draw_screen_background(); }
void scene_options() { draw_screen_background(); }
void scene_support() { draw_screen_background(); }
void scene_rule_yaku() { draw_screen_background(); }
void scene_local_yaku() { draw_screen_background(); }
void scene_character_data() { draw_screen_background(); }
void scene_data_delete() { draw_screen_background(); }
void draw_help_differences() { draw_screen_background(); }
void draw_help_yaku_rules() { draw_screen_background(); }
void draw_help_game_rules() { draw_screen_background(); }
void draw_help_yaku_list() { draw_screen_background(); }
void draw_help_advice() { draw_screen_background(); }

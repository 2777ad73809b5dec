#include "shell/input_front_end.h"

#include "base/scene_state.h"
#include "base/scenes.h"
#include "shell/input.h"

// The front-end screens draw their hover marks from the pointer position
// themselves, so pointer movement has nothing to do here.
void front_end_mouse_move() {}

void front_end_left_click() {
  switch (g_scene) {
    case SCENE_TITLE: click_title(); break;
    case SCENE_RESUME_QUESTION: click_resume_question(); break;
    case SCENE_MATCH_STANDINGS: click_match_standings(); break;
    case SCENE_MAIN_MENU: click_main_menu(); break;
    case SCENE_OPTIONS: click_options(); break;
    case SCENE_SUPPORT: click_support(); break;
    case SCENE_RULE_YAKU: click_rule_yaku(); break;
    case SCENE_LOCAL_YAKU: click_local_yaku(); break;
    case SCENE_CHARACTER_DATA: click_character_data(); break;
    case SCENE_DATA_DELETE: click_data_delete(); break;
    case SCENE_HELP_YAKU_RULES: click_help_yaku_rules(); break;
    case SCENE_HELP_YAKU_LIST: click_help_yaku_list(); break;
    default: break;  // the suspension notice and the plain help screens take no click
  }
}

void front_end_right_click() {
  switch (g_scene) {
    case SCENE_OPTIONS:
    case SCENE_SUPPORT:
    case SCENE_RULE_YAKU:
    case SCENE_LOCAL_YAKU:
    case SCENE_CHARACTER_DATA:
    case SCENE_DATA_DELETE:
    case SCENE_HELP_DIFFERENCES:
    case SCENE_HELP_YAKU_RULES:
    case SCENE_HELP_RULES:
    case SCENE_HELP_YAKU_LIST:
    case SCENE_HELP_ADVICE: leave_to_menu(); break;
    default: break;  // title, notice, question, standings and menu ignore the right button
  }
}

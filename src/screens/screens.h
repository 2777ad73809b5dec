// Front-end, setting, statistics and help screens: one draw routine per scene.
#pragma once

// Fills the off-screen surface with the screens' background.
void draw_screen_background();

void scene_title();
void scene_suspended();
void scene_resume_question();
void scene_match_standings();
void scene_main_menu();
void scene_options();
void scene_support();
void scene_rule_yaku();
void scene_local_yaku();
void scene_character_data();
void scene_data_delete();
void draw_help_differences();
void draw_help_yaku_rules();
void draw_help_game_rules();
void draw_help_yaku_list();
void draw_help_advice();

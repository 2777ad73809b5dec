// Front-end, setting, statistics and help screens: one draw routine per scene.
#pragma once

#include <cstdint>

// Fills the off-screen surface with the screens' background.
void draw_screen_background();

// The card the screens set their texts on: white with a gold edge, covering
// left..right x top..bottom; with `shadow`, a soft shadow below and to the right.
constexpr std::uint32_t kCardEdgeColour = 0xB08D3C;
void draw_card(int left, int top, int right, int bottom, bool shadow = true);

// The help screens' card spans these columns.
constexpr int kHelpCardLeft = 40;
constexpr int kHelpCardRight = 690;

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

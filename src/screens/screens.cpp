#include "screens/screens.h"

#include "shell/gdi.h"

void draw_screen_background() { draw_background(kBackgroundScreens); }

// Each screen draws its background; its own contents come with the screen.
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

#include "screens/screens.h"

// Until their contents are drawn these screens show the background.
void draw_help_differences() { draw_screen_background(); }
void draw_help_yaku_rules() { draw_screen_background(); }
void draw_help_game_rules() { draw_screen_background(); }
void draw_help_yaku_list() { draw_screen_background(); }
void draw_help_advice() { draw_screen_background(); }

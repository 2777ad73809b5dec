#include "screens/screens.h"

// Until their contents are drawn these screens show the background.
void scene_options() { draw_screen_background(); }
void scene_support() { draw_screen_background(); }
void scene_rule_yaku() { draw_screen_background(); }
void scene_local_yaku() { draw_screen_background(); }

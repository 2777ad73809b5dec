#include "screens/screens.h"

// Until their contents are drawn these screens show the background.
void scene_character_data() { draw_screen_background(); }
void scene_data_delete() { draw_screen_background(); }

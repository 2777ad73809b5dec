#include "shell/input.h"

#include "base/scene_state.h"
#include "base/scenes.h"

bool is_front_end_scene(int scene) {
  return (scene >= SCENE_TITLE && scene <= SCENE_LOCAL_YAKU && scene != SCENE_DEAL && scene != SCENE_SORT_HANDS &&
          scene != SCENE_INITIAL_FLOWERS) ||
         scene >= SCENE_HELP_DIFFERENCES;
}

void on_mouse_move() { is_front_end_scene(g_scene) ? front_end_mouse_move() : play_mouse_move(); }
void on_left_click() { is_front_end_scene(g_scene) ? front_end_left_click() : play_left_click(); }
void on_right_click() { is_front_end_scene(g_scene) ? front_end_right_click() : play_right_click(); }

#include "base/scene_state.h"

#include "base/scenes.h"

int g_scene = SCENE_TITLE;
int g_scene_frame = 0;
int g_mouse_x = 0;
int g_mouse_y = 0;

void reset_scene_state() {
  g_scene = SCENE_TITLE;
  g_scene_frame = 0;
  g_mouse_x = 0;
  g_mouse_y = 0;
}

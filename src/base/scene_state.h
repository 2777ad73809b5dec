// The scene in play and the pointer: what the frame loop, the table flow,
// the computer players and the screens all read.
#pragma once

#include "base/scenes.h"

struct SceneState {
  int scene = SCENE_TITLE;  // current scene number
  int scene_frame = 0;      // frames spent in the current scene, counted by waiting handlers
  int mouse_x = 0;          // client position of the last mouse message
  int mouse_y = 0;
};
extern SceneState g_scene_state;

inline auto& g_scene = g_scene_state.scene;
inline auto& g_scene_frame = g_scene_state.scene_frame;
inline auto& g_mouse_x = g_scene_state.mouse_x;
inline auto& g_mouse_y = g_scene_state.mouse_y;

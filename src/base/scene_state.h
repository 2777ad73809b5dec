// The scene in play and the pointer: what the frame loop, the table flow,
// the computer players and the screens all read.
#pragma once

extern int g_scene;        // current scene number (SCENE_TITLE at start)
extern int g_scene_frame;  // frames spent in the current scene, counted by waiting handlers
extern int g_mouse_x;      // client position of the last mouse message
extern int g_mouse_y;

// Back to the title scene, the pointer at the origin.
void reset_scene_state();

// State of the frame loop, the pointer and the on-table notices.
#pragma once

#include <cstdint>

extern int g_scene;          // current scene number (SCENE_TITLE at start)
extern int g_scene_frame;    // frames spent in the current scene, counted by waiting handlers
extern int g_notice_frames;  // frames left of the on-table notice after a toggle key
extern int g_notice_kind;    // 3 drawn-and-discarded display, 4 knitted-straight support
extern int g_mouse_x;        // client position of the last mouse message
extern int g_mouse_y;
extern int g_fps;                       // measured frames per second, 0 in the first second
extern int g_fps_frames;                // frames counted so far
extern int g_fps_sample_frames;         // frame count at the last sample
extern std::uint32_t g_fps_sample_ms;   // clock (ms) at the last sample

// Zeroes the shell state (scene back to the title).
void reset_shell_state();

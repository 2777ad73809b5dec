// State of the frame loop's own display: the on-table notice and the frame rate.
#pragma once

#include <cstdint>

extern int g_notice_frames;  // frames left of the on-table notice after a toggle key
extern int g_notice_kind;    // 3 drawn-and-discarded display, 4 knitted-straight support
extern int g_fps;                       // measured frames per second, 0 in the first second
extern int g_fps_frames;                // frames counted so far
extern int g_fps_sample_frames;         // frame count at the last sample
extern std::uint32_t g_fps_sample_ms;   // clock (ms) at the last sample

// Zeroes the shell state.
void reset_shell_state();

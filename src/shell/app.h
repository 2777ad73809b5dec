// The program's entry point, window procedure and frame.
#pragma once

#include <cstdint>

#include "platform/platform.h"

// Start-up of the windowed program: from a fresh program state that requires
// the bitmap sheets, reads the window position, opens the window and runs the
// loop; returns the loop's exit code.
int app_main();

// The window as app_main opens it (position read from data\win_xy.dat).
platform::WindowConfig app_window_config();

// Every message of the window arrives here.
int window_proc(platform::Message msg, int a, int b);

// Runs exactly one frame into the off-screen surface and shows it.
void frame_step();

// Counts a frame and returns the measured frames per second (0 in the first second).
int fps_tick();

// Makes window creation seed the random numbers with this value instead of the time
// (tests and the headless driver).
void set_fixed_seed(std::uint32_t seed);
void clear_fixed_seed();

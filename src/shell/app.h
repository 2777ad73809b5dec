// The program's entry point and window procedure.
#pragma once

#include "platform/platform.h"

// Start-up: reads the window position, opens the window and runs the loop;
// returns the loop's exit code.
int app_main();

// Every message of the window arrives here.
int window_proc(platform::Message msg, int a, int b);

// Runs exactly one frame into the off-screen surface and shows it.
void frame_step();

// Counts a frame and returns the measured frames per second.
int fps_tick();

// The headless backend's driver: runs the program's window procedure without
// a window, one frame at a time, for tests, screenshots and scripted play.
#pragma once

#include <string>
#include <vector>

#include "platform/platform.h"

namespace headless {

// Opens the window without a message loop: stores the procedure and delivers
// kMsgCreate. The seed replaces the time seed for the whole run.
void open(const platform::WindowConfig& config);
bool is_open();

// One timer tick: kMsgTimer then kMsgPaint.
void step_frames(int count = 1);
void mouse_move(int x, int y);
void left_click();   // at the last position (the program judges the previous one)
void right_click();
void left_click_at(int x, int y);  // move there, then click
void right_click_at(int x, int y);
void key(int virtual_key);

// Last surface presented (720 x 720), or the empty surface before any paint.
const platform::Surface& screen();
bool dump_png(const std::string& path);

// Every sound path requested through platform::play_sound, in order.
const std::vector<std::string>& sound_log();
void clear_sound_log();

// Every message box shown, "caption: text".
const std::vector<std::string>& message_log();

// Set when the program asked to end (destroy, quit or exit_program).
bool quit_requested();
int exit_code();

// Forgets the window and the logs so the next test starts clean.
void reset();

// The window rectangle the headless backend pretends the desktop has.
void set_desktop(platform::Rect desktop);

}  // namespace headless

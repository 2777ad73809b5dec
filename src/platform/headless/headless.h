// The headless backend's driver: runs the program's window procedure without
// a window, one frame at a time, for tests, screenshots and scripted play.
// Frames happen only when step_frames asks, and the clock is virtual: it
// starts at 0 when the window opens and advances 10 ms per frame.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace headless {

// What platform::exit_program throws in a headless run, so that a test can
// catch the program's fatal exit.
struct ExitRequested {
  int code;
};

// Opens the window without a message loop: stores the procedure, delivers
// kMsgCreate and then shows the window (so a creation that ends the
// program never shows it).
void open(const platform::WindowConfig& config);
bool is_open();
bool window_shown();

// Makes platform::seed_from_time use this seed instead of the time, until reset.
void set_time_seed(std::uint32_t seed);

// Frames that platform::run_window steps after opening (0 unless set); it
// returns the exit code when the program quit, else 0.
void set_run_frames(int frames);

// One timer tick per frame: kMsgTimer then kMsgPaint. Nothing once closed.
void step_frames(int count = 1);
void mouse_move(int x, int y);
void left_click();   // at the last position (the program judges the previous one)
void right_click();
void left_click_at(int x, int y);  // move there, then click
void right_click_at(int x, int y);
void key(int virtual_key);

// Last surface presented (720 x 720), its drawing finished, or the empty
// surface before any paint.
const platform::Surface& screen();
bool dump_png(const std::string& path);

// Every sound path requested through platform::play_sound, in order.
const std::vector<std::string>& sound_log();
// The requests whose file decodes, in order: what the window would play.
const std::vector<std::string>& played_sounds();
void clear_sound_log();  // both logs

// Every message box shown, "caption: text".
const std::vector<std::string>& message_log();

// Set when the program asked to end (destroy, quit or exit_program).
bool quit_requested();
int exit_code();

// Forgets the window, the logs, the seed and the clock so the next test
// starts clean (platform::reset_platform_state forgets the rest).
void reset();

// The displays the headless backend pretends to have, the first the
// primary (one of 0, 0, 1920, 1080 unless set).
void set_displays(std::vector<platform::Rect> displays);

}  // namespace headless

// The headless backend's state.
#pragma once

#include <string>
#include <unordered_map>
#include <vector>

#include "platform/platform.h"

namespace headless {

constexpr int kFrameMs = 10;  // virtual milliseconds per stepped frame

// What display_rects reports until a test sets other displays.
inline const std::vector<platform::Rect> kDefaultDisplays{{0, 0, 1920, 1080}};

struct HeadlessState {
  platform::WindowConfig config;  // as given to open(); proc null before
  bool open = false;              // between open() and the window's destruction
  bool shown = false;             // the window was shown: its creation went through
  int mouse_x = 0;                // client pixels of the last mouse_move
  int mouse_y = 0;
  platform::Surface screen;       // copy of the last surface given to present
  // The last surface given to present_on_demand (null when present came
  // later), and what completes its drawing before it is read.
  const platform::Surface* presented = nullptr;
  platform::FinishDrawing finish_presented = nullptr;
  std::vector<std::string> sound_log;    // play_sound paths, in order
  std::vector<std::string> played_log;   // those whose file decodes, in order
  std::unordered_map<std::string, bool> playable;  // whether each file decoded, by native path
  std::vector<std::string> message_log;  // "caption: text", in order
  bool quit = false;       // the program asked to end
  int exit_code = 0;       // post_quit's or exit_program's code, else 0
  std::vector<platform::Rect> displays = kDefaultDisplays;  // what display_rects reports
  int run_frames = 0;      // frames run_window steps after opening
};
extern HeadlessState g_headless_state;

inline auto& g_config = g_headless_state.config;
inline auto& g_open = g_headless_state.open;
inline auto& g_shown = g_headless_state.shown;
inline auto& g_mouse_x = g_headless_state.mouse_x;
inline auto& g_mouse_y = g_headless_state.mouse_y;
inline auto& g_screen = g_headless_state.screen;
inline auto& g_presented = g_headless_state.presented;
inline auto& g_finish_presented = g_headless_state.finish_presented;
inline auto& g_sound_log = g_headless_state.sound_log;
inline auto& g_played_log = g_headless_state.played_log;
inline auto& g_playable = g_headless_state.playable;
inline auto& g_message_log = g_headless_state.message_log;
inline auto& g_quit = g_headless_state.quit;
inline auto& g_exit_code = g_headless_state.exit_code;
inline auto& g_displays = g_headless_state.displays;
inline auto& g_run_frames = g_headless_state.run_frames;

// Hands a message to the program's procedure while the window is open.
void deliver(platform::Message msg, int a, int b);

}  // namespace headless

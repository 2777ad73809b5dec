// The headless backend's state.
#pragma once

#include <string>
#include <unordered_map>
#include <vector>

#include "platform/platform.h"

namespace headless {

constexpr int kFrameMs = 10;  // virtual milliseconds per stepped frame

extern platform::WindowConfig g_config;  // as given to open(); proc null before
extern bool g_open;                      // between open() and the window's destruction
extern bool g_shown;                     // the window was shown: its creation went through
extern int g_mouse_x;                    // client pixels of the last mouse_move
extern int g_mouse_y;
extern platform::Surface g_screen;       // copy of the last surface given to present
// The last surface given to present_on_demand (null when present came
// later), and what completes its drawing before it is read.
extern const platform::Surface* g_presented;
extern platform::FinishDrawing g_finish_presented;
extern std::vector<std::string> g_sound_log;    // play_sound paths, in order
extern std::vector<std::string> g_played_log;   // those whose file decodes, in order
extern std::unordered_map<std::string, bool> g_playable;  // whether each file decoded, by native path
extern std::vector<std::string> g_message_log;  // "caption: text", in order
extern bool g_quit;        // the program asked to end
extern int g_exit_code;    // post_quit's or exit_program's code, else 0
extern std::vector<platform::Rect> g_displays;  // what display_rects reports
extern int g_run_frames;   // frames run_window steps after opening

// Hands a message to the program's procedure while the window is open.
void deliver(platform::Message msg, int a, int b);

}  // namespace headless

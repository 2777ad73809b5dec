// Definitions of the headless backend's state and its reset.
#include "platform/headless/headless_state.h"

#include "platform/headless/headless.h"
#include "platform/platform_state.h"

namespace headless {

namespace {
const std::vector<platform::Rect> kDefaultDisplays{{0, 0, 1920, 1080}};
}  // namespace

platform::WindowConfig g_config;
bool g_open = false;
bool g_shown = false;
int g_mouse_x = 0;
int g_mouse_y = 0;
platform::Surface g_screen;
const platform::Surface* g_presented = nullptr;
platform::FinishDrawing g_finish_presented = nullptr;
std::vector<std::string> g_sound_log;
std::vector<std::string> g_played_log;
std::unordered_map<std::string, bool> g_playable;
std::vector<std::string> g_message_log;
bool g_quit = false;
int g_exit_code = 0;
std::vector<platform::Rect> g_displays = kDefaultDisplays;
int g_run_frames = 0;

void reset() {
  g_config = platform::WindowConfig();
  g_open = false;
  g_shown = false;
  g_mouse_x = 0;
  g_mouse_y = 0;
  g_screen = platform::Surface();
  g_presented = nullptr;
  g_finish_presented = nullptr;
  g_sound_log.clear();
  g_played_log.clear();
  g_playable.clear();
  g_message_log.clear();
  g_quit = false;
  g_exit_code = 0;
  g_displays = kDefaultDisplays;
  g_run_frames = 0;
  platform::g_fixed_time_seed = -1;
  platform::g_clock_virtual = false;
  platform::g_virtual_clock_ms = 0;
}

}  // namespace headless

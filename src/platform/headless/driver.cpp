// The test driver: opens the window, steps frames and sends input.
#include <utility>

#include "platform/headless/headless.h"
#include "platform/headless/headless_state.h"
#include "platform/platform_state.h"

namespace headless {

void deliver(platform::Message msg, int a, int b) {
  if (g_open && g_config.proc) g_config.proc(msg, a, b);
}

void open(const platform::WindowConfig& config) {
  g_config = config;
  g_open = true;
  g_quit = false;
  g_exit_code = 0;
  platform::g_clock_virtual = true;
  platform::g_virtual_clock_ms = 0;
  deliver(platform::kMsgCreate, 0, 0);
  g_shown = g_open;
}

bool is_open() { return g_open; }
bool window_shown() { return g_shown; }

void set_time_seed(std::uint32_t seed) { platform::g_fixed_time_seed = seed; }

void set_run_frames(int frames) { g_run_frames = frames; }

void step_frames(int count) {
  for (int i = 0; i < count && g_open; ++i) {
    platform::g_virtual_clock_ms += kFrameMs;
    deliver(platform::kMsgTimer, 0, 0);
    deliver(platform::kMsgPaint, 0, 0);
  }
}

void mouse_move(int x, int y) {
  g_mouse_x = x;
  g_mouse_y = y;
  deliver(platform::kMsgMouseMove, x, y);
}

void left_click() { deliver(platform::kMsgLeftDown, g_mouse_x, g_mouse_y); }
void right_click() { deliver(platform::kMsgRightDown, g_mouse_x, g_mouse_y); }

void left_click_at(int x, int y) {
  mouse_move(x, y);
  left_click();
}

void right_click_at(int x, int y) {
  mouse_move(x, y);
  right_click();
}

void key(int virtual_key) { deliver(platform::kMsgKeyDown, virtual_key, 0); }

const platform::Surface& screen() {
  if (g_presented == nullptr) return g_screen;
  if (g_finish_presented != nullptr) g_finish_presented();
  return *g_presented;
}

bool dump_png(const std::string& path) { return platform::save_png(path, screen()); }

const std::vector<std::string>& sound_log() { return g_sound_log; }
const std::vector<std::string>& played_sounds() { return g_played_log; }
void clear_sound_log() {
  g_sound_log.clear();
  g_played_log.clear();
}
const std::vector<std::string>& message_log() { return g_message_log; }

bool quit_requested() { return g_quit; }
int exit_code() { return g_exit_code; }

void set_displays(std::vector<platform::Rect> displays) { g_displays = std::move(displays); }

}  // namespace headless

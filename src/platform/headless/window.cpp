// The platform's window, sound and exit services without a window.
#include <string>

#include "platform/headless/headless.h"
#include "platform/headless/headless_state.h"
#include "platform/wave.h"

namespace platform {

int run_window(const WindowConfig& config) {
  headless::open(config);
  headless::step_frames(headless::g_run_frames);
  return headless::g_quit ? headless::g_exit_code : 0;
}

void present(const Surface& surface) {
  headless::g_screen = surface;
  headless::g_presented = nullptr;
}

void present_on_demand(const Surface& surface, FinishDrawing finish) {
  headless::g_presented = &surface;
  headless::g_finish_presented = finish;
}

// No frame: the outer rectangle is the client area where it was placed.
Rect window_rect() {
  const WindowConfig& c = headless::g_config;
  return Rect{c.left, c.top, c.left + c.client_width, c.top + c.client_height};
}

std::vector<Rect> display_rects() { return headless::g_displays; }

void destroy_window() {
  if (!headless::g_open) return;
  // Closed first, so that a destroy handler calling back here returns at once.
  headless::g_open = false;
  headless::g_quit = true;
  if (headless::g_config.proc) headless::g_config.proc(kMsgDestroy, 0, 0);
}

void post_quit(int code) {
  headless::g_quit = true;
  headless::g_exit_code = code;
}

void message_box(std::string_view text, std::string_view caption) {
  headless::g_message_log.push_back(std::string(caption) + ": " + std::string(text));
}

void exit_program(int code) {
  headless::g_open = false;
  headless::g_quit = true;
  headless::g_exit_code = code;
  throw headless::ExitRequested{code};
}

// Decoded as the window decodes it, once per file.
void play_sound(const std::string& path) {
  headless::g_sound_log.push_back(path);
  const std::string file = native_path(path);
  auto known = headless::g_playable.find(file);
  if (known == headless::g_playable.end()) {
    std::vector<std::int16_t> samples;
    known = headless::g_playable.emplace(file, load_wave(file, samples)).first;
  }
  if (known->second) headless::g_played_log.push_back(path);
}

}  // namespace platform

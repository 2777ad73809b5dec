#include "shell/app.h"

#include "base/options.h"
#include "base/scene_state.h"
#include "base/sound.h"
#include "draw/gdi.h"
#include "shell/data_files.h"
#include "shell/input.h"
#include "shell/keys.h"
#include "shell/program_state.h"
#include "shell/scene_table.h"
#include "shell/shell_state.h"
#include "shell/sound_player.h"
#include "shell/start_files.h"
#include "shell/window_pos.h"

namespace {

constexpr int kFpsDigitWidth = 9;
constexpr int kFpsDigitHeight = 15;
constexpr int kFpsDigitPitch = 10;  // digit d at x = 10 d of the digit sheet
constexpr int kFpsX = 684;
constexpr int kFpsY = 10;
constexpr int kFpsSheet = 101;
constexpr int kStartFileFailure = -1;  // a file the start needs cannot be read

void on_create() {
  platform::rand_seed(g_fixed_seed ? *g_fixed_seed : platform::seed_from_time());
  platform::rand15();  // the first number is dropped
  g_fps_sample_ms = platform::clock_ms();
  g_fps_sample_frames = g_fps_frames;
  gdi_setup(g_files_required ? platform::BitmapLoad::Now : platform::BitmapLoad::Lazily);
  load_hai_table();
  if (!load_sound_files()) platform::exit_program(kStartFileFailure);
  if (g_files_required && !(check_bitmap_sheets() && check_text_face())) platform::exit_program(kStartFileFailure);
  remove_interrupted_saves();
}

void on_destroy() {
  const platform::Rect rect = platform::window_rect();
  write_window_pos({rect.left, rect.top});
  platform::post_quit(0);
}

void draw_frame_rate() {
  const int value = fps_tick() % 1000;
  const int digits[3] = {value / 100, value / 10 % 10, value % 10};
  for (int i = 0; i < 3; ++i)
    blit_bitmap(kFpsX + kFpsDigitWidth * i, kFpsY, kFpsDigitWidth, kFpsDigitHeight, kFpsSheet,
                kFpsDigitPitch * digits[i], 0);
}

}  // namespace

void set_fixed_seed(std::uint32_t seed) { g_fixed_seed = seed; }
void clear_fixed_seed() { g_fixed_seed.reset(); }

platform::WindowConfig app_window_config() {
  const WindowPos pos = read_window_pos();
  platform::WindowConfig config;
  config.left = pos.left;
  config.top = pos.top;
  config.proc = window_proc;
  return config;
}

int app_main() {
  reset_program_state();
  g_files_required = true;
  return platform::run_window(app_window_config());
}

int fps_tick() {
  ++g_fps_frames;
  const std::uint32_t now = platform::clock_ms();
  const std::uint32_t elapsed = now - g_fps_sample_ms;
  if (elapsed > 1000) {
    g_fps = static_cast<int>(static_cast<std::int64_t>(g_fps_frames - g_fps_sample_frames) * 1000 / elapsed);
    g_fps_sample_frames = g_fps_frames;
    g_fps_sample_ms = now;
  }
  return g_fps;
}

void frame_step() {
  if (g_notice_frames > 0) --g_notice_frames;
  dispatch_scene(g_scene);
  if (option_on(opt_frame_rate)) draw_frame_rate();
  platform::present_on_demand(g_back_surface, finish_drawing_changes);
}

int window_proc(platform::Message msg, int a, int b) {
  switch (msg) {
    case platform::kMsgCreate: on_create(); break;
    case platform::kMsgTimer: break;  // the backend follows every tick with a paint
    case platform::kMsgPaint:
      frame_step();
      play_pending_voice();
      play_pending_se();
      break;
    case platform::kMsgMouseMove:
      g_mouse_x = a;
      g_mouse_y = b;
      on_mouse_move();
      break;
    case platform::kMsgLeftDown:
      on_left_click();
      g_mouse_x = a;
      g_mouse_y = b;
      on_mouse_move();
      break;
    case platform::kMsgRightDown:
      on_right_click();
      g_mouse_x = a;
      g_mouse_y = b;
      on_mouse_move();
      break;
    case platform::kMsgKeyDown: on_key_down(a); break;
    case platform::kMsgDestroy: on_destroy(); break;
  }
  return 0;
}

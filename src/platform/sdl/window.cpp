// The program's window on SDL: creation, the 10 ms frame loop and its events.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/sdl/sdl_state.h"

namespace sdl {

namespace {

constexpr const char* kStartFailed = "エラーにより強制終了します";
constexpr const char* kNeedsDesktop = "このゲームにはグラフィカルなデスクトップ (DISPLAY または WAYLAND_DISPLAY) が必要です\n";

bool set_in_environment(const char* name) {
  const char* value = std::getenv(name);
  return value && *value;
}

// The displays the environment names, for saying which could not be reached.
std::string named_displays() {
  std::string names;
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY"})
    if (set_in_environment(name)) names += (names.empty() ? "" : " / ") + std::string(name) + "=" + std::getenv(name);
  return names;
}

// Why no window can open, or "" when video runs. A driver named in
// SDL_VIDEODRIVER is the user's choice and taken as it comes; otherwise only
// a desktop's display will do, since SDL would fall back to drawing off
// screen and the game would run unseen.
std::string start_video() {
  if (SDL_WasInit(SDL_INIT_VIDEO)) return "";
  const bool chosen = set_in_environment("SDL_VIDEODRIVER");
  if (!chosen && named_displays().empty()) return std::string(kNeedsDesktop) + "DISPLAY も WAYLAND_DISPLAY も設定されていません";
  if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
    const std::string error = SDL_GetError();
    if (chosen) return "画面を開けません\n" + error;
    return std::string(kNeedsDesktop) + named_displays() + " に接続できません\n" + error;
  }
  const std::string driver = SDL_GetCurrentVideoDriver();
  if (chosen || (driver != "offscreen" && driver != "dummy")) return "";
  SDL_QuitSubSystem(SDL_INIT_VIDEO);
  return std::string(kNeedsDesktop) + named_displays() + " に接続できません";
}

// Moves the window so that its outer corner, frame included, lands at
// (left, top); the frame is known only once the window is shown.
void place_outer_corner(int left, int top) {
  const platform::Rect outer = platform::window_rect();
  if (outer.left == left && outer.top == top) return;
  int x = 0, y = 0;
  SDL_GetWindowPosition(g_window, &x, &y);
  SDL_SetWindowPosition(g_window, x + left - outer.left, y + top - outer.top);
}

bool create_window() {
  const platform::WindowConfig& c = g_config;
  g_window = SDL_CreateWindow(c.caption, c.left, c.top, c.client_width, c.client_height, SDL_WINDOW_HIDDEN);
  if (!g_window) return false;
  if (!open_drawing_target()) return false;
  return true;
}

// Shown only once the create message went through, so that a start-up that
// ends there (a sound file that cannot be read) never shows the window.
void show_window() {
  SDL_ShowWindow(g_window);
  SDL_PumpEvents();
  place_outer_corner(g_config.left, g_config.top);
}

// What the window system asks for; the picture is shown only when it changed
// and again when the window system lost it.
void on_window_event(Uint8 event) {
  switch (event) {
    case SDL_WINDOWEVENT_CLOSE: platform::destroy_window(); break;
    case SDL_WINDOWEVENT_SHOWN:
    case SDL_WINDOWEVENT_EXPOSED:
    case SDL_WINDOWEVENT_RESTORED:
    case SDL_WINDOWEVENT_MAXIMIZED:
    case SDL_WINDOWEVENT_SIZE_CHANGED:
    case SDL_WINDOWEVENT_DISPLAY_CHANGED: g_show_whole = true; break;
    default: break;
  }
}

void handle(const SDL_Event& e) {
  switch (e.type) {
    case SDL_QUIT: platform::destroy_window(); break;
    case SDL_WINDOWEVENT: on_window_event(e.window.event); break;
    // The desktop or the renderer changed under the window: its picture is shown again.
    case SDL_DISPLAYEVENT:
    case SDL_RENDER_TARGETS_RESET:
    case SDL_RENDER_DEVICE_RESET: g_show_whole = true; break;
    case SDL_MOUSEMOTION: deliver(platform::kMsgMouseMove, e.motion.x, e.motion.y); break;
    case SDL_MOUSEBUTTONDOWN:
      if (e.button.button == SDL_BUTTON_LEFT) deliver(platform::kMsgLeftDown, e.button.x, e.button.y);
      if (e.button.button == SDL_BUTTON_RIGHT) deliver(platform::kMsgRightDown, e.button.x, e.button.y);
      break;
    case SDL_KEYDOWN:  // auto-repeat included, as the keyboard sends it
      if (const int vk = virtual_key(e.key.keysym.sym); vk >= 0) deliver(platform::kMsgKeyDown, vk, 0);
      break;
    default: break;
  }
}

// Runs until the window is gone. A frame that comes late is run once, and the
// next is due a full period after it: missed ticks are not made up.
// The loop sleeps until the frame is due and then takes every event that
// came meanwhile, in order: the frame shows them all the same, and asking
// the display for events (a round of system calls) happens once a frame at
// rest instead of on every wake-up of a wait for events.
void message_loop() {
  Uint64 due = SDL_GetTicks64() + kTickMs;
  SDL_Event e;
  while (g_window && !g_quit) {
    const Uint64 now = SDL_GetTicks64();
    if (now < due) SDL_Delay(static_cast<Uint32>(due - now));
    while (g_window && SDL_PollEvent(&e)) handle(e);
    if (!g_window) break;
    const Uint64 at = SDL_GetTicks64();
    due = at - due >= kTickMs ? at + kTickMs : due + kTickMs;
    deliver(platform::kMsgTimer, 0, 0);
    deliver(platform::kMsgPaint, 0, 0);
  }
}

}  // namespace

void deliver(platform::Message msg, int a, int b) {
  if (g_window && g_config.proc) g_config.proc(msg, a, b);
}

}  // namespace sdl

namespace platform {

int run_window(const WindowConfig& config) {
  sdl::g_config = config;
  sdl::g_quit = false;
  sdl::g_exit_code = 0;
  std::string failure = sdl::start_video();
  if (failure.empty() && !sdl::create_window()) failure = std::string("ウィンドウを開けません\n") + SDL_GetError();
  if (!failure.empty()) {
    message_box(failure, sdl::kStartFailed);
    sdl::release_sdl();
    return 1;
  }
  sdl::deliver(kMsgCreate, 0, 0);
  if (sdl::g_window) sdl::show_window();
  sdl::message_loop();
  // A window that ends without post_quit still ends the run.
  const int code = sdl::g_exit_code;
  sdl::release_sdl();
  return code;
}

Rect window_rect() {
  if (!sdl::g_window) return sdl::g_last_rect;
  int x = 0, y = 0, w = 0, h = 0;
  SDL_GetWindowPosition(sdl::g_window, &x, &y);
  SDL_GetWindowSize(sdl::g_window, &w, &h);
  int top = 0, left = 0, bottom = 0, right = 0;
  if (SDL_GetWindowBordersSize(sdl::g_window, &top, &left, &bottom, &right) != 0) top = left = bottom = right = 0;
  sdl::g_last_rect = Rect{x - left, y - top, x + w + right, y + h + bottom};
  return sdl::g_last_rect;
}

std::vector<Rect> display_rects() {
  std::vector<Rect> rects;
  if (!sdl::start_video().empty()) return rects;
  for (int i = 0; i < SDL_GetNumVideoDisplays(); ++i) {
    SDL_Rect usable{0, 0, 0, 0};
    if (SDL_GetDisplayUsableBounds(i, &usable) == 0 && usable.w > 0 && usable.h > 0)
      rects.push_back(Rect{usable.x, usable.y, usable.x + usable.w, usable.y + usable.h});
  }
  return rects;
}

void destroy_window() {
  if (!sdl::g_window || sdl::g_destroying) return;
  sdl::g_destroying = true;
  sdl::deliver(kMsgDestroy, 0, 0);
  window_rect();  // kept for anyone asking after the window is gone
  sdl::close_drawing_target();
  SDL_DestroyWindow(sdl::g_window);
  sdl::g_window = nullptr;
  sdl::g_show_whole = true;
  sdl::g_destroying = false;
}

void post_quit(int code) {
  sdl::g_quit = true;
  sdl::g_exit_code = code;
}

void message_box(std::string_view text, std::string_view caption) {
  const std::string t(text), c(caption);
  std::fprintf(stderr, "%s: %s\n", c.c_str(), t.c_str());
  // A window not shown yet is no parent: the box stands alone.
  SDL_Window* parent = sdl::g_window && (SDL_GetWindowFlags(sdl::g_window) & SDL_WINDOW_SHOWN) ? sdl::g_window : nullptr;
  if (SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_INFORMATION, c.c_str(), t.c_str(), parent) != 0)
    std::fprintf(stderr, "the message box could not be shown: %s\n", SDL_GetError());
}

void exit_program(int code) {
  sdl::release_sdl();
  std::exit(code);
}

}  // namespace platform

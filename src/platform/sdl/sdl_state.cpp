// Definitions of the SDL backend's state and its release.
#include "platform/sdl/sdl_state.h"

namespace sdl {

platform::WindowConfig g_config;
SDL_Window* g_window = nullptr;
SDL_Renderer* g_renderer = nullptr;
SDL_Texture* g_texture = nullptr;
bool g_show_whole = true;
bool g_destroying = false;
bool g_quit = false;
int g_exit_code = 0;
platform::Rect g_last_rect;

bool g_audio_tried = false;
SDL_AudioDeviceID g_audio_device = 0;
SDL_AudioSpec g_audio_spec{};
std::unordered_map<std::string, std::vector<std::int16_t>> g_sounds;

void reset_sdl_state() {
  close_drawing_target();
  if (g_window) SDL_DestroyWindow(g_window);
  if (g_audio_device) SDL_CloseAudioDevice(g_audio_device);
  g_config = platform::WindowConfig();
  g_window = nullptr;
  g_show_whole = true;
  g_destroying = false;
  g_quit = false;
  g_exit_code = 0;
  g_last_rect = platform::Rect();
  g_audio_tried = false;
  g_audio_device = 0;
  g_audio_spec = SDL_AudioSpec{};
  g_sounds.clear();
}

void release_sdl() {
  reset_sdl_state();
  SDL_Quit();
}

}  // namespace sdl

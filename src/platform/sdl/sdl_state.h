// The SDL backend's state: the window, its drawing target and the audio device.
#pragma once

#include <SDL.h>

#include <cstdint>
#include <span>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/platform.h"

namespace sdl {

constexpr Uint64 kTickMs = 10;  // the frame timer's period

struct SdlState {
  platform::WindowConfig config;      // as given to run_window
  SDL_Window* window = nullptr;       // null before creation and after destruction
  SDL_Renderer* renderer = nullptr;   // null while the window's own surface is drawn to
  SDL_Texture* texture = nullptr;     // the renderer's: streaming, client-sized, 0x00RRGGBB
  bool show_whole = true;             // the next present shows the whole picture (new or exposed window)
  bool destroying = false;            // kMsgDestroy is being delivered
  bool quit = false;                  // post_quit was called
  int exit_code = 0;                  // post_quit's code
  platform::Rect last_rect;           // outer rectangle when last asked, kept after destruction

  bool audio_tried = false;            // the device was opened or found missing
  SDL_AudioDeviceID audio_device = 0;  // 0: no device, sounds are dropped
  SDL_AudioSpec audio_spec{};          // the device's own format
  // Wave files already decoded to the play format, by native path; empty for
  // a file that cannot be played.
  std::unordered_map<std::string, std::vector<std::int16_t>> sounds;
};
extern SdlState g_sdl_state;

inline auto& g_config = g_sdl_state.config;
inline auto& g_window = g_sdl_state.window;
inline auto& g_renderer = g_sdl_state.renderer;
inline auto& g_texture = g_sdl_state.texture;
inline auto& g_show_whole = g_sdl_state.show_whole;
inline auto& g_destroying = g_sdl_state.destroying;
inline auto& g_quit = g_sdl_state.quit;
inline auto& g_exit_code = g_sdl_state.exit_code;
inline auto& g_last_rect = g_sdl_state.last_rect;
inline auto& g_audio_tried = g_sdl_state.audio_tried;
inline auto& g_audio_device = g_sdl_state.audio_device;
inline auto& g_audio_spec = g_sdl_state.audio_spec;
inline auto& g_sounds = g_sdl_state.sounds;

// Hands a message to the program's procedure while the window exists.
void deliver(platform::Message msg, int a, int b);

// The window's drawing target: its own surface, or else a renderer and a
// texture. Opened once the window exists, closed before it goes.
bool open_drawing_target();
void close_drawing_target();

// Shows the boxes of the surface (the whole of it when g_show_whole is set);
// nothing without a box.
void present_boxes(const platform::Surface& surface, std::span<const platform::Rect> boxes);

// The program's virtual-key code of an SDL key, or -1 for keys it ignores.
int virtual_key(SDL_Keycode key);

// Closes the window and the audio device and forgets every sound; SDL stays
// initialised until release_sdl.
void reset_sdl_state();
void release_sdl();

}  // namespace sdl

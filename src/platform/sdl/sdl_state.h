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

extern platform::WindowConfig g_config;  // as given to run_window
extern SDL_Window* g_window;             // null before creation and after destruction
extern SDL_Renderer* g_renderer;         // null while the window's own surface is drawn to
extern SDL_Texture* g_texture;           // the renderer's: streaming, client-sized, 0x00RRGGBB
extern bool g_show_whole;                // the next present shows the whole picture (new or exposed window)
extern bool g_destroying;                // kMsgDestroy is being delivered
extern bool g_quit;                      // post_quit was called
extern int g_exit_code;                  // post_quit's code
extern platform::Rect g_last_rect;       // outer rectangle when last asked, kept after destruction

extern bool g_audio_tried;               // the device was opened or found missing
extern SDL_AudioDeviceID g_audio_device;  // 0: no device, sounds are dropped
extern SDL_AudioSpec g_audio_spec;        // the device's own format
// Wave files already decoded to the play format, by native path; empty for
// a file that cannot be played.
extern std::unordered_map<std::string, std::vector<std::int16_t>> g_sounds;

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

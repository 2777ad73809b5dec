// Every piece of the SDL backend's state, defined and reset here, and its release.
#include "platform/sdl/sdl_state.h"

#include "platform/state_list.h"

namespace sdl {

#define SDL_STATE(X) X(SdlState, g_sdl_state, forget_sdl_state)

SDL_STATE(RUVELKA_DEFINE_STATE)

void reset_sdl_state() {
  // What SDL holds for us is given back before the handles are forgotten.
  close_drawing_target();
  if (g_window) SDL_DestroyWindow(g_window);
  if (g_audio_device) SDL_CloseAudioDevice(g_audio_device);
  SDL_STATE(RUVELKA_RESET_STATE)
}

void release_sdl() {
  reset_sdl_state();
  SDL_Quit();
}

}  // namespace sdl

void platform::reset_backend_state() { sdl::reset_sdl_state(); }

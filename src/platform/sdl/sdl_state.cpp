// Every piece of the SDL backend's state, defined and reset here, and its release.
#include "platform/sdl/sdl_state.h"

#include "platform/state_list.h"

namespace sdl {

#define SDL_STATE(X) X(SdlState, g_sdl_state, forget_sdl_state)

SDL_STATE(RUVELKA_DEFINE_STATE)

void reset_sdl_state() {
  // What SDL holds for us is given back before the handles are forgotten.
  if (g_texture) SDL_DestroyTexture(g_texture);
  if (g_renderer) SDL_DestroyRenderer(g_renderer);
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

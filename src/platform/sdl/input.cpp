// SDL keys as the program's virtual-key codes.
#include "platform/sdl/sdl_state.h"

namespace sdl {

int virtual_key(SDL_Keycode key) {
  switch (key) {
    case SDLK_RETURN:
    case SDLK_KP_ENTER: return platform::kVkReturn;
    case SDLK_ESCAPE: return platform::kVkEscape;
    case SDLK_LEFT: return platform::kVkLeft;
    case SDLK_UP: return platform::kVkUp;
    case SDLK_RIGHT: return platform::kVkRight;
    case SDLK_DOWN: return platform::kVkDown;
    case SDLK_SPACE: return ' ';
    default: break;
  }
  if (key >= SDLK_a && key <= SDLK_z) return 'A' + (key - SDLK_a);
  if (key >= SDLK_0 && key <= SDLK_9) return '0' + (key - SDLK_0);
  if (key >= SDLK_KP_1 && key <= SDLK_KP_9) return '1' + (key - SDLK_KP_1);
  if (key == SDLK_KP_0) return '0';
  return -1;
}

}  // namespace sdl

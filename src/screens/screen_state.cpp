// Every piece of the screens' state, defined and reset here.
#include "screens/screen_state.h"

#include "platform/state_list.h"

#define SCREEN_STATE(X) X(ScreenState, g_screen_state, reset_screen_state)

SCREEN_STATE(RUVELKA_DEFINE_STATE)

void reset_screens_floor() { SCREEN_STATE(RUVELKA_RESET_STATE) }

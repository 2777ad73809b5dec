// Every piece of the platform layer's state, defined and reset here; the
// backend has its own (reset_backend_state).
#include "platform/platform_state.h"

#include "platform/state_list.h"

namespace platform {

const Surface g_no_sheet;

#define PLATFORM_STATE(X) X(PlatformState, g_platform_state, reset_platform_values)

PLATFORM_STATE(RUVELKA_DEFINE_STATE)

void reset_platform_state() {
  release_font();  // the handles are given back before their fields are forgotten
  PLATFORM_STATE(RUVELKA_RESET_STATE)
}

}  // namespace platform

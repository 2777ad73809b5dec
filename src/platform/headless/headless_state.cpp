// Every piece of the headless backend's state, defined and reset here.
#include "platform/headless/headless_state.h"

#include "platform/headless/headless.h"
#include "platform/platform_state.h"
#include "platform/state_list.h"

namespace headless {

#define HEADLESS_STATE(X) X(HeadlessState, g_headless_state, reset_headless_state)

HEADLESS_STATE(RUVELKA_DEFINE_STATE)

void reset() {
  HEADLESS_STATE(RUVELKA_RESET_STATE)
  platform::g_fixed_time_seed = -1;
  platform::g_clock_virtual = false;
  platform::g_virtual_clock_ms = 0;
}

}  // namespace headless

void platform::reset_backend_state() { headless::reset_headless_state(); }

#include "shell/program_state.h"

#include "base/base_state.h"
#include "com/com_state.h"
#include "draw/draw_state.h"
#include "flow/flow_state.h"
#include "platform/platform.h"
#include "screens/screen_state.h"
#include "shell/shell_state.h"

// One call per floor, bottom first; each floor's reset reaches every piece
// of state its list names. The core holds no state but the one-suit table,
// which is filled once per run and never changes after.
void reset_program_state() {
  platform::reset_platform_state();
  platform::reset_backend_state();
  reset_base_floor();
  reset_com_floor();
  reset_flow_floor();
  reset_draw_floor();
  reset_screens_floor();
  reset_shell_floor();
}

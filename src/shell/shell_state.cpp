// Every piece of the shell floor's state, defined and reset here.
#include "shell/shell_state.h"

#include "platform/state_list.h"
#include "shell/table_centre.h"
#include "shell/tile_draw.h"

#define SHELL_STATE(X)                          \
  X(ShellState, g_shell_state, reset_shell_state) \
  X(TableCentreState, g_table_centre_state, reset_table_centre_state) \
  X(RiverDrawState, g_river_draw_state, reset_river_draw_state)

SHELL_STATE(RUVELKA_DEFINE_STATE)

void reset_shell_floor() { SHELL_STATE(RUVELKA_RESET_STATE) }

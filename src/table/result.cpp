#include "table/result.h"

// Filled by the subsystem that owns these scenes.
void exhaustive_draw_phase() {}
void win_phase() {}
void hand_result_phase() {}

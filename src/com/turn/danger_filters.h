// The opponent-danger filters' own state. The filters themselves are
// declared with the other cascade places (cascade_places.h).
#pragma once

#include "core/tiles.h"

// The pool as the running danger filter found it on entry; put back when
// holding tiles back would leave no tile 1-37 to discard.
struct DangerFilterState {
  int work_hand_backup[kHandSlots]{};
};
extern DangerFilterState g_danger_filter_state;

inline auto& g_ai_work_hand_backup = g_danger_filter_state.work_hand_backup;

void reset_danger_filter_state();

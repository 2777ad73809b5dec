// The flow floor's state, and its reset: every piece back to its fresh value.
#pragma once

#include "platform/state_snapshot.h"

// While the user's turn waits for a discard, the computer players' aims and
// the advised discard are computed once and then only again when the game
// state they are computed from has changed.
struct UserTurnMemo {
  StateSnapshot after;   // the game state the last computation started from
  bool settled = false;  // that computation left the state as it found it
};

struct FlowState {
  UserTurnMemo user_turn;
};
extern FlowState g_flow_state;

void reset_flow_floor();

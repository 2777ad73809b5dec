// Every piece of the flow floor's state, defined and reset here.
#include "flow/flow_state.h"

#include "platform/state_list.h"

#define FLOW_STATE(X) X(FlowState, g_flow_state, reset_flow_state)

FLOW_STATE(RUVELKA_DEFINE_STATE)

void reset_flow_floor() { FLOW_STATE(RUVELKA_RESET_STATE) }

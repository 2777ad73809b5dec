#include <cstring>

#include "com/turn/cascade_places.h"
#include "table/table_state.h"

// The place of the ready-hand evaluator; until it lands the cascade goes on
// to the defence and shape rules for every hand.
void ai_pick_ready_discard(int /*seat*/) {}

void invalidate_ready_records(int seat) { std::memset(g_seat_state[seat].eval, 0, sizeof g_seat_state[seat].eval); }

#include "com/claim/claim_rules.h"

#include "com/target/com_target.h"

// Calls tried on a copy of the hand: taken when they leave the seat ready
// with enough points or with a better ready hand. Each body is the place the
// rule's own cases fill; until they land the rule decides nothing.

void naki_to_get_ready(int /*seat*/, int /*min_points*/) {}

void naki_for_better_ready_hand(int /*seat*/) {}

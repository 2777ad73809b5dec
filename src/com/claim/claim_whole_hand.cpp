#include "com/claim/claim_rules.h"

#include "com/target/com_target.h"

// Claims of the chicken hand and all types.
// Past its gate each body is the place the rule's own cases fill; until
// they land the rule decides nothing.

void naki_chicken_hand(int seat) {
  if (!aims_at_any(seat, {40})) return;
}

void naki_all_types(int seat) {
  if (!aims_at_any(seat, {30})) return;
}

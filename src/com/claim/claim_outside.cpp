#include "com/claim/claim_rules.h"

#include "com/target/com_target.h"

// Claims of the outside hand.
// Past its gate each body is the place the rule's own cases fill; until
// they land the rule decides nothing.

void naki_outside_hand(int seat) {
  if (!aims_at_any(seat, {23})) return;
}

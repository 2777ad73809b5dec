#include "com/claim/claim_rules.h"

#include "com/target/com_target.h"

// Claims of the one-suit patterns.
// Past its gate each body is the place the rule's own cases fill; until
// they land the rule decides nothing.

void naki_one_suit(int seat) {
  if (!aims_at_any(seat, {31, 55, 75, 79})) return;
}

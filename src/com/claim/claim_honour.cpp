#include "com/claim/claim_rules.h"

#include "com/target/com_target.h"

// Claims of the big winds and dragons.
// Past its gate each body is the place the rule's own cases fill; until
// they land the rule decides nothing.

void naki_big_four_winds(int seat) {
  if (!aims_at_any(seat, {73})) return;
}

void naki_big_three_dragons(int seat) {
  if (!aims_at_any(seat, {74})) return;
}

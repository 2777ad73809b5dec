#include "com/claim/claim_rules.h"

#include "com/target/com_target.h"

// Claims toward the three template chows of a chow pattern.
// Past its gate each body is the place the rule's own cases fill; until
// they land the rule decides nothing.

void naki_chow_patterns(int seat) {
  if (!aims_at_any(seat, {27, 33, 35, 47, 49})) return;
}

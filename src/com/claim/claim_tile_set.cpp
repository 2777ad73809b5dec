#include "com/claim/claim_rules.h"

#include "com/target/com_target.h"

// Claims of the tile-set patterns.
// Past its gate each body is the place the rule's own cases fill; until
// they land the rule decides nothing.

void naki_reversible_tiles(int seat) {
  if (!aims_at_any(seat, {41})) return;
}

void naki_all_green(int seat) {
  if (!aims_at_any(seat, {78})) return;
}

void naki_all_fives(int seat) {
  if (!aims_at_any(seat, {52})) return;
}

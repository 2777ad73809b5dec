#include "com/claim/claim_rules.h"

#include "com/target/com_target.h"

// Claims of the tile-range patterns.
// Past its gate each body is the place the rule's own cases fill; until
// they land the rule decides nothing.

void naki_upper_tiles(int seat) {
  if (!aims_at_any(seat, {59})) return;
}

void naki_middle_tiles(int seat) {
  if (!aims_at_any(seat, {60})) return;
}

void naki_lower_tiles(int seat) {
  if (!aims_at_any(seat, {61})) return;
}

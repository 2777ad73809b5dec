#include "com/claim/claim_rules.h"

#include "com/target/com_target.h"

// Claims of the fixed chow layouts and the knitted straight.
// Past its gate each body is the place the rule's own cases fill; until
// they land the rule decides nothing.

void naki_knitted_straight(int seat) {
  if (!aims_at_any(seat, {43})) return;
}

void naki_three_suited_terminal_chows(int seat) {
  if (!aims_at_any(seat, {48})) return;
}

void naki_pure_triple_chow(int seat) {
  if (!aims_at_any(seat, {53})) return;
}

void naki_four_pure_shifted_chows(int seat) {
  if (!aims_at_any(seat, {62})) return;
}

void naki_quadruple_chow(int seat) {
  if (!aims_at_any(seat, {65})) return;
}

void naki_pure_terminal_chows(int seat) {
  if (!aims_at_any(seat, {68})) return;
}

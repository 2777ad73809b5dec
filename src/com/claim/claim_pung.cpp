#include "com/claim/claim_rules.h"

#include "com/target/com_target.h"

// Claims of the pung patterns.
// Past its gate each body is the place the rule's own cases fill; until
// they land the rule decides nothing.

void naki_all_pungs(int seat) {
  if (!aims_at_any(seat, {28})) return;
}

void naki_mixed_shifted_pungs(int seat) {
  if (!aims_at_any(seat, {34})) return;
}

void naki_triple_pung(int seat) {
  if (!aims_at_any(seat, {50})) return;
}

void naki_pure_shifted_pungs(int seat) {
  if (!aims_at_any(seat, {54})) return;
}

void naki_all_even_pungs(int seat) {
  if (!aims_at_any(seat, {58})) return;
}

void naki_all_terminals_and_honours(int seat) {
  if (!aims_at_any(seat, {63})) return;
}

void naki_four_pure_shifted_pungs(int seat) {
  if (!aims_at_any(seat, {66})) return;
}

void naki_all_honours(int seat) {
  if (!aims_at_any(seat, {70})) return;
}

void naki_all_terminals(int seat) {
  if (!aims_at_any(seat, {72})) return;
}

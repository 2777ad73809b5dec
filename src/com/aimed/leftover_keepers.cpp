#include "com/aimed/aimed_rules.h"

#include "com/target/com_target.h"

// Template keepers of the leftover tiles.
// Past its gate each body is the place the pattern's own rules fill; until
// they land the rule keeps and proposes nothing.

void keep_leftover_shapes(int seat) {
  if (!aims_at_any(seat, {27, 33, 34, 35, 43, 47, 49})) return;
}

void keep_leftover_shapes_b(int seat) {
  if (!aims_at_any(seat, {27, 33, 34, 35, 43, 47, 49})) return;
}

void keep_leftover_pairs(int seat) {
  if (!aims_at_any(seat, {27, 33, 34, 35, 43, 47, 49})) return;
}

void keep_leftover_pair_a(int seat) {
  if (!aims_at_any(seat, {27, 33, 34, 35, 43, 47, 49})) return;
}

void keep_pairs_or_chiitoi(int seat) {
  if (!aims_at_any(seat, {27})) return;
}

void keep_leftover_pair_b(int seat) {
  if (!aims_at_any(seat, {27, 33, 34, 35, 43, 47, 49})) return;
}

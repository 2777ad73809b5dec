#include "com/aimed/aimed_rules.h"

#include "com/target/com_target.h"

// Choosers of the tile to throw for an aimed pattern.
// Past its gate each body is the place the pattern's own rules fill; until
// they land the rule keeps and proposes nothing.

void discard_outside_hand(int seat) {
  if (!aims_at_any(seat, {23})) return;
}

void discard_all_types(int seat) {
  if (!aims_at_any(seat, {30})) return;
}

void discard_half_flush(int seat, int /*flag*/) {
  if (!aims_at_any(seat, {31})) return;
}

void discard_full_flush(int seat, int /*flag*/) {
  if (!aims_at_any(seat, {55, 62, 65, 66})) return;
}

void discard_seven_pairs(int seat) {
  if (!aims_at_any(seat, {56})) return;
}

void discard_greater_honours_knitted(int seat) {
  if (!aims_at_any(seat, {57})) return;
}

void discard_thirteen_orphans(int seat) {
  if (!aims_at_any(seat, {77})) return;
}


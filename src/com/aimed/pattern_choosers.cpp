#include "com/aimed/aimed_rules.h"

#include "com/target/com_target.h"

// Choosers of the tile to throw for an aimed pattern.
// Past its gate each body is the place the pattern's own rules fill; until
// they land the rule keeps and proposes nothing.

void discard_all_pungs(int seat) {
  if (!aims_at_any(seat, {28})) return;
}

void discard_chicken_hand(int seat) {
  if (!aims_at_any(seat, {40})) return;
}

void discard_reversible_tiles(int seat) {
  if (!aims_at_any(seat, {41})) return;
}

void discard_all_fives(int seat) {
  if (!aims_at_any(seat, {52})) return;
}

void discard_all_even_pungs(int seat) {
  if (!aims_at_any(seat, {58})) return;
}

void discard_upper_tiles(int seat) {
  if (!aims_at_any(seat, {59})) return;
}

void discard_middle_tiles(int seat) {
  if (!aims_at_any(seat, {60})) return;
}

void discard_lower_tiles(int seat) {
  if (!aims_at_any(seat, {61})) return;
}

void discard_all_terminals_and_honours(int seat) {
  if (!aims_at_any(seat, {63})) return;
}

void discard_pure_terminal_chows(int seat) {
  if (!aims_at_any(seat, {68})) return;
}

void discard_all_honours(int seat) {
  if (!aims_at_any(seat, {70})) return;
}

void discard_four_concealed_pungs(int seat) {
  if (!aims_at_any(seat, {71})) return;
}

void discard_all_terminals(int seat) {
  if (!aims_at_any(seat, {72})) return;
}

void discard_seven_shifted_pairs(int seat) {
  if (!aims_at_any(seat, {75})) return;
}

void discard_all_green(int seat) {
  if (!aims_at_any(seat, {78})) return;
}

void discard_nine_gates(int seat) {
  if (!aims_at_any(seat, {79})) return;
}

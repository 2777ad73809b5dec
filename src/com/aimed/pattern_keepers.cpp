#include "com/aimed/aimed_rules.h"

#include "com/target/com_target.h"

// Keepers of fixed pattern tiles.
// Past its gate each body is the place the pattern's own rules fill; until
// they land the rule keeps and proposes nothing.

void keep_chow_template(int seat) {
  if (!aims_at_any(seat, {27, 33, 35, 47, 49})) return;
}

void keep_mixed_shifted_pungs_tiles(int seat) {
  if (!aims_at_any(seat, {34})) return;
}

void keep_knitted_straight_tiles(int seat) {
  if (!aims_at_any(seat, {43})) return;
}

void keep_triple_pung_tiles(int seat) {
  if (!aims_at_any(seat, {50})) return;
}

void keep_concealed_pung_tiles(int seat) {
  if (!aims_at_any(seat, {51})) return;
}

void keep_pure_triple_chow_tiles(int seat) {
  if (!aims_at_any(seat, {53})) return;
}

void keep_pure_shifted_pungs_tiles(int seat) {
  if (!aims_at_any(seat, {54})) return;
}

void keep_three_suited_terminal_chows_tiles(int seat) {
  if (!aims_at_any(seat, {48})) return;
}

void keep_four_pure_shifted_chows_tiles(int seat) {
  if (!aims_at_any(seat, {62})) return;
}

void keep_quadruple_chow_tiles(int seat) {
  if (!aims_at_any(seat, {65})) return;
}

void keep_four_pure_shifted_pungs_tiles(int seat) {
  if (!aims_at_any(seat, {66})) return;
}

void keep_big_four_winds_tiles(int seat) {
  if (!aims_at_any(seat, {73})) return;
}

void keep_big_three_dragons_tiles(int seat) {
  if (!aims_at_any(seat, {74})) return;
}

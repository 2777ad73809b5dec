#include "com/aimed/aimed_rules.h"
#include "com/turn/cascade_places.h"

// The template leftover rules act only for a template aim. Past that gate
// each body is the place its own shapes fill; until they land they propose
// nothing.
namespace {
bool aims_at_template(int seat) { return aims_at_any(seat, {27, 33, 34, 35, 43, 47, 49}); }
bool aims_at_chow_template(int seat) { return aims_at_any(seat, {27, 33, 35, 43, 47, 49}); }
}  // namespace

void discard_rule_500_template_leftover(int seat) {
  if (!aims_at_template(seat)) return;
}
void discard_rule_520_template_leftover(int seat) {
  if (!aims_at_chow_template(seat)) return;
}
void discard_rule_521_template_leftover(int seat) {
  if (!aims_at_chow_template(seat)) return;
}
void discard_rule_540_template_leftover(int seat) {
  if (!aims_at_template(seat)) return;
}
void discard_rule_530_template_leftover(int seat) {
  if (!aims_at_template(seat)) return;
}
void discard_rule_550_template_leftover(int seat) {
  if (!aims_at_template(seat)) return;
}
void discard_rule_551_template_leftover(int seat) {
  if (!aims_at_template(seat)) return;
}
void discard_rule_560_only_neutral_kind(int seat) {
  if (!aims_at_template(seat)) return;
}

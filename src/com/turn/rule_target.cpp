#include "com/turn/rule_target.h"

#include <cassert>
#include <cstring>

RuleTarget g_rule_target[kSeats];

RuleTarget rule_target(int seat) {
  assert(seat >= 0 && seat < kSeats);
  return g_rule_target[seat];
}

bool aims_at_or_keeps(int seat, int yaku) {
  const RuleTarget target = rule_target(seat);
  if (target.yaku == yaku) return true;
  for (int id : target.chow_candidates)
    if (id == yaku) return true;
  return false;
}

void reset_rule_target_state() { std::memset(g_rule_target, 0, sizeof g_rule_target); }

#include "com/turn/rule_target.h"

#include <cassert>

#include "com/target/com_target.h"

static_assert(RuleTarget::kCandidates == kChowCandidates);

RuleTarget rule_target(int seat) {
  assert(seat >= 0 && seat < kSeats);
  RuleTarget target{g_ai_target_yaku[seat], g_ai_target_variant[seat], {}, {}};
  for (int i = 0; i < kChowCandidates; ++i) {
    target.chow_candidates[i] = g_ai_chow_candidates[seat][i];
    target.chow_candidate_variants[i] = g_ai_chow_candidate_variants[seat][i];
  }
  return target;
}

bool aims_at_or_keeps(int seat, int yaku) {
  const RuleTarget target = rule_target(seat);
  if (target.yaku == yaku) return true;
  for (int id : target.chow_candidates)
    if (id == yaku) return true;
  return false;
}

// The seat's aim as the generic discard rules read it: the aimed pattern,
// its variant and the alternative chow-pattern targets. The rules read it
// only through rule_target, the one place that knows where the aim is kept.
#pragma once

#include "core/tiles.h"

struct RuleTarget {
  static constexpr int kCandidates = 5;
  int yaku;                                   // pattern id aimed at, 0 none
  int variant;                                // its variant (suit, start tile or template)
  int chow_candidates[kCandidates];           // further chow-pattern ids, 0 free
  int chow_candidate_variants[kCandidates];   // the variant of each
};

// The aim of `seat` (0..3), from the target record.
RuleTarget rule_target(int seat);

// True when the seat aims at `yaku` or keeps it among its chow alternatives.
bool aims_at_or_keeps(int seat, int yaku);

#include "com/claim/claim_rules.h"

#include "com/target/com_target.h"

// Claims that serve no aimed pattern, and the fallback that closes the chain.
// Each body is the place the rule's own cases fill; until
// they land the rule decides nothing.

void naki_extra_kong(int /*seat*/) {}

void naki_two_dragon_pungs(int /*seat*/) {}

void naki_melded_hand(int /*seat*/) {}

void naki_fallback(int /*seat*/) {}

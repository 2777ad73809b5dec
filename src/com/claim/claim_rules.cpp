#include "com/claim/claim_rules.h"

void run_claim_rules(int /*seat*/) {
  // The per-pattern and generic claim rules come with the claim decisions;
  // until then a COM seat claims a discard only to win on it.
}

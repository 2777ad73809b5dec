#include "com/target/selectors.h"

// Whole-hand selectors.
// Each body is the place the selector's own tests fill; until they land the
// selector passes nothing and the target stays as the script left it.

void aim_all_types(int /*seat*/, int /*level*/) {}
void aim_chicken_hand(int /*seat*/) {}
void aim_melded_hand(int /*seat*/) {}

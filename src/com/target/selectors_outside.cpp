#include "com/target/selectors.h"

// The outside-hand selector.
// Each body is the place the selector's own tests fill; until they land the
// selector passes nothing and the target stays as the script left it.

void aim_outside_hand(int /*seat*/, int /*min_open_calls*/, int /*mode*/) {}

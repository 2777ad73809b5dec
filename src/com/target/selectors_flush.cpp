#include "com/target/selectors.h"

// Flush-family selectors.
// Each body is the place the selector's own tests fill; until they land the
// selector passes nothing and the target stays as the script left it.

void aim_full_flush(int /*seat*/, int /*threshold*/) {}
void aim_half_flush(int /*seat*/, int /*threshold*/) {}
void aim_nine_gates(int /*seat*/, int /*threshold*/) {}
void aim_seven_shifted_pairs(int /*seat*/, int /*threshold*/) {}

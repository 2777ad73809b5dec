#include "com/target/selectors.h"

// Chow-pattern selectors: the three-chow templates and the alternatives list.
// Each body is the place the selector's own tests fill; until they land the
// selector passes nothing and the target stays as the script left it.

void aim_pure_straight(int /*seat*/, int /*level*/, int /*mode*/, int /*shape*/, int /*flag*/) {}
void aim_mixed_triple_chow(int /*seat*/, int /*level*/, int /*mode*/, int /*shape*/, int /*flag*/, int /*middle_only*/) {}
void aim_mixed_straight(int /*seat*/, int /*level*/, int /*mode*/, int /*shape*/, int /*flag*/) {}
void aim_mixed_shifted_chows(int /*seat*/, int /*level*/, int /*mode*/, int /*shape*/, int /*flag*/) {}
void aim_pure_shifted_chows(int /*seat*/, int /*level*/, int /*shape*/) {}

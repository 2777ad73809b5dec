#include "com/target/selectors.h"

// Chow-set selectors.
// Each body is the place the selector's own tests fill; until they land the
// selector passes nothing and the target stays as the script left it.

void aim_pure_triple_chow(int /*seat*/, int /*threshold*/) {}
void aim_four_pure_shifted_chows(int /*seat*/, int /*threshold*/) {}
void aim_quadruple_chow(int /*seat*/, int /*threshold*/) {}
void aim_pure_terminal_chows(int /*seat*/, int /*threshold*/) {}
void aim_three_suited_terminal_chows(int /*seat*/, int /*threshold*/) {}

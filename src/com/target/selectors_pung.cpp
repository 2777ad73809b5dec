#include "com/target/selectors.h"

// Pung-family selectors.
// Each body is the place the selector's own tests fill; until they land the
// selector passes nothing and the target stays as the script left it.

void aim_pure_shifted_pungs(int /*seat*/, int /*level*/) {}
void aim_triple_pung(int /*seat*/, int /*level*/) {}
void aim_mixed_shifted_pungs(int /*seat*/, int /*level*/) {}
void aim_all_pungs(int /*seat*/, int /*level*/) {}
void aim_three_concealed_pungs(int /*seat*/) {}
void aim_four_concealed_pungs(int /*seat*/) {}
void aim_four_pure_shifted_pungs(int /*seat*/) {}
void aim_all_even_pungs(int /*seat*/) {}

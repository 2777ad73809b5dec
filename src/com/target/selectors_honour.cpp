#include "com/target/selectors.h"

// Honour and terminal selectors.
// Each body is the place the selector's own tests fill; until they land the
// selector passes nothing and the target stays as the script left it.

void aim_big_three_dragons(int /*seat*/, int /*level*/) {}
void aim_big_four_winds(int /*seat*/, int /*level*/) {}
void aim_all_terminals(int /*seat*/, int /*mode*/) {}
void aim_all_honours(int /*seat*/) {}
void aim_all_terminals_and_honours(int /*seat*/, int /*mode*/) {}
void aim_thirteen_orphans(int /*seat*/, int /*need*/, int /*knitted_limit*/) {}

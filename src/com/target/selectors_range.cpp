#include "com/target/selectors.h"

// Tile-range selectors.
// Each body is the place the selector's own tests fill; until they land the
// selector passes nothing and the target stays as the script left it.

void aim_lower_tiles(int /*seat*/, int /*threshold*/) {}
void aim_middle_tiles(int /*seat*/, int /*threshold*/) {}
void aim_upper_tiles(int /*seat*/, int /*threshold*/) {}
void aim_all_fives(int /*seat*/, int /*level*/) {}
void aim_all_green(int /*seat*/) {}

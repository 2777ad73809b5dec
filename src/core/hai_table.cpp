#include "core/hai_table.h"

HaiTableEntry g_hai_table[kHaiTableRows];
int g_hai_table_loaded = 0;

// Replaced by the one-suit table loader.
void load_hai_table() { g_hai_table_loaded = 0; }

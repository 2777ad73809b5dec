#include "core/yaku_table.h"

std::array<YakuEntry, kYakuCount> g_yaku_table = kFreshYakuTable;
// The switches themselves are defined with their data file (yaku_switches.cpp).

void reset_yaku_table() { g_yaku_table = kFreshYakuTable; }

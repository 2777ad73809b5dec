#include "core/yaku_table.h"

std::array<YakuEntry, kYakuCount> g_yaku_table = kFreshYakuTable;

void reset_yaku_table() { g_yaku_table = kFreshYakuTable; }

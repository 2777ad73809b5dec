#include "core/yaku_table.h"

std::array<YakuEntry, kYakuCount> g_yaku_table = kFreshYakuTable;

#include "base/yaku_table.h"

Scoring g_scoring;

void reset_yaku_table() { g_yaku_table = kFreshYakuTable; }

// The shared scoring area: the pattern table of the last scored hand and its
// totals, which the win record, the result screens and the computer players
// read right after a scoring (the patterns themselves are core/yaku_table.h).
#pragma once

#include "base/yaku_switches.h"
#include "core/yaku_table.h"

// The last scoring; before the first every row holds {0, unit points}.
extern Scoring g_scoring;
inline YakuTable& g_yaku_table = g_scoring.table;

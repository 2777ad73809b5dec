#include "core/yaku_table.h"

std::array<YakuEntry, kYakuCount> g_yaku_table = kFreshYakuTable;
std::array<int, kRuleYakuWords> g_rule_yaku = kRuleYakuDefaults;
std::array<int, kLocalYakuWords> g_local_yaku = kLocalYakuDefaults;

void reset_yaku_switches() {
  g_rule_yaku = kRuleYakuDefaults;
  g_local_yaku = kLocalYakuDefaults;
}

void reset_yaku_table() { g_yaku_table = kFreshYakuTable; }

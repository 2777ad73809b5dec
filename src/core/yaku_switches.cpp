#include "core/yaku_switches.h"

std::array<int, kRuleYakuWords> g_rule_yaku = kRuleYakuDefaults;
std::array<int, kLocalYakuWords> g_local_yaku = kLocalYakuDefaults;

void reset_yaku_switches() {
  g_rule_yaku = kRuleYakuDefaults;
  g_local_yaku = kLocalYakuDefaults;
}

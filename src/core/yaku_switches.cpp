#include "core/yaku_switches.h"

#include <algorithm>

int g_rule_yaku[kRuleYakuWords] = {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 1};
int g_local_yaku[kLocalYakuWords] = {0, 0, 0};

void reset_yaku_switches() {
  std::copy(kRuleYakuDefaults.begin(), kRuleYakuDefaults.end(), g_rule_yaku);
  std::copy(kLocalYakuDefaults.begin(), kLocalYakuDefaults.end(), g_local_yaku);
}

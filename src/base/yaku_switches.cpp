#include "base/yaku_switches.h"

#include "base/options.h"

RuleSwitches current_rule_switches() {
  RuleSwitches rules;
  rules.rule_yaku = g_rule_yaku;
  rules.local_yaku = g_local_yaku;
  rules.flowers = option(opt_flowers) != kFlowersOff ? 1 : 0;
  rules.score_cap = option_on(opt_score_cap) ? 1 : 0;
  return rules;
}

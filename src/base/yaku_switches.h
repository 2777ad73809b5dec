// The switches as the player set them: compound and local patterns (saved in
// DATA\rule_yaku.dat and DATA\local_yaku.dat), read by every scoring.
#pragma once

#include <array>

#include "base/options.h"
#include "core/yaku_switches.h"

struct YakuSwitches {
  std::array<int, kRuleYakuWords> rule_yaku = kRuleYakuDefaults;     // 0/1 per compound-pattern rule
  std::array<int, kLocalYakuWords> local_yaku = kLocalYakuDefaults;  // 0/1: local patterns 81..83 scored
};
extern YakuSwitches g_yaku_switches;

inline auto& g_rule_yaku = g_yaku_switches.rule_yaku;
inline auto& g_local_yaku = g_yaku_switches.local_yaku;

inline bool rule_yaku_on(int word) { return g_rule_yaku[word] != 0; }

// The switches and the flower and cap options, as the scorer takes them.
// Inline: a win test builds them in the value it returns.
inline RuleSwitches current_rule_switches() {
  return {.rule_yaku = g_rule_yaku,
          .local_yaku = g_local_yaku,
          .flowers = option(opt_flowers) != kFlowersOff ? 1 : 0,
          .score_cap = option_on(opt_score_cap) ? 1 : 0};
}

// Puts both sets of switches back to their defaults.
void reset_yaku_switches();

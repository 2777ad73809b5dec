// The compound-pattern switches and the local-pattern switches the scorer
// reads; saved in DATA\rule_yaku.dat and DATA\local_yaku.dat.
#pragma once

#include <array>

constexpr int kRuleYakuWords = 13;
constexpr int kLocalYakuWords = 3;  // local patterns 81, 82, 83

// Every compound-pattern switch is on except word 11.
constexpr std::array<int, kRuleYakuWords> kRuleYakuDefaults{1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 1};
constexpr std::array<int, kLocalYakuWords> kLocalYakuDefaults{0, 0, 0};

extern std::array<int, kRuleYakuWords> g_rule_yaku;    // 0/1 per compound-pattern rule
extern std::array<int, kLocalYakuWords> g_local_yaku;  // 0/1: local patterns 81..83 scored

// Puts both sets of switches back to their defaults.
void reset_yaku_switches();

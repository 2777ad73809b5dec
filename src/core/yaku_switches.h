// The switches the scorer reads: the compound-pattern and local-pattern
// switches (saved in DATA\rule_yaku.dat and DATA\local_yaku.dat) and the two
// options that change a total.
#pragma once

#include <array>

constexpr int kRuleYakuWords = 13;
constexpr int kLocalYakuWords = 3;  // local patterns 81, 82, 83

// Every compound-pattern switch is on except word 11.
constexpr std::array<int, kRuleYakuWords> kRuleYakuDefaults{1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 1};
constexpr std::array<int, kLocalYakuWords> kLocalYakuDefaults{0, 0, 0};

struct RuleSwitches {
  std::array<int, kRuleYakuWords> rule_yaku = kRuleYakuDefaults;     // 0/1 per compound-pattern rule
  std::array<int, kLocalYakuWords> local_yaku = kLocalYakuDefaults;  // 0/1: local patterns 81..83 scored
  int flowers = 1;    // 1 when flowers are played (they score)
  int score_cap = 0;  // 1: a total of 88 or more without flowers is cut to 88

  bool rule_on(int word) const { return rule_yaku[word] != 0; }
  bool operator==(const RuleSwitches&) const = default;
};

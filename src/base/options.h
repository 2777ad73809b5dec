// The 22 option words, read wherever they apply; saved in DATA\option.dat.
#pragma once

#include <array>
#include <cassert>

enum OptionWord : int {
  opt_com_speed = 0,            // 0..5: frames of a COM draw 4, 8, .., 24
  opt_open_hands = 1,           // every hand face up (key Z)
  opt_open_wall = 2,            // the remaining wall shown (key X; off at each hand start)
  opt_tsumogiri_grey = 3,       // drawn-and-discarded tiles grey (key C)
  opt_kong_visible = 4,         // the user's concealed kongs face up
  opt_flowers_after_deal = 5,   // 0 none, 1 dealt flowers set aside, 2 also their replacements
  opt_flowers = 6,              // 0 no flowers, 1 by the user's choice, 2 automatic
  opt_false_win = 7,            // a win under 8 points may be declared and is penalised
  opt_suspend = 8,              // suspend button at the hand result
  opt_voice_balloons = 9,       // call balloons and the shout pause
  opt_tile_animation = 10,
  opt_sound_effects = 11,
  opt_voices = 12,
  opt_frame_rate = 13,
  opt_player_female = 14,       // the user's voice: 0 male, 1 female
  opt_knitted_support = 15,     // 0 none, 1 text, 2 text and grey target tiles (key V)
  opt_knitted_support_count = 16,
  opt_ai_tile_choice = 17,      // advisor: 0 none, 1..6 the rules of COM1..COM6
  opt_win_score_display = 18,
  opt_ai_target_display = 19,
  opt_seat_change_display = 20,
  opt_score_cap = 21,           // pattern total capped at 88
  kOptionWords = 22,
};

struct OptionRange {
  int max;      // values 0..max
  int fallback; // the built-in default
};
constexpr std::array<OptionRange, kOptionWords> kOptionRanges{{
    {5, 2}, {1, 0}, {1, 0}, {1, 0}, {1, 0}, {2, 2}, {2, 2}, {1, 1}, {1, 0}, {1, 1}, {1, 1},
    {1, 1}, {1, 1}, {1, 0}, {1, 0}, {2, 0}, {2, 1}, {6, 0}, {2, 0}, {1, 0}, {1, 0}, {1, 0},
}};

constexpr std::array<int, kOptionWords> kOptionDefaults = [] {
  std::array<int, kOptionWords> values{};
  for (int i = 0; i < kOptionWords; ++i) values[i] = kOptionRanges[i].fallback;
  return values;
}();

struct OptionsState {
  std::array<int, kOptionWords> values = kOptionDefaults;  // current values, indexed by OptionWord
};
extern OptionsState g_options_state;

inline auto& g_options = g_options_state.values;

// The option's value, clamped into its range (words read from a file may be anything).
inline int option(OptionWord word) {
  assert(word >= 0 && word < kOptionWords);
  const OptionRange range = kOptionRanges[word];
  const int value = g_options[word];
  return value < 0 || value > range.max ? range.fallback : value;
}

// An on/off word (range 0..1) that is on.
inline bool option_on(OptionWord word) { return option(word) == 1; }

// The values of the words with more than two.
enum FlowerRule : int { kFlowersOff = 0, kFlowersByChoice = 1, kFlowersAutomatic = 2 };  // opt_flowers
enum DealtFlowers : int {  // opt_flowers_after_deal
  kDealtFlowersKept = 0,
  kDealtFlowersSetAside = 1,
  kDealtFlowersAndReplacementsSetAside = 2,
};
enum KnittedSupport : int { kKnittedSupportOff = 0, kKnittedSupportText = 1, kKnittedSupportTextAndGrey = 2 };
enum WinScoreDisplay : int { kWinScoreOff = 0, kWinScorePoints = 1, kWinScoreWithFlowers = 2 };
enum AdvisorChoice : int { kAdvisorOff = 0, kAdvisorCom1 = 1 };  // opt_ai_tile_choice; 2..6 COM2..COM6

// Puts every option back to its built-in default.
void reset_options();

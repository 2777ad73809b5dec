#include "support/state_ranges.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "base/options.h"
#include "base/scene_state.h"
#include "base/scenes.h"
#include "base/stats.h"
#include "base/table_state.h"
#include "base/yaku_switches.h"
#include "platform/platform.h"
#include "shell/scene_table.h"

namespace {

// A stored score is refused beyond a million; a match moves it by far less
// than another million.
constexpr int kScoreBound = 2'000'000;

bool in(int value, int low, int high) { return value >= low && value <= high; }

// The statistics words past the three carried along, against the ranges the
// screens divide and index with (independent of the loader's own clamp).
void check_stats(const StatsBlocks& b, const std::string& which, std::vector<std::string>& out) {
  for (int c = 0; c < kPlayerCharacters; ++c) {
    const std::string who = which + " statistics of character " + std::to_string(c);
    for (int w = kBasicMatches; w < kStatsBasicWords; ++w)
      if (!in(b.basic[c].words[w], w == kBasicScoreSum ? -kStatSumMax : 0, w == kBasicScoreSum ? kStatSumMax : kStatCountMax))
        out.push_back(who + ": basic word " + std::to_string(w));
    for (const StatsRecent& row : b.recent[c])
      if (!in(row.words[kRecentPlace], 0, 4) || !in(row.words[kRecentMatchNumber], 0, kStatCountMax))
        out.push_back(who + ": a recent row's place or number");
    for (int w = 0; w < kStatsAiWords; ++w)
      if (!in(b.ai[c].words[w], -kStatSumMax, kStatSumMax)) out.push_back(who + ": ai word " + std::to_string(w));
    for (int count : b.yaku[c].words)
      if (!in(count, 0, kYakuCountCap)) out.push_back(who + ": a pattern count");
  }
}

void check_match(std::vector<std::string>& out) {
  if (g_seat_character[0] != 0) out.push_back("the user is not at seat 0");
  for (int s = 1; s < kSeats; ++s)
    if (!in(g_seat_character[s], 0, kPlayerCharacters - 1)) out.push_back("seat " + std::to_string(s) + " character");
  for (int v : {g_round_wind, g_dealer, g_first_dealer})
    if (!in(v, 0, kSeats - 1)) out.push_back("round, dealer or first dealer " + std::to_string(v));
  for (int s = 0; s < kSeats; ++s)
    if (!in(g_scores[s], -kScoreBound, kScoreBound)) out.push_back("score " + std::to_string(g_scores[s]));
}

void check_window(std::vector<std::string>& out) {
  const platform::Rect w = platform::window_rect();
  const std::vector<platform::Rect> displays = platform::display_rects();
  const bool on_one = std::any_of(displays.begin(), displays.end(), [&](const platform::Rect& d) {
    return w.left >= d.left && w.top >= d.top && w.left < d.right && w.top < d.bottom;
  });
  if (w.left < 0 || w.top < 0 || !on_one)
    out.push_back("the window at " + std::to_string(w.left) + "," + std::to_string(w.top) + " is off every display");
}

}  // namespace

std::vector<std::string> state_out_of_range() {
  std::vector<std::string> out;
  for (int i = 0; i < kOptionWords; ++i)
    if (!in(g_options[i], 0, kOptionRanges[i].max)) out.push_back("option " + std::to_string(i) + " = " + std::to_string(g_options[i]));
  for (int v : g_rule_yaku)
    if (!in(v, 0, 1)) out.push_back("a rule pattern switch " + std::to_string(v));
  for (int v : g_local_yaku)
    if (!in(v, 0, 1)) out.push_back("a local pattern switch " + std::to_string(v));
  check_stats(saved_stats(), "saved", out);
  check_stats(g_match_stats, "match", out);
  check_match(out);
  check_window(out);
  if (!scene_has_handler(g_scene)) out.push_back("scene " + std::to_string(g_scene) + " has no handler");
  return out;
}

#include "base/stats.h"

#include <algorithm>
#include <cstring>
#include <iterator>

namespace {

constexpr int kLastPlace = 4;
constexpr int kBasicClearedFrom = kBasicMatches;

void clamp_word(int& word, int low, int high) { word = std::clamp(word, low, high); }
void clamp_count(int& word) { clamp_word(word, 0, kStatCountMax); }
void clamp_sum(int& word) { clamp_word(word, -kStatSumMax, kStatSumMax); }

bool is_signed_ai_word(int word) {
  // Final scores may be negative; the unused words are kept as sums so a
  // stray value is only bounded, never zeroed.
  return word == kAiHighestScore || word == kAiLowestScore || word == 5 || word >= 24;
}

void clamp_character(StatsBlocks& b, int c) {
  for (int w = kBasicMatches; w < kStatsBasicWords; ++w)
    w == kBasicScoreSum ? clamp_sum(b.basic[c].words[w]) : clamp_count(b.basic[c].words[w]);
  for (StatsRecent& row : b.recent[c]) {
    clamp_count(row.words[kRecentMatchNumber]);
    clamp_word(row.words[kRecentPlace], 0, kLastPlace);
    clamp_sum(row.words[kRecentScore]);
    for (int w = kRecentWins; w < kStatsRecentWords; ++w) clamp_count(row.words[w]);
  }
  for (int w = 0; w < kStatsAiWords; ++w)
    is_signed_ai_word(w) ? clamp_sum(b.ai[c].words[w]) : clamp_count(b.ai[c].words[w]);
  for (int& count : b.yaku[c].words) clamp_word(count, 0, kYakuCountCap);
}

}  // namespace

StatsBlocks saved_stats() {
  StatsBlocks b;
  std::memcpy(b.basic, g_stats_basic, sizeof b.basic);
  std::memcpy(b.recent, g_stats_recent, sizeof b.recent);
  std::memcpy(b.ai, g_stats_ai, sizeof b.ai);
  std::memcpy(b.yaku, g_stats_yaku, sizeof b.yaku);
  return b;
}

void set_saved_stats(const StatsBlocks& b) {
  std::memcpy(g_stats_basic, b.basic, sizeof b.basic);
  std::memcpy(g_stats_recent, b.recent, sizeof b.recent);
  std::memcpy(g_stats_ai, b.ai, sizeof b.ai);
  std::memcpy(g_stats_yaku, b.yaku, sizeof b.yaku);
}

void clear_saved_stats() {
  for (int c = 0; c < kPlayerCharacters; ++c) {
    std::fill(g_stats_basic[c].words + kBasicClearedFrom, g_stats_basic[c].words + kStatsBasicWords, 0);
    for (StatsRecent& row : g_stats_recent[c]) std::fill(std::begin(row.words), std::end(row.words), 0);
    std::fill(std::begin(g_stats_ai[c].words), std::end(g_stats_ai[c].words), 0);
    std::fill(std::begin(g_stats_yaku[c].words), std::end(g_stats_yaku[c].words), 0);
  }
}

bool same_finished_matches(const StatsBlocks& a, const StatsBlocks& b) {
  const auto same_words = [](const auto& x, const auto& y) { return std::equal(std::begin(x), std::end(x), std::begin(y)); };
  for (int c = 0; c < kPlayerCharacters; ++c) {
    if (!same_words(a.basic[c].words, b.basic[c].words)) return false;
    for (int r = 0; r < kRecentMatches; ++r)
      if (!same_words(a.recent[c][r].words, b.recent[c][r].words)) return false;
    for (int w : {kAiHighestScore, kAiLowestScore})
      if (a.ai[c].words[w] != b.ai[c].words[w]) return false;
  }
  return true;
}

void copy_saved_stats_to_match() { g_match_stats = saved_stats(); }
void copy_match_stats_to_saved() { set_saved_stats(g_match_stats); }

void clamp_stats(StatsBlocks& blocks) {
  for (int c = 0; c < kPlayerCharacters; ++c) clamp_character(blocks, c);
}

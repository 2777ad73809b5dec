// Per-character statistics: four blocks, each held twice. The saved copy is
// what DATA\save.dat holds; the in-match copy is what the match in play
// updates, taken from the saved copy when the match starts and copied back
// when its standings are booked.
#pragma once

#include <cstdint>

constexpr int kPlayerCharacters = 7;  // 0 the user, 1..6 COM1..COM6
constexpr int kComCharacters = 6;
constexpr int kRecentMatches = 10;

// StatsBasic words.
enum StatsBasicWord : int {
  kBasicBuiltIn = 0,      // 1 in the built-in values; words 0..2 are carried along unchanged
  kBasicMatches = 3,      // matches played
  kBasicScoreSum = 4,     // sum of final scores
  kBasicFirstPlaces = 5,  // 5..8: number of first to fourth places
  kStatsBasicWords = 9,
};

// StatsRecent words: one finished match.
enum StatsRecentWord : int {
  kRecentMatchNumber = 0,
  kRecentPlace = 1,  // 1..4; 0 in a row never filled
  kRecentScore = 2,
  kRecentWins = 3,
  kRecentSelfDrawn = 4,
  kRecentDealIns = 5,
  kStatsRecentWords = 6,
};

// StatsAi words (5 and 24..29 are never written).
enum StatsAiWord : int {
  kAiHands = 0,
  kAiHandsWon = 1,          // hands that ended in a win, for every seated character
  kAiWins = 2,
  kAiSelfDrawnWins = 3,
  kAiConcealedWins = 4,
  kAiDealIns = 6,
  kAiPointsWon = 7,
  kAiHighestWin = 8,
  kAiLowestWin = 9,
  kAiHighestScore = 10,     // highest final score of a match
  kAiLowestScore = 11,
  kAiTurnsToWin = 12,
  kAiHandsWithCalls = 13,
  kAiWinsWithCalls = 14,
  kAiTurnsToWinWithCalls = 15,
  kAiTurnsToDealIn = 16,
  kAiPointsWonWithCalls = 17,
  kAiPointsDealtIn = 18,
  kAiFalseWins = 19,
  kAiHandsReady = 20,
  kAiTurnsToReady = 21,
  kAiHandsReady8 = 22,
  kAiTurnsToReady8 = 23,
  kStatsAiWords = 30,
};

constexpr int kStatsYakuWords = 84;  // wins with each pattern id 0..83
constexpr int kYakuCountCap = 9999;

struct StatsBasic {
  int words[kStatsBasicWords];
};
struct StatsRecent {
  int words[kStatsRecentWords];
};
struct StatsAi {
  int words[kStatsAiWords];
};
struct StatsYaku {
  int words[kStatsYakuWords];
};

// The four blocks of every character, in file order.
struct StatsBlocks {
  StatsBasic basic[kPlayerCharacters];
  StatsRecent recent[kPlayerCharacters][kRecentMatches];
  StatsAi ai[kPlayerCharacters];
  StatsYaku yaku[kPlayerCharacters];
};

static_assert(sizeof(int) == 4 && sizeof(std::int32_t) == 4);
constexpr int kStatsBasicBytes = 252;
constexpr int kStatsRecentBytes = 1680;
constexpr int kStatsAiBytes = 840;
constexpr int kStatsYakuBytes = 2352;
static_assert(sizeof(StatsBasic) * kPlayerCharacters == kStatsBasicBytes);
static_assert(sizeof(StatsRecent) * kPlayerCharacters * kRecentMatches == kStatsRecentBytes);
static_assert(sizeof(StatsAi) * kPlayerCharacters == kStatsAiBytes);
static_assert(sizeof(StatsYaku) * kPlayerCharacters == kStatsYakuBytes);
static_assert(sizeof(StatsBlocks) == 5124);
constexpr int kStatsWords = static_cast<int>(sizeof(StatsBlocks) / 4);

// Built-in values: StatsBasic word 0 of every character 1, all else 0.
constexpr StatsBlocks kBuiltInStats = [] {
  StatsBlocks b{};
  for (StatsBasic& row : b.basic) row.words[kBasicBuiltIn] = 1;
  return b;
}();

struct StatsState {
  StatsBlocks saved = kBuiltInStats;  // the saved blocks, rows by character
  StatsBlocks match = kBuiltInStats;  // the in-match copies, updated by table play during a match
};
extern StatsState g_stats_state;

inline auto& g_stats_basic = g_stats_state.saved.basic;
inline auto& g_stats_recent = g_stats_state.saved.recent;
inline auto& g_stats_ai = g_stats_state.saved.ai;
inline auto& g_stats_yaku = g_stats_state.saved.yaku;
inline auto& g_match_stats = g_stats_state.match;

// The saved blocks gathered in file order, and spread back.
StatsBlocks saved_stats();
void set_saved_stats(const StatsBlocks& blocks);

// Clears the saved statistics as a deletion does: StatsBasic words 3..8 and
// every word of the other blocks; words 0..2 keep their values.
void clear_saved_stats();

// Whether two sets of blocks hold the same finished matches: the figures
// booked only when a match ends (every StatsBasic word, the recent results,
// the highest and lowest final score). An in-match copy keeps these as the
// saved blocks it was taken from held them, so a copy that agrees with the
// saved blocks here was built on them.
bool same_finished_matches(const StatsBlocks& a, const StatsBlocks& b);

// New match: saved blocks over the in-match copies. Booked standings: the reverse.
void copy_saved_stats_to_match();
void copy_match_stats_to_saved();

// Brings every word read from a file into the range the program indexes and
// draws with: counts 0..kStatCountMax, places 0..4, pattern counts
// 0..kYakuCountCap, signed sums within +-kStatSumMax. Words 0..2 of
// StatsBasic are carried along untouched.
constexpr int kStatCountMax = 9'999'999;
constexpr int kStatSumMax = 99'999'999;
void clamp_stats(StatsBlocks& blocks);

// Built-in values in both copies.
void reset_stats_state();

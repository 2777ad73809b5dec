#include <gtest/gtest.h>

#include "base/stats.h"
#include "support/table_fixture.h"
#include "support/whole_match.h"

namespace {

class WholeMatches : public TableTest, public testing::WithParamInterface<int> {
 protected:
  void SetUp() override {
    TableTest::SetUp();
    reset_stats_state();
  }
};

std::string tally_text(const WholeMatchTally& t) {
  return std::to_string(t.matches) + " matches, " + std::to_string(t.hands) + " hands: " + std::to_string(t.wins) +
         " wins (" + std::to_string(t.self_drawn_wins) + " self-drawn, " + std::to_string(t.robbing_wins) +
         " robbing, " + std::to_string(t.capped_wins) + " capped), " + std::to_string(t.draws) + " draws";
}

// Five shards of five seeded matches, so that ctest plays them side by side.
constexpr int kShards = 5;
constexpr int kMatchesPerShard = 5;

// Seeded matches from the first hand to the standings: scores always sum
// to zero and move with their players, every win scores 8 without flowers
// and pays its points, a draw pays nothing, the statistics book what was
// played, and no scene stalls.
TEST_P(WholeMatches, SeededMatchesKeepScoresPaymentsAndStatistics) {
  // The user's book starts with ten matches played, so that every match
  // of the shard drops the oldest of the recent results.
  g_stats_basic[0].words[kBasicMatches] = kRecentMatches;
  for (int r = 0; r < kRecentMatches; ++r) g_stats_recent[0][r].words[kRecentMatchNumber] = r + 1;
  WholeMatch match(20261206 + GetParam());
  for (int m = 0; m < kMatchesPerShard; ++m) match.play_match();
  const WholeMatchTally& t = match.tally();
  EXPECT_TRUE(match.problems().empty()) << join_lines(match.problems());
  EXPECT_EQ(t.hands, kMatchesPerShard * 16) << tally_text(t);
  EXPECT_GT(t.wins, 24) << tally_text(t);
  EXPECT_GT(t.self_drawn_wins, 3) << tally_text(t);
  EXPECT_GT(t.draws, 12) << tally_text(t);
  // The user's recent results keep the last ten of the 15 matches.
  EXPECT_EQ(g_stats_basic[0].words[kBasicMatches], kRecentMatches + kMatchesPerShard);
  EXPECT_EQ(g_stats_recent[0][9].words[kRecentMatchNumber], kRecentMatches + kMatchesPerShard);
  EXPECT_EQ(g_stats_recent[0][0].words[kRecentMatchNumber], kMatchesPerShard + 1);
}

INSTANTIATE_TEST_SUITE_P(Shards, WholeMatches, testing::Range(0, kShards));

}  // namespace

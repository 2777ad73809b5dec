#include <gtest/gtest.h>

#include "base/stats.h"
#include "support/table_fixture.h"
#include "support/whole_match.h"

namespace {

class WholeMatches : public TableTest {
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

// Seeded matches from the first hand to the standings: scores always sum
// to zero and move with their players, every win scores 8 without flowers
// and pays its points, a draw pays nothing, the statistics book what was
// played, and no scene stalls.
TEST_F(WholeMatches, SeededMatchesKeepScoresPaymentsAndStatistics) {
  WholeMatch match(20261206);
  for (int m = 0; m < 25; ++m) match.play_match();
  const WholeMatchTally& t = match.tally();
  EXPECT_TRUE(match.problems().empty()) << join_lines(match.problems());
  EXPECT_EQ(t.hands, 25 * 16) << tally_text(t);
  EXPECT_GT(t.wins, 120) << tally_text(t);
  EXPECT_GT(t.self_drawn_wins, 30) << tally_text(t);
  EXPECT_GT(t.draws, 100) << tally_text(t);
  // The user's recent results keep the last ten of the 25 matches.
  EXPECT_EQ(g_stats_basic[0].words[kBasicMatches], 25);
  EXPECT_EQ(g_stats_recent[0][9].words[kRecentMatchNumber], 25);
  EXPECT_EQ(g_stats_recent[0][0].words[kRecentMatchNumber], 16);
}

}  // namespace

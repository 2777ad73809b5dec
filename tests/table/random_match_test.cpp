#include <gtest/gtest.h>

#include "support/random_match.h"
#include "support/table_fixture.h"

namespace {

using RandomHands = TableTest;

std::string tally_text(const MatchTally& t) {
  return std::to_string(t.hands) + " hands: " + std::to_string(t.discard_wins) + " discard wins, " +
         std::to_string(t.self_drawn_wins) + " self-drawn, " + std::to_string(t.robbing_wins) + " robbing, " +
         std::to_string(t.exhaustive_draws) + " draws; " + std::to_string(t.pungs) + " pungs, " +
         std::to_string(t.chows) + " chows, " + std::to_string(t.melded_kongs) + " melded kongs, " +
         std::to_string(t.added_kongs) + " added, " + std::to_string(t.concealed_kongs) + " concealed; " +
         std::to_string(t.false_wins) + " false wins, " + std::to_string(t.user_offers) + " offers, " +
         std::to_string(t.robbing_offers) + " robbing offers, " + std::to_string(t.frames) + " frames";
}

TEST_F(RandomHands, ThousandsOfHandsKeepEveryRule) {
  RandomMatch match(20260612);
  for (int hand = 0; hand < 2000; ++hand) match.play_hand();
  const MatchTally& t = match.tally();
  EXPECT_TRUE(match.problems().empty()) << join_lines(match.problems());
  // The players must reach every ending and every kind of claim, or the
  // rules above were checked on too little.
  EXPECT_GT(t.discard_wins, 100) << tally_text(t);
  EXPECT_GT(t.self_drawn_wins, 50) << tally_text(t);
  EXPECT_GT(t.exhaustive_draws, 100) << tally_text(t);
  EXPECT_GT(t.pungs, 1000) << tally_text(t);
  EXPECT_GT(t.chows, 1000) << tally_text(t);
  EXPECT_GT(t.melded_kongs, 50) << tally_text(t);
  EXPECT_GT(t.added_kongs, 50) << tally_text(t);
  EXPECT_GT(t.false_wins, 20) << tally_text(t);
  EXPECT_GT(t.user_offers, 1000) << tally_text(t);
}

}  // namespace

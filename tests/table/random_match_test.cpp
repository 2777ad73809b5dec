#include <gtest/gtest.h>

#include "support/random_match.h"
#include "support/table_fixture.h"

namespace {

// Eight shards of 250 hands, each from its own seed, so that ctest plays
// the 2000 hands on as many cores; every shard must reach every ending and
// every kind of claim on its own
// (the floors below are about half of what a shard reaches).
constexpr int kShards = 8;
constexpr int kHandsPerShard = 250;

class RandomHands : public TableTest, public testing::WithParamInterface<int> {};

std::string tally_text(const MatchTally& t) {
  return std::to_string(t.hands) + " hands: " + std::to_string(t.discard_wins) + " discard wins, " +
         std::to_string(t.self_drawn_wins) + " self-drawn, " + std::to_string(t.robbing_wins) + " robbing, " +
         std::to_string(t.exhaustive_draws) + " draws; " + std::to_string(t.pungs) + " pungs, " +
         std::to_string(t.chows) + " chows, " + std::to_string(t.melded_kongs) + " melded kongs, " +
         std::to_string(t.added_kongs) + " added, " + std::to_string(t.concealed_kongs) + " concealed; " +
         std::to_string(t.false_wins) + " false wins, " + std::to_string(t.user_offers) + " offers, " +
         std::to_string(t.robbing_offers) + " robbing offers, " + std::to_string(t.frames) + " frames";
}

TEST_P(RandomHands, ThousandsOfHandsKeepEveryRule) {
  RandomMatch match(20260612 + GetParam());
  for (int hand = 0; hand < kHandsPerShard; ++hand) match.play_hand();
  const MatchTally& t = match.tally();
  EXPECT_TRUE(match.problems().empty()) << join_lines(match.problems());
  // The players must reach every ending and every kind of claim, or the
  // rules above were checked on too little.
  EXPECT_GT(t.discard_wins, 60) << tally_text(t);
  EXPECT_GT(t.self_drawn_wins, 15) << tally_text(t);
  EXPECT_GT(t.exhaustive_draws, 35) << tally_text(t);
  EXPECT_GT(t.pungs, 400) << tally_text(t);
  EXPECT_GT(t.chows, 500) << tally_text(t);
  EXPECT_GT(t.melded_kongs, 12) << tally_text(t);
  EXPECT_GT(t.added_kongs, 25) << tally_text(t);
  EXPECT_GT(t.false_wins, 12) << tally_text(t);
  EXPECT_GT(t.user_offers, 450) << tally_text(t);
}

INSTANTIATE_TEST_SUITE_P(Shards, RandomHands, testing::Range(0, kShards));

}  // namespace

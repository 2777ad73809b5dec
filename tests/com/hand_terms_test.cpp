// The computer players' shared vocabulary on small worked counts.
#include "com/hand_terms.h"

#include <gtest/gtest.h>

#include "support/hand_builder.h"

namespace {

KindCounts counts_of(const char* tiles) {
  KindCounts c{};
  for (int t : parse_tiles(tiles)) ++c[t];
  return c;
}

TEST(HandTerms, LowestAndHighestChow) {
  EXPECT_EQ(lowest_chow(counts_of("2345m 789s")), 2);
  EXPECT_EQ(highest_chow(counts_of("2345m 789s")), 27);
  EXPECT_EQ(highest_chow(counts_of("123m 89p 1s")), 1) << "8-9 and the next suit's 1 make no chow";
  EXPECT_EQ(lowest_chow(counts_of("13m 567z")), kNoTile) << "honours make no chow";
  KindCounts c = counts_of("1123m");
  take_chow(c, lowest_chow(c));
  EXPECT_EQ(c, counts_of("1m"));
}

TEST(HandTerms, NeighboursStayInTheSuit) {
  const KindCounts c = counts_of("9m 1p 2p 5z 6z");
  EXPECT_EQ(count_at(c.data(), 9, 1), 0) << "no rank 10";
  EXPECT_EQ(count_at(c.data(), 12, -1), 1);
  EXPECT_EQ(count_at(c.data(), 11, -2), 0) << "no rank -1";
  EXPECT_EQ(count_at(c.data(), 35, 1), 0) << "honours have no neighbours";
}

TEST(HandTerms, PoolCopyComesBackOnlyWhenEmptied) {
  reset_planner_state();
  g_ai_work_hand[0] = 5;
  g_ai_work_hand[1] = 41;  // a flower is no tile a rule may propose
  const PoolCopy copy;
  g_ai_work_hand[0] = 0;
  EXPECT_TRUE(copy.give_back_if_emptied());
  EXPECT_EQ(g_ai_work_hand[0], 5);
  g_ai_work_hand[2] = 7;
  EXPECT_FALSE(copy.give_back_if_emptied());
  EXPECT_EQ(g_ai_work_hand[2], 7);
  reset_planner_state();
}

}  // namespace

// Seeded runs over random complete hands: the reading keeps the best
// extraction order, the lowest on a tie, and exchanging the suits changes
// no pattern that does not name a suit's own tiles.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <random>

#include "base/scorer.h"
#include "base/table_state.h"
#include "base/win_eval.h"
#include "support/random_hands.h"
#include "support/scoring_fixture.h"

namespace {

class ScorerInvariants : public ScoringTest {
 protected:
  // A random seat, dealer, round and way of winning, the same for every
  // scoring of one hand.
  void random_table(std::mt19937& rng) {
    std::uniform_int_distribution<int> four(0, 3);
    g_dealer = four(rng);
    g_round_wind = four(rng);
    by_discard_ = four(rng) != 0;
  }
  WinScore score(const WinHand& hand) {
    place_win_hand(kSeat, hand);
    return score_placed_hand(kSeat, by_discard_);
  }
  int by_discard_ = 1;
};

TEST_F(ScorerInvariants, ReadingIsTheFirstBestExtractionOrder) {
  std::mt19937 rng(20240);
  int normal = 0;
  int ties = 0;
  for (int round = 0; round < 3000; ++round) {
    random_table(rng);
    const WinScore s = score(random_complete_hand(rng));
    ASSERT_TRUE(s.listed && s.valid) << round;
    if (s.form != kFormNormal) continue;
    ++normal;
    int values[kHandSlots];
    std::memcpy(values, g_eval_hand, sizeof values);
    const std::vector<int> chosen(g_meld_list, g_meld_list + kWinBlocks);
    const auto orders = g_eval_orders;
    int best = -1;
    for (int k = 0; k < kExtractionOrders; ++k) {
      ASSERT_TRUE(orders[k].found) << "every order reads a complete hand";
      ASSERT_EQ(expand_blocks(orders[k].blocks, kWinBlocks), std::vector<int>(values, values + kHandSlots));
      // Each order's record is the total its own blocks score.
      std::copy(orders[k].blocks, orders[k].blocks + kWinBlocks, g_meld_list);
      score_yaku();
      ASSERT_EQ(g_eval_total, orders[k].points) << "round " << round << " order " << k;
      if (best < 0 || orders[k].points > orders[best].points) best = k;
      if (best != k && orders[k].points == orders[best].points &&
          !std::equal(orders[k].blocks, orders[k].blocks + kWinBlocks, orders[best].blocks))
        ++ties;
    }
    EXPECT_EQ(chosen, std::vector<int>(orders[best].blocks, orders[best].blocks + kWinBlocks)) << round;
    EXPECT_EQ(s.total, orders[best].points);
  }
  EXPECT_GT(normal, 2000);
  EXPECT_GT(ties, 0) << "no run met two different readings of equal total";
}

bool same_scoring(const Scoring& a, const Scoring& b) {
  for (int id = 0; id < kYakuCount; ++id)
    if (a.table[id].found != b.table[id].found || a.table[id].points != b.table[id].points) return false;
  return a.total == b.total && a.total_uncapped == b.total_uncapped;
}

// score_yaku right after evaluate_win may copy the scoring the reading
// kept: the copy is the fresh scoring whatever a reader wrote over the
// shared area, and a changed table beside the hand is scored afresh.
TEST_F(ScorerInvariants, KeptScoringIsTheFreshScoring) {
  std::mt19937 rng(515);
  for (int round = 0; round < 400; ++round) {
    random_table(rng);
    score(random_complete_hand(rng));
    const Scoring first = g_scoring;
    for (int kept = 0; kept < 2; ++kept) {  // scored and kept, then copied
      for (YakuEntry& e : g_yaku_table) e = {1, 0};
      score_yaku();
      ASSERT_TRUE(same_scoring(g_scoring, first)) << round;
    }
    ++g_hana[kSeat].count;  // one flower more
    score_yaku();
    const Scoring moved = g_scoring;
    ASSERT_EQ(moved.total, first.total + 1) << round;
    reset_scoring_memo();
    score_yaku();
    ASSERT_TRUE(same_scoring(g_scoring, moved)) << round;
    --g_hana[kSeat].count;
    score_yaku();
    ASSERT_TRUE(same_scoring(g_scoring, first)) << round;
  }
}

// The kept scoring holds the one visible count the patterns read, that of
// the winning tile: once its last copies show, the same hand scores afresh
// with 和絶張, and other tiles showing change nothing.
TEST_F(ScorerInvariants, KeptScoringFollowsTheWinningTilesVisibleCopies) {
  place_win_hand(kSeat, parse_win_hand("1 2 3 4 5 6 7 8 9 11 12 31 31 + 13"));
  const WinScore before = score_placed_hand(kSeat, 1);
  ASSERT_TRUE(before.valid);
  ASSERT_EQ(before.found.count(kYaku24LastTile), 0u);
  for (int i = 0; i < 3; ++i) g_river[0][i] = 22;
  g_river_count[0] = 3;
  score_yaku();
  EXPECT_EQ(found_patterns(), before.found) << "other tiles showing";
  for (int i = 0; i < 4; ++i) g_river[0][i] = 13;
  g_river_count[0] = 4;  // the three discarded and the one on offer
  score_yaku();
  Found last = before.found;
  last[kYaku24LastTile] = 4;
  EXPECT_EQ(found_patterns(), last) << describe_patterns(found_patterns());
  EXPECT_EQ(g_eval_total, before.total + 4);
}

bool names_a_suit(const Found& f) { return f.count(kYaku41ReversibleTiles) || f.count(kYaku78AllGreen); }

TEST_F(ScorerInvariants, ExchangingSuitsKeepsThePatterns) {
  constexpr std::array<std::array<int, 3>, 5> kPerms{{{1, 0, 2}, {2, 1, 0}, {0, 2, 1}, {1, 2, 0}, {2, 0, 1}}};
  std::mt19937 rng(77);
  int compared = 0;
  for (int round = 0; round < 2000; ++round) {
    random_table(rng);
    const WinHand hand = random_complete_hand(rng);
    const WinScore base = score(hand);
    ASSERT_TRUE(base.valid);
    if (names_a_suit(base.found)) continue;
    for (const auto& perm : kPerms) {
      const WinScore swapped = score(permute_suits(hand, perm));
      ASSERT_TRUE(swapped.valid);
      if (names_a_suit(swapped.found)) continue;
      ++compared;
      ASSERT_EQ(swapped.found, base.found) << "round " << round << "\nbase: " << describe_patterns(base.found)
                                           << "\nswapped: " << describe_patterns(swapped.found);
      ASSERT_EQ(swapped.total, base.total);
    }
  }
  EXPECT_GT(compared, 9000);
}

}  // namespace

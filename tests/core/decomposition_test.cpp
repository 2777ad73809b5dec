#include "com/turn/planner_decomposition.h"
#include "com/turn/planner_state.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

#include "base/table_state.h"
#include "base/visible.h"
#include "support/hand_builder.h"

namespace {

// The search as a literal walk over all 3,125 step orders, each on a fresh
// copy of the sorted hand, scanning the hand entry by entry.
struct Literal {
  int rows[kDecompositionRows][kDecompositionSteps] = {};
  int scores[kDecompositionRows] = {};
  int pick = 0;
  int sorted[kHandSlots] = {};
};

bool held(const int* hand, int t) { return std::find(hand, hand + kHandSlots, t) != hand + kHandSlots; }
int count_of(const int* hand, int t) { return static_cast<int>(std::count(hand, hand + kHandSlots, t)); }
void zero_first_copy(int* hand, int t) { *std::find(hand, hand + kHandSlots, t) = 0; }
bool suit_rank_in(int t, int low, int high) { return t >= 1 && t < 30 && t % 10 >= low && t % 10 <= high; }

void literal_search(const int* work, int melds, int prefer_pungs, Literal& out) {
  std::copy(work, work + kHandSlots, out.sorted);
  std::sort(out.sorted, out.sorted + kHandSlots);
  std::stable_partition(out.sorted, out.sorted + kHandSlots, [](int v) { return v != 0; });
  const int* vis = g_visible_counts;
  for (int r = 0; r < kDecompositionRows; ++r) {
    int hand[kHandSlots];
    std::copy(out.sorted, out.sorted + kHandSlots, hand);
    std::fill(out.rows[r], out.rows[r] + kDecompositionSteps, 0);
    int entries = 0, sets = 0, score = 0;
    auto record = [&](int code, int points, bool is_set) {
      out.rows[r][entries++] = code;
      score += points;
      sets += is_set;
    };
    for (int k = melds, digits = r; k < 5; ++k) {
      int step = digits;
      for (int j = 0; j < k; ++j) step /= 5;
      step %= 5;
      for (int i = 0; i < kHandSlots; ++i) {
        const int t = hand[i];
        if (t == 0) continue;
        if (step == 0 && sets < 4 && suit_rank_in(t, 1, 7) && held(hand, t + 1) && held(hand, t + 2)) {
          zero_first_copy(hand, t), zero_first_copy(hand, t + 1), zero_first_copy(hand, t + 2);
          record(100 + t, 13 + (prefer_pungs == 0), true);
        } else if (step == 1 && sets < 4 && t <= 37 && count_of(hand, t) >= 3) {
          for (int c = 0; c < 3; ++c) zero_first_copy(hand, t);
          record(200 + t, 13 + (prefer_pungs == 1), true);
        } else if (step == 2 && t <= 37 && count_of(hand, t) >= 2 && vis[t] < 2) {
          zero_first_copy(hand, t), zero_first_copy(hand, t);
          record(t, 4, false);
        } else if (step == 3 && sets < 4 && suit_rank_in(t, 2, 7) && held(hand, t + 1) &&
                   !(vis[t - 1] >= 4 && vis[t + 2] >= 4)) {
          zero_first_copy(hand, t), zero_first_copy(hand, t + 1);
          record(300 + t, 4, true);
        } else if (step == 4 && sets < 4 && suit_rank_in(t, 1, 7) && held(hand, t + 2) && vis[t + 1] < 4) {
          zero_first_copy(hand, t), zero_first_copy(hand, t + 2);
          record(400 + t, 3, true);
        } else {
          continue;
        }
        break;
      }
    }
    out.scores[r] = score;
  }
  int best = 0;
  out.pick = 0;
  for (int r = 0; r < kDecompositionRows; ++r)
    if (out.scores[r] > best) best = out.scores[r], out.pick = r;
}

class Decomposition : public ::testing::Test {
 protected:
  void SetUp() override {
    reset_table_state();
    reset_visible_state();
    reset_decomposition_state();
    reset_planner_state();
  }
  static void work(const char* text) {
    const std::array<int, kHandSlots> hand = make_hand(text);
    std::copy(hand.begin(), hand.end(), g_ai_work_hand);
  }
  static void declare_melds(int seat, int n) {
    for (int m = 0; m < n; ++m) g_melds[seat][m] = make_meld(0, kMeldPung, kEast + m);
  }
  static int best_score() { return g_decomposition_score; }
  static std::vector<int> picked_row() {
    return std::vector<int>(g_decomposition_row, g_decomposition_row + kDecompositionSteps);
  }
  static std::vector<int> work_hand() { return std::vector<int>(g_ai_work_hand, g_ai_work_hand + kHandSlots); }
};

TEST_F(Decomposition, SamePickRowAndScoreAsTheLiteralSearch) {
  std::mt19937 rng(17);
  static Literal expected;
  for (int n = 0; n < 300; ++n) {
    std::vector<int> wall;
    const int top = n % 3 == 0 ? 37 : 19;  // often one or two suits: more sets and partials
    for (int t = 1; t <= top; ++t)
      if (is_playing_tile(t)) wall.insert(wall.end(), 4, t);
    if (n % 5 == 0) wall.push_back(41 + static_cast<int>(rng() % 8));  // a flower left in the pool
    std::shuffle(wall.begin(), wall.end(), rng);
    const int melds = n % 7 < 5 ? 0 : static_cast<int>(rng() % 5);
    std::fill(g_ai_work_hand, g_ai_work_hand + kHandSlots, 0);
    const int tiles = 14 - 3 * melds;
    for (int i = 0; i < tiles; ++i) g_ai_work_hand[rng() % 3 == 0 ? i : (i * 5) % kHandSlots] = wall[i];
    reset_visible_state();
    for (int i = 0; i < 40; ++i) g_visible_counts[wall[tiles + i] % 38] += 1 + static_cast<int>(rng() % 2);
    std::fill(g_melds[2], g_melds[2] + kMeldSlots, 0);
    declare_melds(2, melds);
    g_decomposition_prefer_pungs = n % 2;

    literal_search(g_ai_work_hand, melds, n % 2, expected);
    search_best_decomposition(2);
    ASSERT_EQ(g_decomposition_pick, expected.pick) << n << " " << format_tiles(expected.sorted, kHandSlots);
    ASSERT_EQ(g_decomposition_score, expected.scores[expected.pick]) << n;
    for (int i = 0; i < kDecompositionSteps; ++i)
      ASSERT_EQ(g_decomposition_row[i], expected.rows[expected.pick][i]) << n << " " << format_tiles(expected.sorted, kHandSlots);
    for (int i = 0; i < kHandSlots; ++i) ASSERT_EQ(g_ai_work_hand[i], expected.sorted[i]) << n;
  }
}

TEST_F(Decomposition, ChowsOrPungsByPreference) {
  work("111222333m");
  search_best_decomposition(0);
  EXPECT_EQ(best_score(), 42);
  EXPECT_EQ(picked_row(), (std::vector<int>{101, 101, 101, 0, 0}));
  g_decomposition_prefer_pungs = 1;
  search_best_decomposition(0);
  EXPECT_EQ(best_score(), 42);
  EXPECT_EQ(picked_row(), (std::vector<int>{201, 202, 203, 0, 0}));
}

TEST_F(Decomposition, VisibleTilesForbidPairsAndPartials) {
  work("55m 45p 46s");
  search_best_decomposition(0);
  EXPECT_EQ(best_score(), 4 + 4 + 3);
  g_visible_counts[5] = 2;  // a pair of 5m with two copies gone
  g_visible_counts[13] = 4;  // 3p and 6p all visible: 4p 5p waits on nothing
  g_visible_counts[16] = 4;
  g_visible_counts[25] = 4;  // 5s all visible: 4s 6s waits on nothing
  search_best_decomposition(0);
  EXPECT_EQ(best_score(), 0);
  EXPECT_EQ(g_decomposition_pick, 0);
  g_visible_counts[16] = 3;  // one 6p live
  search_best_decomposition(0);
  EXPECT_EQ(best_score(), 4);
  EXPECT_EQ(picked_row(), (std::vector<int>{314, 0, 0, 0, 0}));
}

TEST_F(Decomposition, FirstBestRowIsPicked) {
  work("11m");
  search_best_decomposition(0);
  EXPECT_EQ(g_decomposition_pick, 2);  // row 2 is the first whose first step is the pair
  EXPECT_EQ(best_score(), 4);
  work("123m");
  search_best_decomposition(0);
  EXPECT_EQ(g_decomposition_pick, 0);
  EXPECT_EQ(best_score(), 14);
}

TEST_F(Decomposition, FourMeldsLeaveOneStep) {
  declare_melds(1, 4);
  work("11m");
  search_best_decomposition(1);
  // Only the last position's step counts: the first row with the pair there.
  EXPECT_EQ(g_decomposition_pick, 2 * 625);
  EXPECT_EQ(picked_row(), (std::vector<int>{1, 0, 0, 0, 0}));
  EXPECT_EQ(best_score(), 4);
}

// Two pairs and two two-sided partials leave the same tiles, but the
// partials use up two of the four sets and lose the third chow.
TEST_F(Decomposition, OrdersThatLeaveTheSameTilesKeepTheirOwnSetCounts) {
  work("2233m 123p 456p 789p");
  search_best_decomposition(0);
  EXPECT_EQ(best_score(), 3 * 14 + 2 * 4);
  EXPECT_EQ(picked_row(), (std::vector<int>{2, 3, 111, 114, 117}));
  EXPECT_EQ(g_decomposition_pick, 2 + 2 * 5);  // pair, pair, then three chow steps (digit 0)
}

TEST_F(Decomposition, AtMostFourSetsPerRow) {
  work("123m 456m 789m 123p 45p");
  search_best_decomposition(0);
  EXPECT_EQ(picked_row(), (std::vector<int>{101, 104, 107, 111, 0}));
  EXPECT_EQ(best_score(), 4 * 14);
}

TEST_F(Decomposition, RemovalsLeaveTheLooseTiles) {
  work("234m 777m 234p 11s 58s 2f");
  std::swap(g_ai_work_hand[0], g_ai_work_hand[12]);  // the search sorts
  search_best_decomposition(0);
  EXPECT_EQ(work_hand(), (std::vector<int>{2, 3, 4, 7, 7, 7, 12, 13, 14, 21, 21, 25, 28, 42}));
  remove_decomposition_chows();
  EXPECT_EQ(work_hand(), (std::vector<int>{0, 0, 0, 7, 7, 7, 0, 0, 0, 21, 21, 25, 28, 42}));
  g_ai_pung_meld_count = 1;  // the caller's count of declared pungs
  remove_decomposition_pungs();
  EXPECT_EQ(work_hand(), (std::vector<int>{0, 0, 0, 0, 0, 0, 0, 0, 0, 21, 21, 25, 28, 42}));
  EXPECT_EQ(g_ai_pung_meld_count, 2);
}

TEST_F(Decomposition, RemovingAChowLeavesTheNextTile) {
  work("2345m 66p");
  search_best_decomposition(0);
  EXPECT_EQ(picked_row(), (std::vector<int>{16, 102, 0, 0, 0}));  // row 2: the pair first
  remove_decomposition_chows();
  EXPECT_EQ(work_hand(), (std::vector<int>{0, 0, 0, 5, 16, 16, 0, 0, 0, 0, 0, 0, 0, 0}));
}

TEST_F(Decomposition, RemovalsTakeTheFirstCopies) {
  work("111123m");
  g_decomposition_prefer_pungs = 1;
  search_best_decomposition(0);
  EXPECT_EQ(picked_row(), (std::vector<int>{201, 101, 0, 0, 0}));  // pung first: row 1 comes before row 5
  EXPECT_EQ(best_score(), 14 + 13);
  remove_decomposition_pungs();
  EXPECT_EQ(work_hand(), (std::vector<int>{0, 0, 0, 1, 2, 3, 0, 0, 0, 0, 0, 0, 0, 0}));
  remove_decomposition_chows();
  EXPECT_EQ(work_hand(), std::vector<int>(kHandSlots, 0));
}

}  // namespace

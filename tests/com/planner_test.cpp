#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

#include "base/ai_record.h"
#include "base/seat_eval.h"
#include "base/table_state.h"
#include "base/visible.h"
#include "com/target/com_target.h"
#include "com/target/target_script.h"
#include "com/turn/basic_rules.h"
#include "com/turn/planner.h"
#include "com/turn/planner_decomposition.h"
#include "com/turn/planner_state.h"
#include "com/turn/safety.h"
#include "support/hai_table_once.h"
#include "support/hand_builder.h"
#include "support/table_fixture.h"

namespace {

constexpr int kSeat = 2;

class Planner : public TableTest {
 protected:
  static void SetUpTestSuite() { fill_hai_table_once(); }
  void SetUp() override {
    TableTest::SetUp();
    reset_planner_state();
    reset_ai_record_state();
    reset_safety_state();
    g_wall_count = 60;
  }
  void plan(const char* hand, int character = 2) {
    set_hand(kSeat, hand);
    refresh_hand_evaluations();
    plan_discard_of_character(character, kSeat);
  }
  std::vector<int> pool() const {
    std::vector<int> out;
    for (int t : g_ai_work_hand)
      if (t != 0) out.push_back(t);
    return out;
  }
  void set_pool(const char* tiles) {
    std::fill(std::begin(g_ai_work_hand), std::end(g_ai_work_hand), 0);
    const std::vector<int> t = parse_tiles(tiles);
    std::copy(t.begin(), t.end(), g_ai_work_hand);
  }
  // Every wait of 111m 222p 333s 444m 55p less one tile is in another
  // seat's river: no ready discard is live and the ready-hand evaluator
  // leaves the choice to the rest of the cascade.
  void kill_pung_hand_waits() {
    const std::vector<int> dead = parse_tiles("1m 4m 2p 5p 5p 3s");
    std::copy(dead.begin(), dead.end(), g_river[1]);
    g_river_count[1] = static_cast<int>(dead.size());
    count_visible_tiles(kSeat);
  }
  void set_row(std::initializer_list<int> blocks) {
    g_decomposition_pick = 0;
    std::fill(std::begin(g_decomposition_row), std::end(g_decomposition_row), 0);
    std::copy(blocks.begin(), blocks.end(), g_decomposition_row);
  }
};

TEST_F(Planner, AFlowerIsProposedAloneBeforeAnythingElse) {
  plan("123m 456m 789p 12s 5s 3f");
  ASSERT_EQ(g_ai_discard_count, 1);
  EXPECT_EQ(g_ai_discard_candidates[0], parse_tiles("3f")[0]);
  EXPECT_EQ(AI[kSeat].discard_reason, kReasonHana);
  EXPECT_EQ(AI[kSeat].relax_level, 0);
}

// Seeded hands of every kind: each planner ends with exactly one candidate
// (every rule runs only while none exists), a free tile of the hand, at a
// bounded level, and leaves the hand sorted ascending.
TEST_F(Planner, EveryRuleFiresOnlyWhileNoCandidateExists) {
  std::mt19937 rng(1206);
  std::vector<int> wall;
  for (int t : kPlayingTiles) wall.insert(wall.end(), 4, t);
  for (int round = 0; round < 150; ++round) {
    std::shuffle(wall.begin(), wall.end(), rng);
    std::fill(std::begin(g_hand[kSeat]), std::end(g_hand[kSeat]), 0);
    std::copy(wall.begin(), wall.begin() + kHandSlots, g_hand[kSeat]);
    const std::vector<int> held(g_hand[kSeat], g_hand[kSeat] + kHandSlots);
    refresh_hand_evaluations();
    const int character = 1 + round % 6;
    plan_discard_of_character(character, kSeat);
    ASSERT_EQ(g_ai_discard_count, 1) << "character " << character << " round " << round;
    EXPECT_NE(std::find(held.begin(), held.end(), g_ai_discard_candidates[0]), held.end());
    EXPECT_LE(AI[kSeat].relax_level, kLastRelaxLevel);
    EXPECT_TRUE(std::is_sorted(g_hand[kSeat], g_hand[kSeat] + kHandSlots));
  }
}

TEST_F(Planner, ARuleFoundAtLevelZeroEndsTheLoopThere) {
  g_selector_table.fill([](int, const SelectorArgs&) {});  // no aim: the generic rules decide
  plan("124m 456p 789s 1122z 3z");  // not ready after any discard: the ready-hand evaluator stands aside
  EXPECT_EQ(AI[kSeat].relax_level, 0);
  EXPECT_EQ(AI[kSeat].discard_reason, 53);
  EXPECT_EQ(g_ai_discard_candidates[0], parse_tiles("3z")[0]);
}

TEST_F(Planner, LevelSevenTriesTheStrictPassFirst) {
  // A complete hand of pungs: the shape rules find nothing, level 7 strips
  // the pungs and, with the other two 5p in sight, its first variant offers
  // a tile of the pair. Without an aim, so that no pung pattern keeps the tiles.
  g_selector_table.fill([](int, const SelectorArgs&) {});
  kill_pung_hand_waits();
  plan("111m 222p 333s 444m 55p");
  EXPECT_EQ(AI[kSeat].relax_level, kThinSuitLevel);
  EXPECT_EQ(AI[kSeat].discard_reason, kReasonThinSuit);
  EXPECT_EQ(AI[kSeat].discard_subcode, 400);
  EXPECT_EQ(g_ai_strict_pass, 1);
  EXPECT_EQ(g_ai_discard_candidates[0], parse_tiles("5p")[0]);
}

TEST_F(Planner, LevelSevenLoosePassWhenNoTileKeepsTheDistance) {
  g_selector_table.fill([](int, const SelectorArgs&) {});
  kill_pung_hand_waits();
  set_hand(kSeat, "111m 222p 333s 444m 55p");
  refresh_hand_evaluations();
  AI[kSeat].min_shanten = -2;  // no discard keeps it: the strict pass finds nothing
  // The planner reads the record as the refresh left it; only min_shanten is changed.
  plan_discard_com2(kSeat);
  EXPECT_EQ(AI[kSeat].relax_level, kThinSuitLevel);
  EXPECT_EQ(AI[kSeat].discard_subcode, 400);
  EXPECT_EQ(g_ai_strict_pass, 0);
}

TEST_F(Planner, TheLoopEndsWhenNoLevelCanProposeATile) {
  // Right after a call, with only flowers free: rule 700 does not run and
  // no rule takes a flower; the last resort offers the first free tile.
  std::fill(std::begin(g_hand[kSeat]), std::end(g_hand[kSeat]), 0);
  for (int i = 0; i < 12; ++i) g_hand[kSeat][i] = make_slot(1 + i / 3 * 2, i < 6 ? kPungSlot : kChowSlot);
  g_hand[kSeat][12] = parse_tiles("2f")[0];
  g_hand[kSeat][13] = parse_tiles("5f")[0];
  g_after_naki_turn = 1;
  plan_discard_com4(kSeat);
  ASSERT_EQ(g_ai_discard_count, 1);
  EXPECT_EQ(g_ai_discard_candidates[0], parse_tiles("2f")[0]);
  EXPECT_EQ(AI[kSeat].discard_reason, kReasonNoRuleFired);
  EXPECT_EQ(AI[kSeat].relax_level, kLastRelaxLevel);
}

TEST_F(Planner, FourMeldsPlanOnTheSeatsOwnCounts) {
  set_hand(kSeat, "5m 7z");
  for (int i = 0; i < 4; ++i) add_meld(kSeat, kMeldPung, 11 + 2 * i);
  g_ai_target_yaku[kSeat] = 28;
  set_hand(1, "999s 999m 99p");
  count_hand_tiles(1);  // another seat's decision left its counts behind
  plan_discard_com2(kSeat);
  EXPECT_EQ(g_hand_counts[29], 0);
  EXPECT_EQ(g_hand_counts[5], 1);
  EXPECT_EQ(g_hand_counts[37], 1);
  EXPECT_EQ(g_ai_target_yaku[kSeat], 28) << "the aim of a seat with four melds stays";
}

TEST_F(Planner, TheHandIsSortedAscendingWithItsEmptySlotFirst) {
  set_hand(kSeat, "9s 123m 456p 78s 1122z");  // 13 tiles: slot 13 empty
  refresh_hand_evaluations();
  plan_discard_com2(kSeat);
  EXPECT_EQ(g_hand[kSeat][0], 0);
  EXPECT_TRUE(std::is_sorted(g_hand[kSeat], g_hand[kSeat] + kHandSlots));
  EXPECT_EQ(g_hand[kSeat][1], parse_tiles("1m")[0]);
}

TEST_F(Planner, ReadyRecordsAreInvalidatedAtEveryDecision) {
  g_seat_state[kSeat].eval[4].words[kEvalLive8Plus] = 3;
  g_seat_state[kSeat].eval[4].words[kEvalTile] = 5;
  plan("123m 456m 789p 12s 5s 3f");  // the flower ends the decision before the ready-hand evaluator
  for (const ReadyDiscardEval& e : g_seat_state[kSeat].eval)
    for (int w : e.words) EXPECT_EQ(w, 0);
}

TEST_F(Planner, StripsWorkOnThePickedRowAndThePool) {
  set_pool("23m 46p 55s 6z 7z");
  set_row({kPlanTwoSided + 2, kPlanClosed + 14, 25});
  strip_two_tile_runs();
  EXPECT_EQ(pool(), parse_tiles("46p 55s 6z 7z"));
  strip_gapped_pairs();
  EXPECT_EQ(pool(), parse_tiles("55s 6z 7z"));
  std::fill(std::begin(g_hand_counts), std::end(g_hand_counts), 0);
  g_hand_counts[25] = 2;
  strip_lone_pair();
  EXPECT_EQ(pool(), parse_tiles("6z 7z")) << "one pair in all, no neighbour in the pool: kept out";
}

TEST_F(Planner, LonePairStaysWithANeighbourOrASecondPair) {
  set_pool("55s 6s 7z");
  set_row({25});
  std::fill(std::begin(g_hand_counts), std::end(g_hand_counts), 0);
  strip_lone_pair();
  EXPECT_EQ(pool(), parse_tiles("55s 6s 7z")) << "the 6 beside it";
  set_pool("55s 77z");
  g_hand_counts[37] = 2;
  strip_lone_pair();
  EXPECT_EQ(pool(), parse_tiles("55s 77z")) << "an honour pair in hand makes two pairs";
}

// Beside the row's one pair, an end pair of the hand (1-1 without 2 or 3,
// 9-9 without 8 or 7) is a second pair and the row's pair stays.
TEST_F(Planner, AnEndPairWithoutNeighboursIsASecondPair) {
  const struct {
    const char* counted;  // the hand besides the row's 55s
    bool kept;
  } cases[] = {
      {"99p", true}, {"899p", false}, {"799p", false}, {"999p", false},
      {"11m", true}, {"112m", false}, {"113m", false},
  };
  for (const auto& c : cases) {
    set_pool("55s 7z");
    set_row({25});
    std::fill(std::begin(g_hand_counts), std::end(g_hand_counts), 0);
    for (int t : parse_tiles(c.counted)) ++g_hand_counts[t];
    strip_lone_pair();
    EXPECT_EQ(pool(), parse_tiles(c.kept ? "55s 7z" : "7z")) << c.counted;
  }
}

}  // namespace

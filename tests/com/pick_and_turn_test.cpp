#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "base/ai_record.h"
#include "base/options.h"
#include "base/scene_state.h"
#include "base/scenes.h"
#include "base/seat_eval.h"
#include "base/table_state.h"
#include "base/visible.h"
#include "com/target/com_target.h"
#include "com/turn/advisor.h"
#include "com/turn/com_turn.h"
#include "com/turn/planner_state.h"
#include "com/turn/safety.h"
#include "platform/platform.h"
#include "support/hai_table_once.h"
#include "support/hand_builder.h"
#include "support/table_fixture.h"

namespace {

constexpr int kSeat = 1;

class PickDiscard : public TableTest {
 protected:
  void SetUp() override {
    TableTest::SetUp();
    reset_planner_state();
    reset_safety_state();
    set_hand(kSeat, "1m 5m 6m 9m 11p 5p 1z 7z 2s 3s 4s 6s 7s");
  }
  void candidates(const char* tiles) {
    const std::vector<int> t = parse_tiles(tiles);
    std::fill(std::begin(g_ai_discard_candidates), std::end(g_ai_discard_candidates), 0);
    std::copy(t.begin(), t.end(), g_ai_discard_candidates);
    g_ai_discard_count = static_cast<int>(t.size());
  }
  void mark(int p, const char* tile) { g_safe_marks_snapshot[p][parse_tiles(tile)[0]] = 1; }
  int picked() {
    pick_discard(kSeat);
    return g_hand[kSeat][kDrawSlot];
  }
};

TEST_F(PickDiscard, SafeMarksThenOuterRanksThenChance) {
  candidates("5m 1m");
  mark(0, "5m");
  mark(0, "1m");
  EXPECT_EQ(picked(), parse_tiles("1m")[0]) << "equal scores: the outer rank";
  SetUp();
  candidates("1m 5m");
  mark(2, "5m");
  EXPECT_EQ(picked(), parse_tiles("5m")[0]) << "a higher score beats rank";
  SetUp();
  candidates("7z 9m");
  EXPECT_EQ(picked(), parse_tiles("9m")[0]);
}

TEST_F(PickDiscard, OwnMarksNeverCount) {
  candidates("1m 5m");
  mark(kSeat, "5m");
  EXPECT_EQ(picked(), parse_tiles("1m")[0]);
}

TEST_F(PickDiscard, MiddleRanksOfEqualScoreAreDrawnAtRandom) {
  for (std::uint32_t seed : {1u, 2u, 3u, 4u, 5u, 6u}) {
    SetUp();
    candidates("5m 6m");
    platform::rand_seed(seed);
    const int expected = parse_tiles("5m 6m")[platform::rand15() % 2];
    platform::rand_seed(seed);
    EXPECT_EQ(picked(), expected) << "seed " << seed;
  }
}

TEST_F(PickDiscard, TheRestIsSortedAndTheRiverSlotStartsItsSlide) {
  g_river_count[kSeat] = 5;
  candidates("6s");
  EXPECT_EQ(picked(), parse_tiles("6s")[0]);
  EXPECT_TRUE(std::is_sorted(g_hand[kSeat], g_hand[kSeat] + kDrawSlot));
  EXPECT_EQ(std::count(g_hand[kSeat], g_hand[kSeat] + kHandSlots, parse_tiles("6s")[0]), 1);
  EXPECT_EQ(g_river_slide[kSeat][5], kRiverSlideStart);
  EXPECT_EQ(g_river_count[kSeat], 5);
}

TEST_F(PickDiscard, WithoutACandidateTheHighestFreeTileOrTheFlower) {
  candidates("");
  EXPECT_EQ(picked(), parse_tiles("7z")[0]);
  EXPECT_EQ(g_ai_discard_count, 1);
  SetUp();
  candidates("8p");  // not in the hand: passed over
  EXPECT_EQ(picked(), parse_tiles("7z")[0]);
  SetUp();
  std::fill(std::begin(g_hand[kSeat]), std::end(g_hand[kSeat]), 0);
  g_hand[kSeat][0] = make_slot(5, kPungSlot);
  g_hand[kSeat][1] = parse_tiles("4f")[0];
  candidates("");
  EXPECT_EQ(picked(), parse_tiles("4f")[0]) << "only a flower free: it becomes the candidate to declare";
  EXPECT_EQ(g_ai_discard_candidates[0], parse_tiles("4f")[0]);
}

TEST_F(PickDiscard, RiverSlideIsBoundedAtTheRiversEnd) {
  g_river_count[kSeat] = kRiverCapacity;
  candidates("1m");
  EXPECT_EQ(picked(), parse_tiles("1m")[0]);
}

TEST_F(PickDiscard, FourMeldSeatsMakeTilesWithThreeVisibleSafe) {
  for (int i = 0; i < 4; ++i) g_melds[3][i] = make_meld(0, kMeldChow, 1 + i);
  g_visible_counts[parse_tiles("5p")[0]] = 3;
  g_visible_counts[parse_tiles("6p")[0]] = 2;
  mark_safe_vs_four_melds();
  EXPECT_EQ(g_safe_marks[3][parse_tiles("5p")[0]], 1);
  EXPECT_EQ(g_safe_marks[3][parse_tiles("6p")[0]], 0);
  EXPECT_EQ(g_safe_marks[2][parse_tiles("5p")[0]], 0) << "only against seats with four melds";
  EXPECT_EQ(g_safe_marks_snapshot[3][parse_tiles("5p")[0]], 0) << "the pick sees marks from the next decision on";
  prepare_discard_tables(kSeat);
  EXPECT_EQ(g_safe_marks_snapshot[3][parse_tiles("5p")[0]], 1);
}

class ComTurn : public TableTest {
 protected:
  static void SetUpTestSuite() { fill_hai_table_once(); }
  void SetUp() override {
    TableTest::SetUp();
    reset_planner_state();
    reset_safety_state();
    reset_ai_record_state();
    g_wall_count = 50;
    g_seat_character[kSeat] = 2;
    g_scene = seat_turn_scene(kSeat);
  }
};

TEST_F(ComTurn, TheDiscardGoesToTheRiverAndTheNextScene) {
  set_hand(kSeat, "123m 456p 789s 1122z 3z");
  refresh_hand_evaluations();
  com_turn(kSeat);
  EXPECT_EQ(g_scene, seat_discarded_scene(kSeat));
  ASSERT_EQ(g_river_count[kSeat], 1);
  EXPECT_EQ(g_river[kSeat][0], parse_tiles("3z")[0]);
  EXPECT_EQ(g_river_tsumogiri[kSeat][0], 1) << "the drawn tile, no other copy in hand";
  EXPECT_EQ(g_hand[kSeat][kDrawSlot], 0);
}

TEST_F(ComTurn, ALoneFlowerCandidateIsDeclared) {
  set_hand(kSeat, "123m 456p 789s 112z 3f");
  refresh_hand_evaluations();
  com_turn(kSeat);
  EXPECT_EQ(g_scene, SCENE_SHOUT) << "with balloons on the shout pause comes first";
  EXPECT_EQ(g_shout_return_scene, SCENE_FLOWER);
  EXPECT_EQ(g_balloon[kSeat], 5);
  EXPECT_EQ(g_flower_tile, parse_tiles("3f")[0]);
  EXPECT_EQ(g_river_count[kSeat], 0);
}

TEST_F(ComTurn, TheAdvisorLeavesTheUsersHandAndDrawsNoRandomNumber) {
  set_hand(0, "1m 5m 6m 9m 11p 5p 1z 7z 2s 3s 4s 6s 7s");
  std::vector<int> before(g_hand[0], g_hand[0] + kHandSlots);
  refresh_hand_evaluations();
  for (int character = 0; character <= 6; ++character) {
    g_options[opt_ai_tile_choice] = character;
    platform::rand_seed(42);
    const int tile = advise_user_discard();
    EXPECT_EQ(std::vector<int>(g_hand[0], g_hand[0] + kHandSlots), before);
    EXPECT_NE(std::find(before.begin(), before.end(), tile), before.end());
    EXPECT_EQ(g_suggested_discard, tile);
    const int next = platform::rand15();
    platform::rand_seed(42);
    EXPECT_EQ(next, platform::rand15()) << "character " << character;
  }
}

}  // namespace

// Readings of a complete hand: seven pairs against four sets, the blocks a
// declared meld can make, the knitted straight, and tiles that complete
// nothing.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <random>

#include "base/scorer.h"
#include "base/table_state.h"
#include "base/visible.h"
#include "base/waits.h"
#include "base/win_eval.h"
#include "support/random_hands.h"
#include "support/scoring_fixture.h"

namespace {

class WinEval : public ScoringTest {
 protected:
  // Places the hand and runs find_waits, as every win test does first.
  void place_and_find_waits(const std::string& text) {
    place_win_hand(kSeat, parse_win_hand(text));
    std::memcpy(g_wait_hand, g_hand[kSeat], sizeof g_wait_hand);
    g_wait_slot = kDrawSlot;
    find_waits();
  }
  bool waits_on(int tile) const { return std::find(g_waits, g_waits + g_wait_count, tile) != g_waits + g_wait_count; }
  // Counts and points no scoring would leave, to tell whether one rewrote them.
  static constexpr int kStale = 9;
  void make_stale() {
    std::fill(std::begin(g_visible_counts), std::end(g_visible_counts), kStale);
    g_win_points = -1;
  }
  std::vector<int> chosen_blocks() const { return {g_meld_list, g_meld_list + kWinBlocks}; }
};

TEST_F(WinEval, ThreeQuadsBesideThePairReadAsFourSets) {
  for (const char* hand : {"5 5 11 11 11 11 12 12 12 12 13 13 13 + 13", "11 11 11 11 12 12 12 12 13 13 13 31 31 + 13"}) {
    const WinScore s = win(hand);
    ASSERT_TRUE(s.valid) << hand;
    EXPECT_EQ(s.form, kFormNormal) << hand;
    EXPECT_EQ(std::count(g_meld_list, g_meld_list + kWinBlocks, kWinConcealedChow + 11), 4) << hand;
    EXPECT_TRUE(s.found.count(kYaku65QuadrupleChow)) << describe_patterns(s.found);
  }
}

TEST_F(WinEval, QuadsAroundThePairReadAsSevenPairs) {
  const WinScore s = win("1 1 1 1 2 2 3 3 3 3 4 4 4 + 4");
  ASSERT_TRUE(s.valid);
  EXPECT_EQ(s.form, kFormSevenPairs);
  EXPECT_TRUE(s.found.count(kYaku56SevenPairs));
  EXPECT_EQ(g_eval_wait_count, 1);
  EXPECT_EQ(g_eval_waits[0], 4);
}

// Mended: the quads refusal stood even when no extraction order reads the
// hand, which then scored from empty blocks.
TEST_F(WinEval, RefusedSevenPairsStandsWhenNoSetsReadTheHand) {
  place_and_find_waits("1 1 1 1 2 2 2 2 4 4 4 15 15 + 4");
  ASSERT_EQ(g_hand_form, kFormNormal);  // 3m is a normal wait of the 13 tiles
  ASSERT_TRUE(waits_on(3) && waits_on(4));
  const WinScore s = score_placed_hand(kSeat, 1);
  ASSERT_TRUE(s.valid);
  EXPECT_EQ(s.form, kFormSevenPairs);
  const Found want{{kYaku6OneVoidedSuit, 1}, {kYaku7NoHonours, 1}, {kYaku19TileHog, 6}, {kYaku56SevenPairs, 24}};
  EXPECT_EQ(s.found, want) << describe_patterns(s.found);
  EXPECT_EQ(s.total, 32);
}

TEST_F(WinEval, OneRankBlockSwitchDecidesBetweenPairsAndRuns) {
  const char* hand = "1 1 2 2 3 3 11 11 12 12 13 13 22 + 22";
  EXPECT_EQ(win(hand).form, kFormSevenPairs);
  g_rule_yaku[kRuleSevenPairsTileRange] = 0;
  const WinScore s = win(hand);
  EXPECT_EQ(s.form, kFormNormal);
  EXPECT_EQ(s.found.at(kYaku0PureDoubleChow), 2) << describe_patterns(s.found);
  // The refusal needs two full runs' worth of pairs: one suit is not enough.
  EXPECT_EQ(win("1 1 2 2 3 3 11 11 13 13 22 22 23 + 23").form, kFormSevenPairs);
}

// The refusal takes the rank block of the hand's lowest tile: 1-3 when that
// tile is a 3, and the middle and upper blocks alike.
TEST_F(WinEval, OneRankBlockRefusalInEveryBlock) {
  g_rule_yaku[kRuleSevenPairsTileRange] = 0;
  for (const char* hand : {"3 3 11 11 12 12 13 13 21 21 22 22 23 + 23", "4 4 5 5 6 6 14 14 15 15 16 16 26 + 26",
                           "7 7 8 8 9 9 17 17 18 18 19 19 28 + 28"}) {
    const WinScore s = win(hand);
    ASSERT_TRUE(s.valid) << hand;
    EXPECT_EQ(s.form, kFormNormal) << hand;
  }
}

// Mended: declared pungs of 5, 6 and 7 were readable as three chows.
TEST_F(WinEval, DeclaredPungsNeverMakeChows) {
  const WinScore s = win("12 13 29 29 + 11 / [5 5 5] / [6 6 6] / [7 7 7]");
  ASSERT_TRUE(s.valid);
  for (const EvalOrderRecord& rec : g_eval_orders) {
    ASSERT_TRUE(rec.found);
    for (int pung : {405, 406, 407}) EXPECT_NE(std::find(rec.blocks, rec.blocks + kWinBlocks, pung), rec.blocks + kWinBlocks);
  }
  EXPECT_EQ(s.found, (Found{{kYaku7NoHonours, 1}, {kYaku54PureShiftedPungs, 24}})) << describe_patterns(s.found);
  EXPECT_EQ(s.total, 25);
}

// Mended: three identical called chows were readable as a pung each.
TEST_F(WinEval, CalledChowsNeverMakePungs) {
  const WinScore s = win("15 15 17 18 + 19 / [1 2 3] / [1 2 3] / [1 2 3]");
  ASSERT_TRUE(s.valid);
  for (const EvalOrderRecord& rec : g_eval_orders) {
    ASSERT_TRUE(rec.found);
    EXPECT_EQ(std::count(rec.blocks, rec.blocks + kWinBlocks, kWinCalledChow + 1), 3);
  }
  const Found want{{kYaku6OneVoidedSuit, 1}, {kYaku20AllChows, 2}, {kYaku53PureTripleChow, 24}};
  EXPECT_EQ(s.found, want) << describe_patterns(s.found);
}

TEST_F(WinEval, KnittedStraightWithCalledChowRecordsItsBlock) {
  const WinScore s = win("3 6 9 11 14 17 22 25 28 31 + 31 / [4 5 6]");
  ASSERT_TRUE(s.listed);
  ASSERT_TRUE(s.valid);
  EXPECT_EQ(s.form, kFormKnittedStraight);
  EXPECT_EQ(chosen_blocks(), (std::vector<int>{31, 204, 0, 0, 0}));
  EXPECT_TRUE(s.found.count(kYaku43KnittedStraight));
}

// Honours and knitted is fourteen different tiles: a pair among them is no
// such reading, even where the form says so.
TEST_F(WinEval, HonoursAndKnittedHoldsNoPair) {
  EXPECT_TRUE(win("1 4 7 12 15 18 23 26 29 31 32 33 34 + 35").valid);
  place_and_find_waits("1 1 4 7 12 15 18 23 26 29 31 32 33 + 34");
  g_hand_form = kFormHonoursKnitted;
  EXPECT_FALSE(evaluate_win(kSeat, 34, 1));
}

// Only a normal reading records extraction orders: a reading in another
// form right after one leaves none of its records behind.
TEST_F(WinEval, OtherFormsLeaveNoOrderRecords) {
  ASSERT_TRUE(win("1 2 3 4 5 6 7 8 9 11 12 13 31 + 31").valid);
  ASSERT_EQ(g_eval_orders[0].found, 1);
  for (const char* hand : {"1 9 11 19 21 29 31 32 33 34 35 36 37 + 37", "1 1 2 2 3 3 11 11 15 15 22 22 24 + 24"}) {
    ASSERT_TRUE(win(hand).valid) << hand;
    for (const EvalOrderRecord& rec : g_eval_orders) {
      EXPECT_EQ(rec.found, 0) << hand;
      EXPECT_EQ(rec.points, 0) << hand;
      EXPECT_EQ(std::count(rec.blocks, rec.blocks + kWinBlocks, 0), kWinBlocks) << hand;
    }
  }
}

TEST_F(WinEval, EvaluationRecordsWhoWinsAndHow) {
  g_dealer = 2;
  g_round_wind = 3;
  win("1 2 3 4 5 6 7 8 9 14 15 23 23 + 13", 0);
  EXPECT_EQ(g_eval_seat, kSeat);
  EXPECT_EQ(g_eval_tile, 13);
  EXPECT_EQ(g_eval_by_discard, 0);
  EXPECT_EQ(g_eval_seat_wind, 3);  // two seats after the dealer's
  EXPECT_EQ(g_eval_round_wind, 3);
  EXPECT_EQ(g_eval_open, 0);
  EXPECT_TRUE(std::is_sorted(g_eval_hand, g_eval_hand + kHandSlots));
  win("2 3 4 13 14 15 22 23 24 9 + 9 / (5 5 5 5)");
  EXPECT_EQ(g_eval_open, 0) << "a concealed kong opens no hand";
  win("2 3 4 13 14 15 22 23 24 9 + 9 / [5 5 5 5]");
  EXPECT_EQ(g_eval_open, 1);
}

// A tile that completes nothing in the form find_waits reported gives no
// reading, and then nothing scores.
TEST_F(WinEval, WrongTileInEveryFormScoresNothing) {
  struct Case {
    const char* hand;
    int form;
  };
  for (const Case& c : {Case{"1 9 11 19 21 29 31 32 33 34 35 36 37 + 5", kFormThirteenOrphans},
                        Case{"1 4 7 12 15 18 23 26 29 33 33 36 36 + 35", kFormKnittedStraight},
                        Case{"1 7 12 18 23 26 29 31 33 34 35 36 37 + 31", kFormHonoursKnitted},
                        Case{"2 2 4 4 5 5 6 6 21 21 27 27 29 + 28", kFormSevenPairs}}) {
    place_and_find_waits(c.hand);
    ASSERT_EQ(g_hand_form, c.form) << c.hand;
    const WinScore s = score_placed_hand(kSeat, 1);
    EXPECT_FALSE(s.listed) << c.hand;
    EXPECT_FALSE(s.valid) << c.hand;
    EXPECT_TRUE(s.found.empty()) << c.hand << ": " << describe_patterns(s.found);
    EXPECT_EQ(s.total, 0) << c.hand;
  }
}

// Seeded: against the count-based reference, the evaluation finds a reading
// exactly when four sets and a pair exist or the closed hand pairs up, and
// a normal reading's blocks are the fourteen slots.
TEST_F(WinEval, ReadingExistsExactlyWhenTheReferenceFindsOne) {
  std::mt19937 rng(4711);
  int readings = 0;
  for (int round = 0; round < 3000; ++round) {
    WinHand hand = random_complete_hand(rng);
    if (round % 2) hand.win_tile = random_tiles(rng, 1)[0];  // mostly completes nothing now
    place_win_hand(kSeat, hand);
    int values[kHandSlots];
    std::memcpy(values, g_hand[kSeat], sizeof values);
    std::sort(values, values + kHandSlots);
    if (std::count(values, values + kHandSlots, values[13]) > 4) continue;
    g_hand_form = kFormNormal;  // as if find_waits had found normal waits for other tiles
    const bool open = std::any_of(hand.melds.begin(), hand.melds.end(), is_open_meld);
    bool pairs = !open;
    for (int i = 0; i < kHandSlots; i += 2) pairs = pairs && values[i] == values[i + 1];
    const bool valid = evaluate_win(kSeat, hand.win_tile, round % 3 != 0);
    ASSERT_EQ(valid, has_normal_reading(values) || pairs) << "round " << round;
    score_yaku();
    if (!valid) {
      ASSERT_TRUE(found_patterns().empty()) << "round " << round;
      ASSERT_EQ(g_eval_total, 0);
      continue;
    }
    ++readings;
    if (g_hand_form == kFormNormal) {
      ASSERT_EQ(expand_blocks(g_meld_list, kWinBlocks), std::vector<int>(values, values + kHandSlots)) << round;
    }
  }
  EXPECT_GT(readings, 1500);
}

// A scoring leaves the visible counts recounted for the winner (the last-tile
// pattern reads them), except while a kong is robbed; evaluate_win alone
// does so only when it scored an extraction order, whose total it leaves in
// g_win_points.
struct RecountCase {
  const char* hand;
  int robbing;
  bool evaluation_scores;  // the tile completes the normal form
};

class ScoringRecount : public WinEval, public ::testing::WithParamInterface<RecountCase> {
 protected:
  bool recounted() const { return g_visible_counts[1] == 0 && g_seen_counts[1] == 1; }
};

TEST_P(ScoringRecount, OnlyAScoringRecountsAndNeverWhileRobbing) {
  const RecountCase& c = GetParam();
  place_and_find_waits(c.hand);
  g_robbing_kong_flag = c.robbing;
  make_stale();
  evaluate_win(kSeat, g_hand[kSeat][kDrawSlot], 1);
  EXPECT_EQ(recounted(), c.evaluation_scores && c.robbing == 0);
  EXPECT_EQ(g_win_points, c.evaluation_scores ? g_eval_total : -1);
  make_stale();
  score_yaku();
  EXPECT_EQ(recounted(), c.evaluation_scores && c.robbing == 0);
  EXPECT_EQ(g_win_points, g_eval_total);
  EXPECT_EQ(g_eval_total > 0, c.evaluation_scores);
}

INSTANTIATE_TEST_SUITE_P(Cases, ScoringRecount, ::testing::Values(
    RecountCase{"1 2 3 4 5 6 7 8 9 11 12 13 31 + 31", 0, true},
    RecountCase{"1 2 3 4 5 6 7 8 9 11 12 13 31 + 31", 1, true},
    RecountCase{"1 2 3 4 5 6 7 8 9 11 12 13 31 + 5", 0, false}));

// The program scores right after evaluating. Where the evaluation already
// scored the chosen reading (a normal-form win) against the counts
// score_yaku would read (rebuilt, or while a kong is robbed the shared ones
// it leaves as they are), that scoring stands; every other case scores as
// score_yaku does. Both ways leave the same result.
struct BackToBackCase {
  const char* hand;
  int robbing;
  bool scored_by_evaluation;
};

class EvaluatedScoring : public WinEval, public ::testing::WithParamInterface<BackToBackCase> {
 protected:
  struct Outcome {
    WinScore score;
    int win_points;
    std::vector<int> visible;
  };
  Outcome outcome() const {
    return {{.valid = g_eval_valid == 1, .form = g_win_reading.form, .found = found_patterns(), .total = g_eval_total},
            g_win_points,
            {std::begin(g_visible_counts), std::end(g_visible_counts)}};
  }
};

TEST_P(EvaluatedScoring, LeavesWhatScoreYakuLeaves) {
  const BackToBackCase& c = GetParam();
  place_and_find_waits(c.hand);
  g_robbing_kong_flag = c.robbing;
  make_stale();
  evaluate_win(kSeat, g_hand[kSeat][kDrawSlot], 1);
  score_yaku();
  const Outcome apart = outcome();

  place_and_find_waits(c.hand);
  make_stale();
  const WinEvaluation evaluation = evaluate_win_for_scoring(kSeat, g_hand[kSeat][kDrawSlot], 1);
  EXPECT_EQ(evaluation.scored_now, c.scored_by_evaluation);
  score_evaluated(evaluation);
  const Outcome together = outcome();
  EXPECT_EQ(together.score.valid, apart.score.valid);
  EXPECT_EQ(together.score.form, apart.score.form);
  EXPECT_EQ(together.score.total, apart.score.total);
  EXPECT_EQ(together.score.found, apart.score.found) << describe_patterns(together.score.found);
  EXPECT_EQ(together.win_points, apart.win_points);
  EXPECT_EQ(together.visible, apart.visible);
}

INSTANTIATE_TEST_SUITE_P(Cases, EvaluatedScoring, ::testing::Values(
    BackToBackCase{"1 2 3 4 5 6 7 8 9 11 12 13 31 + 31", 0, true},
    BackToBackCase{"1 2 3 4 5 6 7 8 9 11 12 13 31 + 31", 1, true},
    BackToBackCase{"1 2 3 4 5 6 7 8 9 11 12 13 31 + 5", 0, false},
    BackToBackCase{"1 1 5 5 9 9 12 12 24 24 31 31 35 + 35", 0, false},
    BackToBackCase{"1 9 11 19 21 29 31 32 33 34 35 36 37 + 37", 0, false},
    BackToBackCase{"1 1 1 2 3 4 5 6 7 8 9 9 9 + 5", 0, true}));

// The scoring kept at the evaluation answers a later score_yaku on the same
// reading exactly, though the shared table was edited in between (the claim
// code rewrites row 40), and never once the table beside the hand changed.
TEST_F(WinEval, KeptScoringOutlivesEditsButNotATableChange) {
  place_and_find_waits("1 2 3 4 5 6 7 8 9 11 12 13 31 + 31");
  evaluate_win(kSeat, 31, 1);
  score_yaku();
  const Found first = found_patterns();
  const int first_total = g_eval_total;
  ASSERT_EQ(first.count(kYaku40ChickenHand), 0u);
  ASSERT_EQ(first.count(kYaku39LastClaim), 0u);

  g_yaku_table[kYaku40ChickenHand].found = 1;
  g_eval_total = 0;
  score_yaku();
  EXPECT_EQ(found_patterns(), first) << describe_patterns(found_patterns());
  EXPECT_EQ(g_eval_total, first_total);

  g_wall_count = 0;  // the discard won on is now the last one
  score_yaku();
  Found last = first;
  last[kYaku39LastClaim] = 8;
  EXPECT_EQ(found_patterns(), last) << describe_patterns(found_patterns());
  EXPECT_EQ(g_eval_total, first_total + 8);
}

// The table beside the hand counts a meld declared anywhere: in any seat's
// any slot, the winner's or another's, and none when every slot is free.
TEST_F(WinEval, AMeldInAnySeatsAnySlotIsAMeldAnywhere) {
  const int visible[kTileCodes]{};
  EXPECT_EQ(table_context_of(kSeat, visible).melds_anywhere, 0);
  for (int seat = 0; seat < kSeats; ++seat)
    for (int slot = 0; slot < kMeldSlots; ++slot) {
      g_melds[seat][slot] = make_meld(0, kMeldPung, 5);
      const WinContext ctx = table_context_of(kSeat, visible);
      EXPECT_EQ(ctx.melds_anywhere, 1) << seat << " " << slot;
      EXPECT_EQ(ctx.melds[slot], seat == kSeat ? make_meld(0, kMeldPung, 5) : 0) << seat << " " << slot;
      g_melds[seat][slot] = 0;
    }
}

}  // namespace

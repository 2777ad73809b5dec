// The figures of the simulated-call rules: which record is chosen, when a
// call beats the current ready hand, when a kong is kept, what the current
// hand is worth, and the table that keeps the first 49 and the last.
#include <algorithm>
#include <vector>

#include "com/claim/claim_protocol.h"
#include "com/claim/claim_rules.h"
#include "com/claim/claim_simulated.h"
#include "com/target/com_target.h"
#include "base/ai_record.h"
#include "base/visible.h"
#include "support/claim_fixture.h"
#include "base/table_state.h"
#include "base/waits.h"

namespace {

template <typename Record>
int chosen_index(const std::vector<Record>& records, const Record* (*choose)(const RecordTable<Record>&)) {
  RecordTable<Record> table;
  for (const Record& r : records) table.add(r);
  const Record* chosen = choose(table);
  return chosen == nullptr ? -1 : static_cast<int>(chosen - table.records.data());
}

// {kind, shape, points, at-best weight, winning weight}
TEST(ChooseToGetReady, PassesAndBars) {
  const auto choose = [](std::vector<ReadyRecord> r) { return chosen_index(r, choose_to_get_ready); };
  EXPECT_EQ(choose({{1, 0, 12, 3, 6}, {2, 1, 8, 5, 5}}), 0) << "5 best copies do not pass the bar of 6";
  EXPECT_EQ(choose({{1, 0, 8, 3, 3}, {2, 2, 12, 3, 5}}), 1) << "more points at the bar";
  EXPECT_EQ(choose({{1, 0, 12, 3, 6}, {2, 3, 64, 1, 1}}), 1) << "64 overrides";
  EXPECT_EQ(choose({{1, 0, 88, 1, 1}, {2, 2, 64, 2, 0}}), 1) << "more best copies among the 64s";
  EXPECT_EQ(choose({{1, 0, 88, 2, 0}, {1, 0, 64, 2, 0}}), 0) << "more points among the 64s at the bar";
  EXPECT_EQ(choose({{1, 0, 8, 3, 0}, {0, 0, 12, 3, 6}, {2, 1, 4, 2, 0}}), -1) << "no winning copy, empty, below 8";
  EXPECT_EQ(choose({{1, 0, 8, 1, 1}}), 0);
}

// {kind, shape, points, live}
TEST(ChooseBetter, PointsThenLiveThenTheEarlier) {
  const auto choose = [](std::vector<BetterRecord> r) { return chosen_index(r, choose_better); };
  EXPECT_EQ(choose({{1, 0, 9, 3}, {2, 1, 10, 2}, {2, 3, 10, 4}, {3, 0, 10, 4}}), 2);
  EXPECT_EQ(choose({{1, 0, 8, 0}, {1, 0, 7, 5}, {0, 0, 12, 3}}), -1);
}

TEST(RecordTable, KeepsTheFirst49AndTheLast) {
  RecordTable<BetterRecord> table;
  for (int i = 0; i < 60; ++i) table.add({1, 0, i, 1});
  EXPECT_EQ(table.records[48].points, 48);
  EXPECT_EQ(table.records[49].points, 59);
}

TEST(BetterThan, MoreLiveCopiesOrMorePointsAtLeastAsLive) {
  const CurrentHand strong{11, 3, true};
  EXPECT_TRUE(better_than(strong, 10, 4));
  EXPECT_FALSE(better_than(strong, 10, 3));
  EXPECT_TRUE(better_than(strong, 12, 3));
  EXPECT_FALSE(better_than(strong, 12, 2));
  EXPECT_FALSE(better_than({8, 5, true}, 9, 1));
  const CurrentHand weak{7, 0, false};
  EXPECT_TRUE(better_than(weak, 8, 1));
  EXPECT_FALSE(better_than(weak, 8, 0));
  EXPECT_FALSE(better_than(weak, 7, 9));
}

// Seat 1 is South; the round wind East, or South in the South round.
struct KongCase {
  int target, tile, round, current, waits, triples;
  bool kept;
};

class KongKept : public ClaimTest {};

TEST_F(KongKept, ByTargetAndTheKongsOwnValue) {
  const KongCase cases[] = {
      {40, 5, 0, 9, 2, 1, false}, {63, 5, 0, 9, 2, 1, false}, {70, 5, 0, 9, 2, 1, false},
      {72, 5, 0, 9, 2, 1, false}, {73, 5, 0, 9, 2, 1, false}, {74, 5, 0, 9, 2, 1, false},
      {40, 5, 0, 7, 2, 1, true},  {28, 5, 0, 9, 2, 1, true},  {0, 37, 0, 11, 1, 1, false},
      {0, 37, 0, 10, 1, 1, true}, {0, 31, 0, 11, 1, 1, false}, {0, 32, 1, 12, 1, 1, true},
      {0, 32, 1, 13, 1, 1, false}, {0, 19, 0, 10, 1, 1, false}, {0, 19, 0, 9, 1, 1, true},
      {0, 15, 0, 9, 1, 1, false}, {0, 15, 0, 8, 1, 1, true},  {0, 15, 0, 20, 2, 1, true},
      {0, 15, 0, 20, 1, 2, true},  {40, 5, 0, 8, 2, 1, false},
  };
  for (const KongCase& c : cases) {
    g_ai_target_yaku[kSeat] = c.target;
    g_round_wind = c.round;
    std::fill(std::begin(g_hand_counts), std::end(g_hand_counts), 0);
    for (int t = 0; t < c.triples; ++t) g_hand_counts[kRed - t] = 3;
    EXPECT_EQ(kong_kept(kSeat, c.tile, {c.current, 1, true}, c.waits), c.kept)
        << "target " << c.target << " tile " << c.tile << " worth " << c.current;
  }
}

// Ready on 1m (10) and white (11); white is discarded by seat 2.
TEST_F(KongKept, TheCurrentHandCountsLiveCopiesOfItsEightPointWaits) {
  set_up({"", nullptr, "234m 567m 789m 11m 55z", "5z", {}, 0, 0, {}, 2});
  count_visible_tiles(kSeat);
  const CurrentHand cur = value_current_hand(kSeat, seat_ready_waits(kSeat));
  EXPECT_EQ(cur.points, 11);
  EXPECT_EQ(cur.live, 3) << "two 1m and one white left";
  EXPECT_TRUE(cur.live_eight);
  // Ready on 6p (7) and 9p (8).
  set_up({"", nullptr, "123m 456m 123p 78p 55p", "5z", {}, 0, 0, {}, 2});
  count_visible_tiles(kSeat);
  const CurrentHand seven_or_eight = value_current_hand(kSeat, seat_ready_waits(kSeat));
  EXPECT_EQ(seven_or_eight.points, 8);
  EXPECT_EQ(seven_or_eight.live, 4) << "only the 9p are worth 8";
  EXPECT_TRUE(seven_or_eight.live_eight);
}

// One search of slots 0-12 values every wait, whatever the order of those
// slots: ready on 6p (7 points) and 9p (8).
class ScoreWinWith : public ClaimTest {};

TEST_F(ScoreWinWith, OneSearchServesEveryWaitAndEveryOrder) {
  set_up({"", nullptr, "123m 456m 123p 78p 55p", "5z", {}, 0, 0, {}, 2});
  count_visible_tiles(kSeat);
  const WaitSet waits = seat_ready_waits(kSeat);
  ASSERT_EQ(waits.count, 2);
  std::reverse(g_hand[kSeat], g_hand[kSeat] + kDrawSlot);
  const int expected[] = {7, 8};
  for (int i = 0; i < waits.count; ++i) {
    const int searched = score_win_on(kSeat, waits.tiles[i]);
    const int form = g_hand_form;
    EXPECT_EQ(score_win_with(kSeat, waits.tiles[i], waits), searched);
    EXPECT_EQ(searched, expected[i]);
    EXPECT_EQ(g_hand_form, form);
    EXPECT_EQ(g_wait_slot, kDrawSlot);
    EXPECT_EQ(g_wait_hand[0], g_hand[kSeat][0]) << "the search inputs are set as the search sets them";
  }
}

// Not ready; with 3p chowed and 9s thrown ready on 2s or 5s, each worth 4
// open (all chows 2, short straight 1, mixed double chow 1) or 6 concealed.
// Three 2s lie in a river, so 2s is the last copy: worth 4 more only to a
// seat that has called before. Unclaimed the concealed hand reaches only 6.
#define LAST_2S_AFTER_CHOW "456m 12p 55p 34s 9s"
const MeldSpec kChow1m{kMeldChow, 1, 0};

void to_get_ready(int seat) { naki_to_get_ready(seat, 8); }

class ToGetReady : public ClaimCaseTest {};

TEST_P(ToGetReady, Decides) {
  set_up(GetParam());
  EXPECT_EQ(run(GetParam().rule), GetParam().expect);
}

INSTANTIATE_TEST_SUITE_P(LastCopy, ToGetReady, ::testing::Values(
    ClaimCase{"CalledSeatCountsItFourMore", to_get_ready, LAST_2S_AFTER_CHOW, "3p", chow(1, 90, 0), 0, 0, {kChow1m},
              0, "2s 2s 2s"},
    ClaimCase{"ConcealedSeatDoesNot", to_get_ready, "123m " LAST_2S_AFTER_CHOW, "3p", kNoClaim, 0, 0, {}, 0, "2s 2s 2s"}),
    claim_case_name);

// 2369m 25p 77p 12247s holds eight tiles of the knitted straight 369m 258p
// 147s; pung 7p and throw 2m, and it is ready on 8p for the straight (12,
// no honours 1). A 7p from the seat across can only be punged; the left
// neighbour's 7p cannot be chowed either, since no 5p-6p, 6p-8p or 8p-9p.
INSTANTIATE_TEST_SUITE_P(KnittedStraight, ToGetReady, ::testing::Values(
    ClaimCase{"PungOfTheLeftNeighbours", to_get_ready, "2369m 2577p 12247s", "7p", pung(90)},
    ClaimCase{"PungFromAcross", to_get_ready, "2369m 2577p 12247s", "7p", pung(90), 0, 0, {}, 3},
    ClaimCase{"NoSetToMake", to_get_ready, "2369m 2577p 12247s", "9m", kNoClaim}),
    claim_case_name);

}  // namespace

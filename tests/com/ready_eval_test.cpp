#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <random>
#include <vector>

#include "base/ai_record.h"
#include "base/seat_eval.h"
#include "base/table_state.h"
#include "base/visible.h"
#include "base/yaku_table.h"
#include "com/target/com_target.h"
#include "com/turn/cascade_places.h"
#include "com/turn/planner_state.h"
#include "com/turn/ready_eval_choice.h"
#include "support/hai_table_once.h"
#include "support/hand_builder.h"
#include "support/table_fixture.h"
#include "table/win_test.h"

namespace {

constexpr int kSeat = 1;

int tile(const char* text) { return parse_tiles(text)[0]; }

class ReadyEval : public TableTest {
 protected:
  static void SetUpTestSuite() { fill_hai_table_once(); }
  void SetUp() override {
    TableTest::SetUp();
    reset_planner_state();
    reset_ai_record_state();
    g_wall_count = 60;
  }
  // The state the planner leaves before its immediate rules: counts, an
  // empty candidate list and the pool of free tiles.
  void prepare(const char* hand) {
    if (hand != nullptr) set_hand(kSeat, hand);
    refresh_hand_evaluations();
    count_visible_tiles(kSeat);
    count_hand_tiles(kSeat);
    build_work_hand(kSeat);
    g_ai_discard_count = 0;
  }
  void discard_to_river(int seat, const char* tiles) {
    for (int t : parse_tiles(tiles)) g_river[seat][g_river_count[seat]++] = t;
  }
  const int* record(int slot) const { return g_seat_state[kSeat].eval[slot].words; }
  int slot_of(int t) const {
    for (int s = 0; s < kHandSlots; ++s)
      if (tile_of(g_hand[kSeat][s]) == t) return s;
    return -1;
  }
  void expect_committed(const char* discard, int subcode) {
    ASSERT_EQ(g_ai_discard_count, 1);
    EXPECT_EQ(g_ai_discard_candidates[0], tile(discard));
    EXPECT_EQ(AI[kSeat].discard_reason, 0);
    EXPECT_EQ(AI[kSeat].discard_subcode, subcode);
    const auto in_pool = std::count(std::begin(g_ai_work_hand), std::end(g_ai_work_hand), tile(discard));
    const auto in_hand = std::count_if(std::begin(g_hand[kSeat]), std::end(g_hand[kSeat]),
                                       [&](int v) { return is_free_slot(v) && tile_of(v) == tile(discard); });
    EXPECT_EQ(in_pool, in_hand - 1) << "the pool gives up the tile";
  }
};

// The hand is ready only after the Red dragon leaves or only after the 5m
// leaves: waiting on the dragon adds all five tile types to the mixed
// straight, so that discard scores more.
TEST_F(ReadyEval, HigherPointsWinAmongReadyDiscards) {
  prepare("123m 456p 789s 111z 5m 7z");
  const std::array<int, kHandSlots> before = std::to_array(g_hand[kSeat]);
  ai_pick_ready_discard(kSeat);
  EXPECT_EQ(std::to_array(g_hand[kSeat]), before) << "the hand is evaluated on copies";
  const int* keep_dragon = record(slot_of(tile("5m")));
  const int* keep_5m = record(slot_of(tile("7z")));
  EXPECT_GT(keep_dragon[kEvalMaxPoints], keep_5m[kEvalMaxPoints]);
  expect_committed("5m", 1);
  EXPECT_EQ(g_seat_state[kSeat].ready_discard_now, 1);
}

// 236m 25p 777p 12247s with 9m drawn: throwing 2m leaves 369m 25p 147s of
// a knitted straight beside 777p and 22s, ready on 8p alone: knitted
// straight 12, concealed hand 2, no honours 1. Before the draw the hand held
// seven of the straight's nine tiles. With 777p called the hand is worth 13.
TEST_F(ReadyEval, AKnittedStraightSevenTilesShortBeforeTheDraw) {
  for (bool called : {false, true}) {
    SCOPED_TRACE(called ? "777p called" : "concealed");
    set_hand(kSeat, called ? "236m 25p 12247s" : "236m 25777p 12247s");
    if (called) add_meld(kSeat, kMeldPung, tile("7p"));
    g_hand[kSeat][kDrawSlot] = tile("9m");
    prepare(nullptr);
    ai_pick_ready_discard(kSeat);
    for (int s = 0; s < kHandSlots; ++s) {
      if (!is_free_slot(g_hand[kSeat][s])) continue;
      const bool ready = tile_of(g_hand[kSeat][s]) == tile("2m");
      EXPECT_EQ(record(s)[kEvalMaxPoints], ready ? (called ? 13 : 15) : 0) << "slot " << s;
      EXPECT_EQ(record(s)[kEvalLiveAtMax], ready ? 4 : 0) << "slot " << s;
    }
    ASSERT_EQ(g_ai_discard_count, 1);
    EXPECT_EQ(g_ai_discard_candidates[0], tile("2m"));
    reset_planner_state();
    std::fill(g_melds[kSeat], g_melds[kSeat] + kMeldSlots, 0);
  }
}

// Each single wait alone: its highest and lowest points are one value, the
// three unseen copies count in every band up to its points, and the value
// is copies x points.
TEST_F(ReadyEval, RecordsOfASingleWait) {
  prepare("123m 456p 789s 111z 5m 7z");
  ai_pick_ready_discard(kSeat);
  for (int s = 0; s < kHandSlots; ++s) {
    const int* r = record(s);
    EXPECT_EQ(r[kEvalTile], tile_of(g_hand[kSeat][s]));
    const bool ready = r[kEvalTile] == tile("5m") || r[kEvalTile] == tile("7z");
    if (!ready) {
      EXPECT_TRUE(std::all_of(r + 1, r + kReadyDiscardEvalWords, [](int w) { return w == 0; })) << "slot " << s;
      continue;
    }
    EXPECT_GE(r[kEvalMaxPoints], 8);
    EXPECT_EQ(r[kEvalMinPoints], r[kEvalMaxPoints]);
    for (int w : {kEvalLiveAtMax, kEvalLiveAtMin, kEvalLive8Plus, kEvalLive7Plus, kEvalLive6Plus, kEvalLive1Plus})
      EXPECT_EQ(r[w], 3) << "slot " << s << " word " << w;
    EXPECT_EQ(r[kEvalWaitKind], 1);
    EXPECT_EQ(r[kEvalValue], 3 * r[kEvalMaxPoints]);
  }
  EXPECT_EQ(record(slot_of(tile("5m")))[kEvalMaxPoints], 19);
  EXPECT_EQ(record(slot_of(tile("7z")))[kEvalMaxPoints], 13);
}

// Two single waits of equal points: the earlier slot keeps the choice
// until a copy of its wait is seen, then the other has more live tiles.
TEST_F(ReadyEval, MoreLiveTilesWinAtEqualPoints) {
  prepare("123m 456p 789s 111z 5m 5s");
  ai_pick_ready_discard(kSeat);
  ASSERT_EQ(record(slot_of(tile("5m")))[kEvalMaxPoints], record(slot_of(tile("5s")))[kEvalMaxPoints]);
  expect_committed("5m", 1);

  reset_planner_state();
  discard_to_river(2, "5s");
  prepare(nullptr);
  ai_pick_ready_discard(kSeat);
  EXPECT_EQ(record(slot_of(tile("5m")))[kEvalLiveAtMax], 2);
  EXPECT_EQ(record(slot_of(tile("5s")))[kEvalLiveAtMax], 3);
  expect_committed("5s", 2);
}

// Two dots beside bamboo and honours: the ready hand is given up for the
// one-suit hand, the first dot thrown.
TEST_F(ReadyEval, TwoTilesOfAThirdSuitAreThrownForAOneSuitHand) {
  prepare("77p 345789s 335557z");
  g_ai_target_yaku[kSeat] = 0;  // no aim: a concealed ready hand commits to the discard it picks
  ai_pick_ready_discard(kSeat);
  EXPECT_EQ(g_seat_state[kSeat].ready_discard_now, 1);
  EXPECT_EQ(record(slot_of(tile("7p")))[kEvalMaxPoints], 0);
  expect_committed("7p", 14);
}

// Words of a record from max_points on: max, min, live at max, live at min,
// live 8+, 7+, 6+, wait kind, live 1+, value.
using Words = std::array<int, kReadyDiscardEvalWords - 1>;

// The choice read from records written by hand: every free slot's record
// names its tile; the first slot holding each listed tile gets its words.
struct ChoiceCase {
  const char* name;
  const char* hand;
  std::vector<std::pair<const char*, Words>> records;
  const char* chosen;  // the first slot holding it
  int subcode;
  int target = 0, variant = 0;
};

void PrintTo(const ChoiceCase& c, std::ostream* os) { *os << c.name; }

constexpr const char* kSevenSingles = "123m 456p 789s 111z 5m 7z";
constexpr Words kSingle8{8, 8, 2, 2, 2, 2, 2, 1, 2, 16};  // an 8-point single wait, two live copies

const ChoiceCase kChoices[] = {
    // Slot 0's 8-point waits, four live (value 32), beat the 7z's one 12-point copy (value 12).
    {"GreaterValueFromSlotZero", kSevenSingles,
     {{"1m", {8, 8, 4, 4, 4, 4, 4, 0, 4, 32}}, {"7z", {12, 12, 1, 1, 1, 1, 1, 0, 1, 12}}}, "1m", 4},
    {"OnePointIsHigherThanNone", kSevenSingles, {{"7z", {1, 1, 4, 4, 0, 0, 0, 0, 4, 0}}}, "7z", 1},
    // The 5m's 7-point wait is dead; its live 6-point copy beats the 1m's 5 points.
    {"SixPointCopiesWhenNoneReachSeven", kSevenSingles,
     {{"1m", {5, 5, 4, 4, 0, 0, 0, 0, 4, 0}}, {"5m", {7, 6, 0, 1, 0, 0, 1, 0, 1, 0}}}, "5m", 8},
    {"EqualSingleWaitsTakeTheMiddleRank", kSevenSingles, {{"1m", kSingle8}, {"5m", kSingle8}, {"7z", kSingle8}},
     "5m", 30},
    {"NoHonourAmongTheMiddleRanks", kSevenSingles, {{"1m", kSingle8}, {"7z", kSingle8}}, "1m", 1},
    // White and green dragon pungs, no red: the 7-point edge wait gives way to a single wait.
    {"TwoDragonPungsWaitOnASingleTile", "123m 456p 9s 1z 555z 666z",
     {{"1m", {7, 7, 2, 2, 0, 2, 2, 2, 2, 0}}, {"9s", {7, 7, 1, 1, 0, 1, 1, 1, 1, 0}}}, "9s", 17},
    {"NoSingleWaitForAnEightPointEdge", "123m 456p 9s 1z 555z 666z",
     {{"1m", {8, 8, 2, 2, 2, 2, 2, 2, 2, 16}}, {"9s", {7, 7, 1, 1, 0, 1, 1, 1, 1, 0}}}, "1m", 1},
    {"NoSingleWaitBesideOneDragonPung", "123m 456p 29s 1z 555z 66z",
     {{"1m", {7, 7, 2, 2, 0, 2, 2, 2, 2, 0}}, {"9s", {7, 7, 1, 1, 0, 1, 1, 1, 1, 0}}}, "1m", 1},
    // 123m 234p 345s is the whole template 27 of row 0 from 1.
    {"HonourPairGivenUpBesideAWholeTemplate", "123m 234p 345s 11z 567z",
     {{"1z", {6, 6, 1, 1, 0, 0, 1, 0, 1, 0}}, {"7z", {7, 7, 1, 1, 0, 1, 1, 0, 1, 0}}}, "1z", 16,
     kYaku27MixedShiftedChows, 1},
    {"TheHonourPairStaysWhileATemplateTileIsMissing", "123m 234p 346s 11z 567z",
     {{"1z", {6, 6, 1, 1, 0, 0, 1, 0, 1, 0}}, {"7z", {7, 7, 1, 1, 0, 1, 1, 0, 1, 0}}}, "7z", 1,
     kYaku27MixedShiftedChows, 1},
    // Two bamboo beside one suit: criterion 15 throws the first of them, but
    // not for a half flush holding honours without an honour pung.
    {"ThinBambooBesideAnHonourPung", "123456789m 111z 57s", {}, "5s", 15, kYaku31HalfFlush},
    {"HalfFlushKeepsItsHonours", "12345678m 11z 22z 57s", {}, "1m", 0, kYaku31HalfFlush},
    {"ThinBambooWithoutAnAim", "12345678m 11z 22z 57s", {}, "5s", 15},
};

class ReadyChoices : public ReadyEval, public ::testing::WithParamInterface<ChoiceCase> {};

TEST_P(ReadyChoices, ChoosesByTheCriteria) {
  const ChoiceCase& k = GetParam();
  prepare(k.hand);
  g_ai_target_yaku[kSeat] = k.target;
  g_ai_target_variant[kSeat] = k.variant;
  for (int s = 0; s < kHandSlots; ++s) {
    int* w = g_seat_state[kSeat].eval[s].words;
    std::fill(w, w + kReadyDiscardEvalWords, 0);
    w[kEvalTile] = is_free_slot(g_hand[kSeat][s]) ? tile_of(g_hand[kSeat][s]) : 0;
  }
  for (const auto& [t, words] : k.records)
    std::copy(words.begin(), words.end(), g_seat_state[kSeat].eval[slot_of(tile(t))].words + 1);
  ReadyChoice c{};
  choose_ready_discard(kSeat, c);
  EXPECT_EQ(c.slot, slot_of(tile(k.chosen)));
  EXPECT_EQ(c.subcode, k.subcode);
}

INSTANTIATE_TEST_SUITE_P(Records, ReadyChoices, ::testing::ValuesIn(kChoices),
                         [](const auto& info) { return std::string(info.param.name); });

// A flower in the hand or fewer than four tiles in the wall: nothing is
// read or written.
TEST_F(ReadyEval, GatesLeaveEverythingAsItWas) {
  for (const char* hand : {"123m 456p 789s 111z 5m 1f", "123m 456p 789s 111z 5m 7z"}) {
    prepare(hand);
    g_wall_count = hand[std::string_view(hand).size() - 1] == 'f' ? 60 : 3;
    g_seat_state[kSeat].eval[2].words[kEvalValue] = 77;
    g_seat_state[kSeat].ready_discard_now = 5;
    AI[kSeat].hai_syanten[9] = 6;
    ai_pick_ready_discard(kSeat);
    EXPECT_EQ(g_seat_state[kSeat].eval[2].words[kEvalValue], 77) << hand;
    EXPECT_EQ(g_seat_state[kSeat].eval[2].words[kEvalTile], 0) << hand;
    EXPECT_EQ(g_seat_state[kSeat].ready_discard_now, 5) << hand;
    EXPECT_EQ(AI[kSeat].hai_syanten[9], 6) << hand;
    EXPECT_EQ(g_ai_discard_count, 0) << hand;
  }
}

// After a chow call, with three more 3m in sight, the chicken-hand wait on
// the last 3m is worth only the last-tile points and none is live: the hand
// is ready on a 1-point wait alone and is released, every tile kind
// counting as keeping the distance, and nothing is taken.
TEST_F(ReadyEval, ACheapOpenHandIsReleased) {
  set_hand(kSeat, "456p 789s 11z 45m 7z");
  add_meld(kSeat, kMeldChow, tile("2m"));
  g_seat_state[kSeat].naki_count = g_seat_state[kSeat].open_naki_count = 1;
  discard_to_river(2, "3m 3m 3m");
  prepare(nullptr);
  const std::array<int, kHandSlots> before = std::to_array(g_hand[kSeat]);
  ai_pick_ready_discard(kSeat);
  EXPECT_EQ(std::to_array(g_hand[kSeat]), before);
  const int* r = record(slot_of(tile("7z")));
  EXPECT_EQ(r[kEvalMaxPoints], 4);
  EXPECT_EQ(r[kEvalLiveAtMax], 0);
  EXPECT_EQ(r[kEvalLive8Plus], 0);
  EXPECT_EQ(r[kEvalMinPoints], 1);
  EXPECT_EQ(r[kEvalLiveAtMin], 4);
  EXPECT_EQ(g_seat_state[kSeat].ready_discard_now, 1);
  EXPECT_EQ(g_ai_discard_count, 0);
  for (int t = 1; t < kHaiSyantenEntries; ++t) EXPECT_EQ(AI[kSeat].hai_syanten[t], AI[kSeat].min_shanten) << t;
  EXPECT_EQ(record(kDrawSlot)[kEvalTile], 0) << "a meld slot records no tile";

  // With the chicken hand's tiles live the same hand is worth committing to.
  g_river_count[2] = 0;
  reset_ai_record_state();
  prepare(nullptr);
  ai_pick_ready_discard(kSeat);
  expect_committed("7z", 1);
}

// A ready hand whose every wait is in sight: the flags say not ready and
// nothing else changes.
TEST_F(ReadyEval, DeadWaitsAreNotReady) {
  g_river_count[kSeat] = 6;
  discard_to_river(3, "7z 7z 7z 5m 5m 5m");
  prepare("123m 456p 789s 111z 5m 7z");
  const SeatAiRecord ai_before = AI[kSeat];
  ai_pick_ready_discard(kSeat);
  EXPECT_EQ(g_seat_state[kSeat].ready_discard_now, 0);
  EXPECT_EQ(g_seat_state[kSeat].was_ready, 0);
  EXPECT_EQ(g_ai_discard_count, 0);
  EXPECT_TRUE(std::equal(std::begin(AI[kSeat].hai_syanten), std::end(AI[kSeat].hai_syanten),
                         std::begin(ai_before.hai_syanten)));
  EXPECT_GT(record(slot_of(tile("5m")))[kEvalMaxPoints], 0) << "the records are still written";
}

// The first ready run of the hand remembers the river size; later runs keep it.
TEST_F(ReadyEval, ReadyFlagsRememberTheFirstReadyTurn) {
  g_river_count[kSeat] = 4;
  prepare("123m 456p 789s 111z 5m 7z");
  ai_pick_ready_discard(kSeat);
  g_river_count[kSeat] = 9;
  reset_planner_state();
  prepare(nullptr);
  ai_pick_ready_discard(kSeat);
  const SeatState& st = g_seat_state[kSeat];
  EXPECT_EQ(st.was_ready, 1);
  EXPECT_EQ(st.ready_river_size, 4);
  EXPECT_EQ(st.was_ready_8, 1);
  EXPECT_EQ(st.ready_8_river_size, 4);
}

// A complete hand of random sets and a pair with one tile swapped for a
// random one: mostly ready after some discard.
std::vector<int> near_complete_hand(std::mt19937& rng) {
  for (;;) {
    int copies[kTileCodes] = {};
    std::vector<int> out;
    auto add = [&](int t) { out.push_back(t), ++copies[t]; };
    const int pair = kPlayingTiles[rng() % kPlayingTiles.size()];
    add(pair), add(pair);
    for (int set = 0; set < 4; ++set) {
      const int t = kPlayingTiles[rng() % kPlayingTiles.size()];
      if (rng() % 2 == 0 && is_suited(t) && rank_of(t) <= 7) {
        add(t), add(t + 1), add(t + 2);
      } else {
        add(t), add(t), add(t);
      }
    }
    out[rng() % out.size()] = kPlayingTiles[rng() % kPlayingTiles.size()];
    std::fill(std::begin(copies), std::end(copies), 0);
    bool legal = true;
    for (int t : out) legal = legal && ++copies[t] <= 4;
    if (legal) return out;
  }
}

// Seeded hands against a reference that tries every tile as the winning
// one: highest and lowest points and the live copies of every scoring wait
// agree, the hand is left as it was, and a committed tile is a ready discard.
TEST_F(ReadyEval, SeededHandsAgreeWithEveryTileTried) {
  std::mt19937 rng(5120);
  int ready_hands = 0;
  for (int round = 0; round < 120; ++round) {
    reset_planner_state();
    std::fill(std::begin(g_hand[kSeat]), std::end(g_hand[kSeat]), 0);
    const std::vector<int> tiles = near_complete_hand(rng);
    std::copy(tiles.begin(), tiles.end(), g_hand[kSeat]);
    sort_hand_slots(g_hand[kSeat]);
    prepare(nullptr);
    const std::array<int, kHandSlots> hand = std::to_array(g_hand[kSeat]);
    ai_pick_ready_discard(kSeat);
    ASSERT_EQ(std::to_array(g_hand[kSeat]), hand);
    const SeatState st = g_seat_state[kSeat];
    for (int s = 0; s < kHandSlots; ++s) {
      int max = 0, min = 0, live = 0;
      for (int t : kPlayingTiles) {
        std::copy(hand.begin(), hand.end(), g_hand[kSeat]);
        g_hand[kSeat][s] = t;
        std::swap(g_hand[kSeat][s], g_hand[kSeat][kDrawSlot]);
        int p = win_points_with(kSeat, t, 1);
        if (p == kNotAWait) continue;
        if (g_visible_counts[t] == 3) p = g_yaku_table[kYaku40ChickenHand].found == 1 ? 4 : p + 4;
        max = std::max(max, p);
        min = min == 0 ? p : std::min(min, p);
        live += 4 - static_cast<int>(std::count(hand.begin(), hand.end(), t));
      }
      std::copy(hand.begin(), hand.end(), g_hand[kSeat]);
      const int* r = st.eval[s].words;
      EXPECT_EQ(r[kEvalMaxPoints], max) << format_tiles(hand.data(), kHandSlots) << " slot " << s;
      EXPECT_EQ(r[kEvalMinPoints], min) << format_tiles(hand.data(), kHandSlots) << " slot " << s;
      EXPECT_EQ(r[kEvalLive1Plus], live) << format_tiles(hand.data(), kHandSlots) << " slot " << s;
    }
    if (st.ready_discard_now == 0) continue;
    ++ready_hands;
    // Only the thin-suit and honour-pair criteria give up the ready hand.
    const int sub = AI[kSeat].discard_subcode;
    if (g_ai_discard_count == 1 && (sub < 13 || sub > 16)) {
      const int slot = slot_of(g_ai_discard_candidates[0]);
      ASSERT_GE(slot, 0);
      EXPECT_GT(st.eval[slot].words[kEvalMaxPoints], 0) << sub << " " << format_tiles(hand.data(), kHandSlots);
    }
  }
  EXPECT_GT(ready_hands, 40) << "the seeded hands exercise ready hands";
}

}  // namespace

// The win test over every hand form: evaluate_win_for_scoring and
// score_evaluated must leave each shared area exactly as evaluate_win and
// score_yaku leave it, whatever the table beside the hand; the order of the
// hand's slots must not matter; and a slot that holds no playing tile is no
// win in any form.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <random>

#include "base/options.h"
#include "base/scorer.h"
#include "base/table_state.h"
#include "base/visible.h"
#include "base/waits.h"
#include "base/win_eval.h"
#include "base/yaku_switches.h"
#include "support/random_hands.h"
#include "support/scoring_fixture.h"

namespace {

int pick(std::mt19937& rng, int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); }

// The free tiles, the winning tile one of them at random.
WinHand hand_of(std::mt19937& rng, std::vector<int> tiles, std::vector<int> melds = {}) {
  std::shuffle(tiles.begin(), tiles.end(), rng);
  WinHand hand{{tiles.begin() + 1, tiles.end()}, tiles[0], std::move(melds)};
  return hand;
}

WinHand thirteen_orphans(std::mt19937& rng) {
  std::vector<int> tiles(g_terminal_honour_tiles.begin(), g_terminal_honour_tiles.end());
  tiles.push_back(g_terminal_honour_tiles[pick(rng, 13)]);
  return hand_of(rng, tiles);
}

WinHand honours_and_knitted(std::mt19937& rng) {
  auto tiles = g_knitted_honour_tiles[pick(rng, kKnittedArrangements)];
  std::shuffle(tiles.begin(), tiles.end(), rng);
  return hand_of(rng, {tiles.begin(), tiles.begin() + kHandSlots});
}

// An arrangement, a pair and a set; the set a declared chow now and then.
WinHand knitted_straight(std::mt19937& rng) {
  const auto& knitted = g_knitted_tiles[pick(rng, kKnittedArrangements)];
  std::vector<int> tiles(knitted.begin(), knitted.end());
  const int pair = kPlayingTiles[pick(rng, static_cast<int>(kPlayingTiles.size()))];
  tiles.insert(tiles.end(), 2, pair);
  const int set = make_tile(pick(rng, 3), 1 + pick(rng, 7));
  if (pick(rng, 3) == 0) return hand_of(rng, tiles, {make_meld(0, kMeldChow, set)});
  const bool chow = pick(rng, 2) == 0;
  for (int k = 0; k < 3; ++k) tiles.push_back(chow ? set + k : set);
  return hand_of(rng, tiles);
}

// 1112345678999 of a suit and any tile of it.
WinHand nine_gates(std::mt19937& rng) {
  const int suit = pick(rng, 3);
  std::vector<int> tiles;
  for (int r : {1, 1, 1, 2, 3, 4, 5, 6, 7, 8, 9, 9, 9, 1 + pick(rng, 9)}) tiles.push_back(make_tile(suit, r));
  return hand_of(rng, tiles);
}

using HandMaker = WinHand (*)(std::mt19937&);
constexpr HandMaker kMakers[] = {random_complete_hand, thirteen_orphans, honours_and_knitted, knitted_straight,
                                 nine_gates};

// Everything a win test writes.
struct Areas {
  Scoring scoring;
  int win_points;
  TileCounts counts;
  WaitsArea waits;
  WinReading reading;
  ScoringMemo memo;

  static Areas now() { return {g_scoring, g_win_points, g_tile_counts, g_waits_area, g_win_reading, g_scoring_memo}; }
  void restore() const {
    g_scoring = scoring;
    g_win_points = win_points;
    g_tile_counts = counts;
    g_waits_area = waits;
    g_win_reading = reading;
    g_scoring_memo = memo;
  }
};

template <typename T>
bool same_bytes(const T& a, const T& b) {
  return std::memcmp(&a, &b, sizeof(T)) == 0;
}

void expect_same(const Areas& a, const Areas& b, bool with_wait_inputs, int round) {
  EXPECT_TRUE(same_bytes(a.scoring, b.scoring)) << round;
  EXPECT_EQ(a.win_points, b.win_points) << round;
  EXPECT_TRUE(same_bytes(a.counts, b.counts)) << round;
  EXPECT_TRUE(same_bytes(a.reading, b.reading)) << round;
  EXPECT_TRUE(std::equal(a.waits.found.tiles, a.waits.found.tiles + kMaxWaits, b.waits.found.tiles)) << round;
  EXPECT_EQ(a.waits.found.count, b.waits.found.count) << round;
  EXPECT_EQ(a.waits.found.form, b.waits.found.form) << round;
  if (with_wait_inputs) {
    EXPECT_TRUE(same_bytes(a.waits, b.waits)) << round;
  }
}

void expect_same_memo(const ScoringMemo& a, const ScoringMemo& b, int round) {
  EXPECT_EQ(a.held, b.held) << round;
  EXPECT_EQ(a.inputs, b.inputs) << round;
  EXPECT_TRUE(same_bytes(a.result, b.result)) << round;
}

class WinTestForms : public ScoringTest {
 protected:
  // Flowers, self-drawn or robbing, replacement draws, an empty wall, copies
  // of the winning tile in a river, and every switch the scorer reads.
  int random_table(std::mt19937& rng, const WinHand& hand) {
    g_hana[kSeat].count = pick(rng, 3);
    g_robbing_kong_flag = pick(rng, 6) == 0 ? 1 : 0;
    g_kong_draw_flag = g_robbing_kong_flag == 0 && pick(rng, 6) == 0 ? 1 : 0;
    g_wall_count = pick(rng, 4) == 0 ? 0 : kWallLeft;
    const int held = static_cast<int>(std::count(hand.concealed.begin(), hand.concealed.end(), hand.win_tile)) + 1;
    g_river_count[0] = std::clamp(4 - held, 0, pick(rng, 4));
    std::fill(g_river[0], g_river[0] + g_river_count[0], hand.win_tile);
    for (int& word : g_rule_yaku) word = pick(rng, 2);
    for (int& word : g_local_yaku) word = pick(rng, 2);
    g_options[opt_flowers] = pick(rng, 3);
    g_options[opt_score_cap] = pick(rng, 2);
    return g_robbing_kong_flag == 1 || pick(rng, 3) != 0 ? 1 : 0;
  }
  void find_waits_of_seat() {
    std::memcpy(g_wait_hand, g_hand[kSeat], sizeof g_wait_hand);
    g_wait_slot = kDrawSlot;
    find_waits();
  }
  bool listed(int tile) const { return std::find(g_waits, g_waits + g_wait_count, tile) != g_waits + g_wait_count; }
  // The round's hand placed on a random table and its waits found; false
  // when they do not list its winning tile, which no win test evaluates.
  bool next_win(std::mt19937& rng, int round, WinHand& hand, int& by_discard) {
    hand = kMakers[round % std::size(kMakers)](rng);
    place_win_hand(kSeat, hand);
    by_discard = random_table(rng, hand);
    find_waits_of_seat();
    return listed(hand.win_tile);
  }
};

TEST_F(WinTestForms, BackToBackLeavesWhatTheCallsOneByOneLeave) {
  std::mt19937 rng(2024);
  int scored[kHandForms]{};
  WinHand hand;
  int by_discard = 0;
  for (int round = 0; round < 2500; ++round) {
    if (!next_win(rng, round, hand, by_discard)) continue;
    const Areas before = Areas::now();
    evaluate_win(kSeat, hand.win_tile, by_discard);
    score_yaku();
    const Areas apart = Areas::now();
    before.restore();
    score_evaluated(evaluate_win_for_scoring(kSeat, hand.win_tile, by_discard));
    expect_same(apart, Areas::now(), true, round);
    expect_same_memo(before.memo, g_scoring_memo, round);  // score_yaku's memo, which a win test leaves alone
    if (g_eval_valid == 1) ++scored[g_hand_form];
  }
  for (int form = 0; form < kHandForms; ++form) EXPECT_GT(scored[form], 40) << "form " << form;
}

TEST_F(WinTestForms, SlotOrderDoesNotMatter) {
  std::mt19937 rng(99);
  WinHand hand;
  int by_discard = 0;
  for (int round = 0; round < 1000; ++round) {
    if (!next_win(rng, round, hand, by_discard)) continue;
    const Areas before = Areas::now();
    score_evaluated(evaluate_win_for_scoring(kSeat, hand.win_tile, by_discard));
    const Areas sorted = Areas::now();
    before.restore();
    std::shuffle(g_hand[kSeat], g_hand[kSeat] + kDrawSlot, rng);
    score_evaluated(evaluate_win_for_scoring(kSeat, hand.win_tile, by_discard));
    expect_same(sorted, Areas::now(), false, round);
    expect_same_memo(sorted.memo, g_scoring_memo, round);
  }
}

// Slots 0-12 in order but for two neighbours swapped, at every place: the
// reading holds them and the winning tile in order all the same.
TEST_F(WinTestForms, OneSwappedPairAnywhereIsSorted) {
  const WinHand hand = parse_win_hand("1 2 3 4 5 6 7 8 9 11 12 13 31 + 31");
  const std::vector<int> sorted{1, 2, 3, 4, 5, 6, 7, 8, 9, 11, 12, 13, 31, 31};
  for (int i = 0; i + 1 < kDrawSlot; ++i) {
    place_win_hand(kSeat, hand);
    find_waits_of_seat();
    std::swap(g_hand[kSeat][i], g_hand[kSeat][i + 1]);
    ASSERT_TRUE(evaluate_win(kSeat, 31, 1)) << i;
    EXPECT_EQ(std::vector<int>(g_eval_hand, g_eval_hand + kHandSlots), sorted) << i;
  }
}

// The five tiles beside the knitted 147m 258p 369s read as a pair and a set,
// in each shape five sorted values can take: block 0 the pair, block 1 the
// set.
struct KnittedCase {
  const char* hand;
  int pair;
  int set;
};

class KnittedRest : public WinTestForms, public ::testing::WithParamInterface<KnittedCase> {};

TEST_P(KnittedRest, ReadsAsAPairAndASet) {
  const KnittedCase& c = GetParam();
  const WinScore s = win(c.hand);
  ASSERT_TRUE(s.valid);
  ASSERT_EQ(s.form, kFormKnittedStraight);
  EXPECT_EQ(std::vector<int>(g_meld_list, g_meld_list + kWinBlocks), (std::vector<int>{c.pair, c.set, 0, 0, 0}));
  EXPECT_EQ(g_meld_list_count, 2);
}

INSTANTIATE_TEST_SUITE_P(Shapes, KnittedRest, ::testing::Values(
    KnittedCase{"1 4 7 12 15 18 23 26 29 2 2 5 6 + 7", 2, kWinConcealedChow + 5},     // pair, chow
    KnittedCase{"1 4 7 12 15 18 23 26 29 5 6 6 6 + 7", 6, kWinConcealedChow + 5},     // chow around its pair
    KnittedCase{"1 4 7 12 15 18 23 26 29 5 6 7 9 + 9", 9, kWinConcealedChow + 5},     // chow, pair
    KnittedCase{"1 4 7 12 15 18 23 26 29 31 31 31 33 + 33", 33, kWinConcealedPung + 31},  // pung, pair
    KnittedCase{"1 4 7 12 15 18 23 26 29 2 2 35 35 + 35", 2, kWinConcealedPung + 35}));   // pair, pung

// Each hand completes its form; one slot then holds an empty slot, a
// flower, a marker past the kongs, a negative value or a marked value of no
// tile.
struct BadSlotCase {
  const char* hand;
  int form;
};

class BadSlot : public WinTestForms, public ::testing::WithParamInterface<BadSlotCase> {};

TEST_P(BadSlot, IsNoWinInTheHandsForm) {
  const BadSlotCase& c = GetParam();
  const WinHand hand = parse_win_hand(c.hand);
  place_win_hand(kSeat, hand);
  find_waits_of_seat();
  ASSERT_EQ(g_hand_form, c.form);
  ASSERT_TRUE(evaluate_win(kSeat, hand.win_tile, 1));
  for (int bad : {0, 41, 505, -3, 150}) {
    for (int slot : {0, 6, 12}) {
      place_win_hand(kSeat, hand);
      find_waits_of_seat();
      g_hand[kSeat][slot] = bad;
      const WinEvaluation e = evaluate_win_for_scoring(kSeat, hand.win_tile, 1);
      score_evaluated(e);
      EXPECT_FALSE(e.valid) << bad << " in slot " << slot;
      EXPECT_EQ(g_eval_total, 0) << bad << " in slot " << slot;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Forms, BadSlot, ::testing::Values(
    BadSlotCase{"1 2 3 4 5 6 7 8 9 11 12 13 31 + 31", kFormNormal},
    BadSlotCase{"1 1 5 5 9 9 12 12 24 24 31 31 35 + 35", kFormSevenPairs},
    BadSlotCase{"1 9 11 19 21 29 31 32 33 34 35 36 37 + 37", kFormThirteenOrphans},
    BadSlotCase{"1 4 7 12 15 18 23 26 29 31 32 33 34 + 35", kFormHonoursKnitted},
    BadSlotCase{"1 4 7 12 15 18 23 26 29 31 31 32 32 + 32", kFormKnittedStraight}));

}  // namespace

// The normal reading against the rules' own search, written out plainly:
// each extraction order takes, five times over, the first block kind of its
// sequence that the front of the values still to take can give; every
// order's record is the total of its own blocks; the scoring work area
// holds the last order whose blocks no earlier order read.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <numeric>
#include <random>
#include <vector>

#include "base/table_state.h"
#include "base/visible.h"
#include "base/win_eval.h"
#include "base/yaku_switches.h"
#include "core/scorer.h"
#include "core/waits.h"
#include "support/random_hands.h"
#include "support/scoring_fixture.h"

namespace {

enum Kind { kPung, kChow, kPair };
constexpr Kind kSequences[kExtractionOrders][3] = {
    {kPung, kPair, kChow}, {kPung, kChow, kPair}, {kChow, kPung, kPair},
    {kChow, kPair, kPung}, {kPair, kPung, kChow}, {kPair, kChow, kPung},
};

// Takes the block of `kind` holding the front value out of `left`; 0 when
// there is none.
int take(std::vector<int>& left, Kind kind) {
  const int v = left[0];
  const int t = tile_of(v);
  const int marker = marker_of(v);
  if (kind == kChow) {
    if (!is_suited(t) || (marker != kFree && marker != kChowSlot)) return 0;
    const auto second = std::find(left.begin() + 1, left.end(), v + 1);
    if (second == left.end()) return 0;
    const auto third = std::find(left.begin() + 1, left.end(), v + 2);
    if (third == left.end()) return 0;
    left.erase(third);
    left.erase(std::find(left.begin() + 1, left.end(), v + 1));
    left.erase(left.begin());
    return (marker == kFree ? kWinConcealedChow : kWinCalledChow) + t;
  }
  const int size = kind == kPung ? 3 : 2;
  if (static_cast<int>(left.size()) < size || left[size - 1] != v) return 0;
  if (kind == kPair && marker != kFree) return 0;
  if (kind == kPung && marker == kChowSlot) return 0;
  left.erase(left.begin(), left.begin() + size);
  constexpr int kSetBase[] = {kWinConcealedPung, 0, kWinCalledPung, kWinConcealedKong, kWinMeldedKong};
  return kind == kPair ? t : kSetBase[marker] + t;
}

bool search(int order, const std::vector<int>& left, std::vector<int>& blocks) {
  if (blocks.size() == kWinBlocks) return left.empty();
  if (left.empty()) return false;
  for (Kind kind : kSequences[order]) {
    std::vector<int> rest = left;
    const int block = take(rest, kind);
    if (block == 0) continue;
    blocks.push_back(block);
    if (search(order, rest, blocks)) return true;
    blocks.pop_back();
  }
  return false;
}

std::vector<int> sorted(std::vector<int> v) {
  std::sort(v.begin(), v.end());
  return v;
}

// What read_win leaves for a normal hand: the reading and the work area.
struct Expected {
  std::array<EvalOrderRecord, kExtractionOrders> orders{};
  std::vector<int> chosen;
  int scorings = 0;
  int work_order = -1;
  Scoring work;
};

Expected reference(const WinReading& read, const WinContext& ctx, const RuleSwitches& rules) {
  Expected e;
  std::vector<std::vector<int>> seen;
  int best = -1;
  for (int order = 0; order < kExtractionOrders; ++order) {
    std::vector<int> blocks;
    if (!search(order, std::vector<int>(read.hand, read.hand + kHandSlots), blocks)) continue;
    WinReading r = read;
    std::copy(blocks.begin(), blocks.end(), r.blocks);
    Scoring s;
    score_hand(r, ctx, rules, s);
    e.orders[order].found = 1;
    e.orders[order].points = s.total;
    std::copy(blocks.begin(), blocks.end(), e.orders[order].blocks);
    if (std::find(seen.begin(), seen.end(), sorted(blocks)) == seen.end()) {
      seen.push_back(sorted(blocks));
      e.work_order = order;
      e.work = s;
    }
    if (best < 0 || s.total > e.orders[best].points) best = order;
  }
  e.scorings = static_cast<int>(seen.size());
  if (best >= 0) e.chosen.assign(e.orders[best].blocks, e.orders[best].blocks + kWinBlocks);
  return e;
}

class NormalReading : public ScoringTest {
 protected:
  // Reads the placed hand of kSeat won on its slot 13 and checks every field
  // the normal reading writes against the reference, and that it reads the
  // hand exactly when the reference does; false when the hand is no normal
  // win.
  bool read_matches_reference(int by_discard) {
    const int tile = g_hand[kSeat][kDrawSlot];
    const WaitSet waits = waits_of(g_hand[kSeat], kDrawSlot);
    if (std::find(waits.tiles, waits.tiles + waits.count, tile) == waits.tiles + waits.count) return false;
    const WinContext ctx = table_context_of(kSeat, g_visible_counts);
    const RuleSwitches rules = current_rule_switches();
    Scoring work;
    WinReading r;
    read_win(g_hand[kSeat], tile, by_discard, waits, ctx, rules, work, r);
    if (r.form != kFormNormal) return false;
    const Expected e = reference(r, ctx, rules);
    EXPECT_EQ(r.valid, e.scorings > 0 ? 1 : 0) << "read when the rules' search reads nothing, or the reverse";
    if (!r.valid) return false;
    for (int k = 0; k < kExtractionOrders; ++k) {
      EXPECT_EQ(r.orders[k].found, e.orders[k].found) << k;
      EXPECT_EQ(r.orders[k].points, e.orders[k].points) << k;
      EXPECT_EQ(std::vector<int>(r.orders[k].blocks, r.orders[k].blocks + kWinBlocks),
                std::vector<int>(e.orders[k].blocks, e.orders[k].blocks + kWinBlocks)) << k;
    }
    EXPECT_EQ(std::vector<int>(r.blocks, r.blocks + kWinBlocks), e.chosen);
    EXPECT_EQ(r.block_count, kWinBlocks);
    EXPECT_EQ(r.scorings, e.scorings);
    EXPECT_EQ(r.work_order, e.work_order);
    EXPECT_EQ(work.total, e.work.total);
    EXPECT_EQ(work.total_uncapped, e.work.total_uncapped);
    for (int id = 0; id < kYakuCount; ++id) {
      EXPECT_EQ(work.table[id].found, e.work.table[id].found) << id;
      EXPECT_EQ(work.table[id].points, e.work.table[id].points) << id;
    }
    if (r.scorings > 1) ++several_readings_;
    count_order_pairs(e);
    return true;
  }

  // Pairs of orders that read the same blocks in another sequence, or
  // different blocks to the same total.
  void count_order_pairs(const Expected& e) {
    for (int j = 1; j < kExtractionOrders; ++j)
      for (int k = 0; k < j; ++k) {
        const std::vector<int> a(e.orders[k].blocks, e.orders[k].blocks + kWinBlocks);
        const std::vector<int> b(e.orders[j].blocks, e.orders[j].blocks + kWinBlocks);
        if (a != b && sorted(a) == sorted(b)) ++reordered_;
        if (sorted(a) != sorted(b) && e.orders[k].points == e.orders[j].points) ++ties_;
      }
  }
  int several_readings_ = 0;  // hands read more than one way
  int reordered_ = 0;         // order pairs that took the same blocks in another sequence
  int ties_ = 0;              // order pairs that read different blocks to the same total
};

// Four sets and a pair of one suit, no tile more than four times: sets of
// near ranks read again as other sets. declare_first: the first set is a
// called chow or pung, its marked tiles beside free tiles of near ranks.
WinHand one_suit_hand(std::mt19937& rng, bool declare_first = false) {
  const int suit = static_cast<int>(rng() % 3);
  for (;;) {
    int copies[10]{};
    std::vector<int> tiles;
    std::vector<int> melds;
    auto add = [&](int rank, int n) {
      copies[rank] += n;
      tiles.insert(tiles.end(), n, make_tile(suit, rank));
    };
    for (int set = 0; set < 4; ++set) {
      const int r = 1 + static_cast<int>(rng() % 7);
      const bool chow = rng() % 2 != 0;
      const int first = chow ? r : r + static_cast<int>(rng() % 3);
      if (set == 0 && declare_first) {
        for (int k = 0; k < 3; ++k) ++copies[chow ? first + k : first];
        melds.push_back(make_meld(1, chow ? kMeldChow : kMeldPung, make_tile(suit, first)));
      } else if (chow) {
        add(first, 1), add(first + 1, 1), add(first + 2, 1);
      } else {
        add(first, 3);
      }
    }
    add(1 + static_cast<int>(rng() % 9), 2);
    if (std::any_of(std::begin(copies), std::end(copies), [](int n) { return n > 4; })) continue;
    std::shuffle(tiles.begin(), tiles.end(), rng);
    WinHand hand;
    hand.win_tile = tiles.back();
    tiles.pop_back();
    hand.concealed = tiles;
    hand.melds = melds;
    return hand;
  }
}

TEST_F(NormalReading, ManyReadingHandsMatchTheRulesSearch) {
  std::mt19937 rng(7042);
  int hands = 0;
  for (int round = 0; round < 40000 && hands < 600; ++round) {
    place_win_hand(kSeat, one_suit_hand(rng));
    if (read_matches_reference(round % 2)) ++hands;
    if (HasFailure()) FAIL() << "round " << round;
  }
  EXPECT_EQ(hands, 600);
  EXPECT_GT(several_readings_, hands / 10) << "too few hands read more than one way";
  EXPECT_GT(reordered_, 0) << "no hand read the same blocks in two sequences";
  EXPECT_GT(ties_, 0) << "no hand read two ways to one total";
}

TEST_F(NormalReading, OneSuitHandsWithACallMatchTheRulesSearch) {
  std::mt19937 rng(3361);
  int hands = 0;
  for (int round = 0; round < 4000 && hands < 300; ++round) {
    place_win_hand(kSeat, one_suit_hand(rng, true));
    if (read_matches_reference(round % 2)) ++hands;
    if (HasFailure()) FAIL() << "round " << round;
  }
  EXPECT_EQ(hands, 300);
}

// 1112345678999 of each suit won on each tile of the suit, drawn and on a
// discard: every one reads as four sets and a pair.
TEST_F(NormalReading, NineGatesOnEveryTileMatchTheRulesSearch) {
  int hands = 0;
  for (int suit = 0; suit < 3; ++suit)
    for (int extra = 1; extra <= 9; ++extra)
      for (int by_discard = 0; by_discard < 2; ++by_discard) {
        WinHand hand;
        for (int rank : {1, 1, 1, 2, 3, 4, 5, 6, 7, 8, 9, 9, 9}) hand.concealed.push_back(make_tile(suit, rank));
        hand.win_tile = make_tile(suit, extra);
        place_win_hand(kSeat, hand);
        if (read_matches_reference(by_discard)) ++hands;
        if (HasFailure()) FAIL() << "suit " << suit << " extra " << extra;
      }
  EXPECT_EQ(hands, 3 * 9 * 2);
  EXPECT_GT(reordered_, 0) << "a 1, 3, 6 or 9 reads 111 and 123 either way round";
}

// Equal tiles of called chows are chows, never a pung, beside free tiles
// of the same ranks or not; a called set's tiles sort after the free ones,
// so it is the last block taken.
TEST_F(NormalReading, CalledChowsOfOneRunMatchTheRulesSearch) {
  for (const char* text : {"[1 2 3] [1 2 3] [1 2 3] 5 5 5 9 + 9", "[1 2 3] [1 2 3] 1 2 3 7 7 7 9 + 9",
                           "[7 8 9] 1 1 2 2 3 3 5 5 5 9 + 9", "[5 5 5] 1 2 3 4 5 6 7 8 9 9 + 9"}) {
    place_win_hand(kSeat, parse_win_hand(text));
    EXPECT_TRUE(read_matches_reference(1)) << text;
  }
}

TEST_F(NormalReading, RandomHandsWithMeldsMatchTheRulesSearch) {
  std::mt19937 rng(9113);
  int hands = 0;
  for (int round = 0; round < 1500; ++round) {
    g_dealer = static_cast<int>(rng() % 4);
    g_round_wind = static_cast<int>(rng() % 4);
    place_win_hand(kSeat, random_complete_hand(rng));
    if (read_matches_reference(round % 4 != 0)) ++hands;
    if (HasFailure()) FAIL() << "round " << round;
  }
  EXPECT_GT(hands, 1000);
}

// A hand that no order reads leaves no blocks and empty order records,
// whatever the reading before it left.
TEST_F(NormalReading, UnreadHandLeavesNothing) {
  const WinContext ctx = table_context_of(kSeat, g_visible_counts);
  const RuleSwitches rules = current_rule_switches();
  Scoring work;
  WinReading r;
  const auto read = [&](const char* text) {
    place_win_hand(kSeat, parse_win_hand(text));
    const int tile = g_hand[kSeat][kDrawSlot];
    read_win(g_hand[kSeat], tile, 1, waits_of(g_hand[kSeat], kDrawSlot), ctx, rules, work, r);
  };
  read("1 1 1 2 3 4 5 6 7 8 9 9 9 + 5");
  ASSERT_EQ(r.valid, 1);
  read("1 1 1 2 3 4 5 6 7 8 9 9 11 + 5");
  EXPECT_EQ(r.valid, 0);
  EXPECT_EQ(r.block_count, 0);
  EXPECT_EQ(r.scorings, 0);
  EXPECT_EQ(r.work_order, -1);
  EXPECT_EQ(std::count(r.blocks, r.blocks + kWinBlocks, 0), kWinBlocks);
  for (const EvalOrderRecord& rec : r.orders) {
    EXPECT_EQ(rec.found, 0);
    EXPECT_EQ(rec.points, 0);
    EXPECT_EQ(std::count(rec.blocks, rec.blocks + kWinBlocks, 0), kWinBlocks);
  }
}

// Worked hands with more than one way of taking the blocks: the winner
// sits South in the East round; characters 1-9, dots 11-19, bamboo 21-29.
struct ReadHand {
  const char* label;
  const char* hand;
  int by_discard;
  Found found;
  int total;
  std::array<int, kExtractionOrders> order_points;
  std::array<int, kWinBlocks> chosen;  // the blocks of the first order with the best total
};

void PrintTo(const ReadHand& h, std::ostream* os) { *os << h.label << ": " << h.hand; }

class WorkedReadings : public ScoringTest, public ::testing::WithParamInterface<ReadHand> {};

TEST_P(WorkedReadings, ScoreTheBestReading) {
  const ReadHand& h = GetParam();
  ASSERT_EQ(std::accumulate(h.found.begin(), h.found.end(), 0, [](int s, const auto& kv) { return s + kv.second; }),
            h.total) << "the row's own patterns and total disagree";
  const WinScore s = win(h.hand, h.by_discard);
  ASSERT_TRUE(s.listed && s.valid);
  EXPECT_EQ(s.found, h.found) << "found: " << describe_patterns(s.found) << "\nwanted: " << describe_patterns(h.found);
  EXPECT_EQ(s.total, h.total);
  for (int k = 0; k < kExtractionOrders; ++k) EXPECT_EQ(g_eval_orders[k].points, h.order_points[k]) << "order " << k;
  EXPECT_EQ(std::vector<int>(g_meld_list, g_meld_list + kWinBlocks), std::vector<int>(h.chosen.begin(), h.chosen.end()));
}

constexpr int kDiscard = 1;
constexpr int kSelfDrawn = 0;

INSTANTIATE_TEST_SUITE_P(Hands, WorkedReadings, ::testing::Values(
    // 111 234 55 678 999: the two terminal pungs stay concealed beside the
    // discarded 5, and nine gates takes 清一色, 門前清 and 幺九刻.
    ReadHand{"九蓮宝灯 on a 5", "1 1 1 2 3 4 5 6 7 8 9 9 9 + 5", kDiscard,
             {{kYaku16TwoConcealedPungs, 2}, {kYaku79NineGates, 88}}, 90,
             {90, 90, 90, 90, 90, 90}, {301, 102, 5, 106, 309}},
    // 111 123 456 789 99: 清竜 takes 老少副 and 連六; the fourth 1 is a tile hog.
    ReadHand{"九蓮宝灯 on a fourth 1", "1 1 1 2 3 4 5 6 7 8 9 9 9 + 1", kSelfDrawn,
             {{kYaku19TileHog, 2}, {kYaku25FullyConcealed, 4}, {kYaku49PureStraight, 16}, {kYaku79NineGates, 88}},
             110, {110, 110, 110, 110, 110, 110}, {301, 101, 104, 107, 9}},
    // 111 22 345 678 999 of dots: 345 and 678 are a short straight.
    ReadHand{"九蓮宝灯 on a 2 of dots", "11 11 11 12 13 14 15 16 17 18 19 19 19 + 12", kDiscard,
             {{kYaku4ShortStraight, 1}, {kYaku16TwoConcealedPungs, 2}, {kYaku79NineGates, 88}}, 91,
             {91, 91, 91, 91, 91, 91}, {311, 12, 113, 116, 319}},
    // Four chows 123 (76) beat 111 123 222 333 (73: 幺九刻 1, 四帰一 6, 門前清 2,
    // 三暗刻 16 as the 3 also lies in the chow, 一色三節高 24, 清一色 24); the
    // orders that take a chow before a pung read the chows.
    ReadHand{"four chows over three pungs", "1 1 1 1 2 2 2 2 3 3 3 5 5 + 3", kDiscard,
             {{kYaku20AllChows, 2}, {kYaku21ConcealedHand, 2}, {kYaku55FullFlush, 24}, {kYaku65QuadrupleChow, 48}},
             76, {73, 73, 76, 76, 73, 76}, {101, 101, 101, 101, 5}},
    // 111 222 333 (44) beat three chows 123 (28: 平和 2, 門前清 2, 一色三同順 24).
    ReadHand{"three pungs over three chows", "1 1 1 2 2 2 3 3 3 17 18 25 25 + 19", kDiscard,
             {{kYaku3TerminalHonourPung, 1}, {kYaku7NoHonours, 1}, {kYaku21ConcealedHand, 2},
              {kYaku51ThreeConcealedPungs, 16}, {kYaku54PureShiftedPungs, 24}},
             44, {44, 44, 28, 28, 44, 28}, {301, 302, 303, 117, 25}},
    // The same drawn: three concealed pungs, 不求人 for 門前清 (30 for the chows).
    ReadHand{"three pungs over three chows, drawn", "1 1 1 2 2 2 3 3 3 17 18 25 25 + 19", kSelfDrawn,
             {{kYaku3TerminalHonourPung, 1}, {kYaku7NoHonours, 1}, {kYaku25FullyConcealed, 4},
              {kYaku51ThreeConcealedPungs, 16}, {kYaku54PureShiftedPungs, 24}},
             46, {46, 46, 30, 30, 46, 30}, {301, 302, 303, 117, 25}},
    // One reading, 345 456 567 555 55: a 5-6-7 chow holds a 5 for 全帯五,
    // which takes 断幺; 345 456 567 of one suit are shifted chows.
    ReadHand{"全帯五 with a 5-6-7 chow", "3 4 4 5 5 5 6 6 7 15 15 15 25 + 25", kDiscard,
             {{kYaku10SingleWait, 1}, {kYaku21ConcealedHand, 2}, {kYaku47PureShiftedChows, 16},
              {kYaku52AllFives, 16}},
             35, {35, 35, 35, 35, 35, 35}, {103, 104, 105, 315, 25}}));

}  // namespace

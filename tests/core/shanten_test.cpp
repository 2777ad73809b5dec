#include "base/shanten.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "base/table_state.h"
#include "base/visible.h"
#include "core/hai_table.h"
#include "support/distance_reference.h"
#include "support/evaluation_fixture.h"
#include "support/hand_builder.h"

namespace {

// Declared melds for the hands below, away from the tiles the hands use.
constexpr int kMeldTiles[3] = {31, 32, 33};

class Shanten : public HandEvaluationTest {
 protected:
  // Seat 0 holds `tiles` (ascending) and `melds` declared pungs; slot 13 stays
  // empty as between turns, and is the slot left out.
  static void hold(const std::vector<int>& tiles, int melds = 0) {
    std::fill(g_hand[0], g_hand[0] + kHandSlots, 0);
    std::fill(g_melds[0], g_melds[0] + kMeldSlots, 0);
    std::copy(tiles.begin(), tiles.end(), g_hand[0]);
    sort_hand_slots(g_hand[0]);
    for (int m = 0; m < melds; ++m) add_meld(0, kMeldPung, kMeldTiles[m]);
    calc_shanten(0, kDrawSlot);
  }
  static void hold(const char* text, int melds = 0) { hold(parse_tiles(text), melds); }

  static std::vector<int> counts_of(const std::vector<int>& tiles) {
    std::vector<int> counts(kTileCodes, 0);
    for (int t : tiles) ++counts[t];
    return counts;
  }
};

// Every count vector of one suit with the given total.
std::vector<std::vector<int>> one_suit_hands(int total) {
  std::vector<std::vector<int>> out;
  std::vector<int> tiles;
  auto rec = [&](auto&& self, int rank, int left) -> void {
    if (rank == 10) {
      if (left == 0) out.push_back(tiles);
      return;
    }
    for (int c = 0; c <= 4 && c <= left; ++c) {
      tiles.insert(tiles.end(), c, rank);
      self(self, rank + 1, left - c);
      tiles.resize(tiles.size() - c);
    }
  };
  rec(rec, 1, total);
  return out;
}

// The exhaustive comparisons run in shards that ctest runs side by side.
class ShantenSearch : public Shanten, public testing::WithParamInterface<int> {};
constexpr int kSearchShards = 4;

// ------------------------------------------------------------- normal form

// Shard k takes every fourth one-suit hand from the k-th on.
TEST_P(ShantenSearch, EveryOneSuitHandMatchesTheExhaustiveSearch) {
  for (int melds = 0; melds <= 2; ++melds) {
    int mismatches = 0;
    const auto hands = one_suit_hands(13 - 3 * melds);
    for (std::size_t h = GetParam(); h < hands.size(); h += kSearchShards) {
      const std::vector<int>& tiles = hands[h];
      hold(tiles, melds);
      const int expected = reference_normal_distance(counts_of(tiles).data(), melds);
      if (g_shanten_normal != expected && ++mismatches <= 5)
        ADD_FAILURE() << format_tiles(tiles) << " melds " << melds << ": " << g_shanten_normal << " vs " << expected;
    }
    EXPECT_EQ(mismatches, 0) << "of " << hands.size() << " hands with " << melds << " melds";
  }
}

// Random hands: from a full set of tiles; from two suits and two winds, so
// that sets and pairs are common; and from one knitted arrangement with a
// few other tiles, so that the knitted straight is often the closest form.
enum class Pool { Full, Narrow, Knitted, Orphans };

std::vector<int> random_hand(std::mt19937& rng, int size, Pool pool) {
  std::vector<int> wall;
  const int arrangement = static_cast<int>(rng() % kKnittedArrangements);
  for (int t : kPlayingTiles) {
    int copies = 4;
    if (pool == Pool::Narrow && (suit_of(t) == kBamboo || t > kSouth)) copies = 0;
    if (pool == Pool::Knitted) {
      const auto& knitted = g_knitted_tiles[arrangement];
      copies = std::find(knitted.begin(), knitted.end(), t) != knitted.end() ? 4 : rng() % 6 == 0;
    }
    if (pool == Pool::Orphans && !is_honour(t) && !is_terminal(t)) copies = rng() % 8 == 0;
    wall.insert(wall.end(), copies, t);
  }
  std::shuffle(wall.begin(), wall.end(), rng);
  wall.resize(size);
  return wall;
}

TEST_F(Shanten, RandomMixedHandsMatchTheExhaustiveSearch) {
  std::mt19937 rng(20240611);
  int mismatches = 0;
  int knitted_closer = 0;
  for (int n = 0; n < 30000; ++n) {
    const int melds = n % 4 == 3 ? 1 + n / 4 % 3 : 0;
    const std::vector<int> tiles = random_hand(rng, 13 - 3 * melds, static_cast<Pool>(n % 3));
    hold(tiles, melds);
    const std::vector<int> counts = counts_of(tiles);
    const int normal = reference_normal_distance(counts.data(), melds);
    const int knitted = reference_knitted_straight_distance(counts.data(), melds);
    knitted_closer += knitted < normal;
    if (g_shanten_normal != std::min(normal, knitted) && ++mismatches <= 5)
      ADD_FAILURE() << format_tiles(tiles) << " melds " << melds << ": " << g_shanten_normal << " vs "
                    << normal << " / " << knitted;
  }
  EXPECT_EQ(mismatches, 0);
  EXPECT_GT(knitted_closer, 500);  // the knitted straight was really put to the test
}

// ------------------------------------------------------------ other forms

// 4 x 5000 random hands, each shard from its own seed.
TEST_P(ShantenSearch, ClosedFormsMatchBruteForce) {
  std::mt19937 rng(99 + GetParam());
  for (int n = 0; n < 20000 / kSearchShards; ++n) {
    const std::vector<int> tiles = random_hand(rng, 13, static_cast<Pool>(n % 4));
    hold(tiles);
    const std::vector<int> counts = counts_of(tiles);
    ASSERT_EQ(g_shanten_chiitoi, reference_seven_pairs_distance(counts.data())) << format_tiles(tiles);
    ASSERT_EQ(g_shanten_kokushi, reference_thirteen_orphans_distance(counts.data())) << format_tiles(tiles);
    ASSERT_EQ(g_shanten_knitted, reference_honours_knitted_distance(counts.data())) << format_tiles(tiles);
  }
  const auto hands = one_suit_hands(13);
  for (std::size_t h = GetParam(); h < hands.size(); h += kSearchShards) {
    const std::vector<int>& tiles = hands[h];
    hold(tiles);
    ASSERT_EQ(g_shanten_chiitoi, reference_seven_pairs_distance(counts_of(tiles).data())) << format_tiles(tiles);
  }
}

INSTANTIATE_TEST_SUITE_P(Shards, ShantenSearch, testing::Range(0, kSearchShards));

TEST_F(Shanten, KnownHands) {
  struct Case {
    const char* hand;
    int normal, chiitoi, kokushi, knitted;
  };
  const Case cases[] = {
      {"123m 456p 789s 11z 23m", 0, 3, 9, 9},
      {"1122m 3344p 5566s 7z", 3, 0, 10, 9},
      {"1122m 3344p 5555s 7z", 2, 0, 10, 9},  // four of a kind: a pung here, two pairs for seven pairs
      {"19m 19p 19s 1234567z", 8, 6, 0, 4},
      {"19m 19p 19s 1134567z", 7, 5, 0, 5},
      {"147m 258p 36s 1234z 9s", 2, 6, 7, 0},
  };
  for (const Case& c : cases) {
    hold(c.hand);
    EXPECT_EQ(g_shanten_normal, c.normal) << c.hand;
    EXPECT_EQ(g_shanten_chiitoi, c.chiitoi) << c.hand;
    EXPECT_EQ(g_shanten_kokushi, c.kokushi) << c.hand;
    EXPECT_EQ(g_shanten_knitted, c.knitted) << c.hand;
  }
}

TEST_F(Shanten, DeclaredMeldsCloseTheOtherForms) {
  hold("11m 22p 33s 44m 19s", 1);
  EXPECT_EQ(g_shanten_chiitoi, kWorstChiitoi);
  EXPECT_EQ(g_shanten_kokushi, kWorstKokushi);
  EXPECT_EQ(g_shanten_knitted, kWorstKnitted);
  hold("123m 456p 78s 11z", 1);
  EXPECT_EQ(g_shanten_normal, 0);
}

TEST_F(Shanten, TheSlotLeftOutIsNotCounted) {
  set_hand(0, "123m 456p 789s 11z 239m");
  const int* slots = g_hand[0];
  calc_shanten(0, static_cast<int>(std::find(slots, slots + kHandSlots, 9) - slots));
  EXPECT_EQ(g_shanten_normal, 0);
  calc_shanten(0, static_cast<int>(std::find(slots, slots + kHandSlots, 1) - slots));
  EXPECT_EQ(g_shanten_normal, 1);  // 2233m 9m: two partials or pairs and a single
  set_hand(0, "123m 456p 789s 11z 23m");
  calc_shanten(0, kDrawSlot);  // the empty slot: the whole 13-tile hand
  EXPECT_EQ(g_shanten_normal, 0);
}

TEST_F(Shanten, ReadingOfTheNormalForm) {
  hold("123m 456p 789s 11z 23m");
  EXPECT_EQ(g_shanten_blocks, 5);
  EXPECT_EQ(g_shanten_pairs, 1);
  hold("1123m 456p 789s 357z");  // 123m beats 11m with 23m: three sets and no pair
  EXPECT_EQ(g_shanten_normal, 2);
  EXPECT_EQ(g_shanten_blocks, 3);
  EXPECT_EQ(g_shanten_pairs, 0);
  hold("11m 22p 33s 44m 55p 66s 7z");  // six pairs read as blocks, one of them the head
  EXPECT_EQ(g_shanten_normal, 3);
  EXPECT_EQ(g_shanten_blocks, 6);
  EXPECT_EQ(g_shanten_pairs, 6);
}

// ------------------------------------------------------- knitted straight

TEST_F(Shanten, KnittedStraight) {
  struct Case {
    const char* hand;
    int melds;
    int normal, blocks, pairs;
  };
  const Case cases[] = {
      {"147m 258p 369s 123m 5z", 0, 0, 5, 0},    // the set found, the pair missing
      {"147m 258p 369s 55z 12z", 0, 1, 4, 1},    // the pair found, nothing for the set
      {"147m 258p 36s 55678s", 0, 0, 6, 1},      // 5s 5s 6s 7s 8s: set and pair at once
      {"147m 258p 36s 123m 55z", 0, 0, 6, 1},    // one tile of the arrangement missing
      {"147m 258p 369s 11z 22z", 0, 0, 6, 1},    // a second pair stands for the set
      {"147m 258p 369s 5z 7z", 1, 0, 4, 0},       // with a meld only the pair is sought
      {"147m 258p 369s 55z", 1, -1, 5, 1},
  };
  for (const Case& c : cases) {
    hold(c.hand, c.melds);
    EXPECT_EQ(g_shanten_normal, c.normal) << c.hand;
    EXPECT_EQ(g_shanten_blocks, c.blocks) << c.hand;
    EXPECT_EQ(g_shanten_pairs, c.pairs) << c.hand;
    const std::vector<int> counts = counts_of(parse_tiles(c.hand));
    EXPECT_EQ(g_shanten_normal, reference_knitted_straight_distance(counts.data(), c.melds)) << c.hand;
  }
}

TEST_F(Shanten, ADeadArrangementIsNotConsidered) {
  const char* hand = "147m 258p 36s 123m 55z";  // lacks 9s
  g_visible_counts[29] = 3;
  hold(hand);
  EXPECT_EQ(g_shanten_normal, 0);
  g_visible_counts[29] = 4;
  hold(hand);
  const std::vector<int> counts = counts_of(parse_tiles(hand));
  EXPECT_EQ(g_shanten_normal, reference_normal_distance(counts.data(), 0));
  EXPECT_GT(g_shanten_normal, 0);
  g_visible_counts[29] = 0;
  g_visible_counts[1] = 4;  // a held tile: all copies seen elsewhere kills nothing
  hold(hand);
  EXPECT_EQ(g_shanten_normal, 0);
}

// ------------------------------------------------------------------ guards

TEST_F(Shanten, WithoutTheTableOnlyTheNormalFormIsLeftOut) {
  hold("19m 19p 19s 1234567z");
  g_hai_table_loaded = 0;
  hold("1122m 3344p 5566s 7z");
  g_hai_table_loaded = 1;
  EXPECT_EQ(g_shanten_normal, kWorstNormal);
  EXPECT_EQ(g_shanten_blocks, 0);
  EXPECT_EQ(g_shanten_pairs, 0);
  EXPECT_EQ(g_shanten_chiitoi, 0);
  EXPECT_EQ(g_shanten_kokushi, 10);
  EXPECT_EQ(g_shanten_knitted, 9);
}

TEST_F(Shanten, AFifthCopyGivesEveryFormItsWorst) {
  hold("11111m 234p 567s 11z");
  EXPECT_EQ(g_shanten_normal, kWorstNormal);
  EXPECT_EQ(g_shanten_chiitoi, kWorstChiitoi);
  EXPECT_EQ(g_shanten_kokushi, kWorstKokushi);
  EXPECT_EQ(g_shanten_knitted, kWorstKnitted);
  EXPECT_EQ(kWorstKnitted, 13);
}

}  // namespace

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <random>
#include <vector>

#include "core/shanten.h"
#include "support/distance_reference.h"
#include "core/hai_table.h"
#include "support/hai_table_once.h"
#include "support/hand_builder.h"

namespace {

class ShantenByDiscard : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { fill_hai_table_once(); }
};

struct Distances {
  int normal, chiitoi, kokushi, knitted;
};

// The distances after discarding `tile` from `hand`, with `melds` pungs of
// other tiles held as marked slots and all four copies of the tiles
// `all_visible` visible.
Distances after_discard(const char* hand, int melds, const char* tile, const char* all_visible = "") {
  std::array<int, kHandSlots> slots = make_hand(hand);
  const int discard = parse_tiles(tile).at(0);
  const int* found = std::find(slots.begin(), slots.end(), discard);
  EXPECT_NE(found, slots.end()) << hand << " lacks " << tile;
  int held[kHandSlots];
  std::copy(slots.begin(), slots.end(), held);
  int filled = static_cast<int>(std::count_if(slots.begin(), slots.end(), [](int v) { return v != 0; }));
  for (int m = 0; m < melds; ++m)
    for (int k = 0; k < 3; ++k) held[filled++] = make_slot(kEast + m, kPungSlot);
  bool wanted[kHandSlots] = {};
  const int slot = static_cast<int>(found - slots.begin());
  wanted[slot] = true;
  int visible[kTileCodes] = {};
  for (int t : parse_tiles(all_visible)) visible[t] = kMaxCopies;
  ShantenResult out[kHandSlots];
  distances_by_discard(held, melds, visible, wanted, out);
  return {out[slot].normal, out[slot].chiitoi, out[slot].kokushi, out[slot].knitted};
}

struct DiscardCase {
  const char* hand;
  int melds;
  const char* discard;
  Distances expected;
  const char* all_visible = "";
};

// Worked by hand: normal = 8 - 2 x melds - 2 x sets - partials - pairs
// (blocks up to five, one pair of them the head), seven pairs = 6 - pairs
// (a kind held four times is two), orphans = 13 - kinds - (a pair among
// them), knitted = 13 - honours - arrangement tiles.
const DiscardCase kCases[] = {
    // A pung broken: 123m with a lone 1m, or 11m and 23m.
    {"111m 239m 456p 789s 11z", 0, "9m", {0, 4, 9, 9}},
    {"111m 239m 456p 789s 11z", 0, "1m", {1, 4, 8, 8}},  // 3m 9m of 369m count for the knitted form
    {"111m 239m 456p 789s 11z", 0, "1z", {1, 5, 8, 8}},
    {"111m 239m 456p 789s 11z", 0, "2m", {1, 4, 8, 8}},
    // A kind held four times: 111m and 123m once the single honours go.
    {"1111m 23m 456p 789s 12z", 0, "1z", {0, 4, 9, 9}},
    {"1111m 23m 456p 789s 12z", 0, "1m", {1, 5, 8, 8}},  // 111m holds the orphans' pair
    // Honours only: four pungs and a single, or three and two pairs.
    {"11122233344455z", 0, "5z", {0, 2, 7, 8}},
    {"11122233344455z", 0, "1z", {0, 1, 7, 8}},
    // Two declared pungs and eight free tiles; the other forms are closed.
    {"234m 55p 67s 9s", 2, "9s", {0, 6, 13, 13}},
    {"234m 55p 67s 9s", 2, "5p", {1, 6, 13, 13}},
    {"234m 55p 67s 9s", 2, "2m", {1, 6, 13, 13}},
    // Six terminal pairs: head and four pairs, or a pair less.
    {"1199m 1199p 1199s 12z", 0, "2z", {3, 0, 5, 10}},
    {"1199m 1199p 1199s 12z", 0, "1m", {3, 1, 4, 9}},
    // Every terminal and honour: 1m drops the orphans' pair, 7z a kind.
    {"119m 19p 19s 1234567z", 0, "1m", {8, 6, 0, 4}},
    {"119m 19p 19s 1234567z", 0, "7z", {7, 5, 0, 5}},
    // A whole knitted arrangement: the straight reads 11 - 9 beside four
    // lone honours, the honours form 13 - 4 - 9.
    {"147m 258p 369s 12345z", 0, "5z", {2, 6, 7, 0}},
    {"147m 258p 369s 12345z", 0, "1m", {3, 6, 7, 0}},
    // Eight of the arrangement, a set and a pair: ready on 1m while a 1m
    // is live; with all four visible only 567p, 55p and 11z count.
    {"47m 2558p 369s 67p 115z", 0, "5z", {0, 4, 10, 4}},
    {"47m 2558p 369s 67p 115z", 0, "5z", {4, 4, 10, 4}, "1m"},
    {"47m 2558p 369s 67p 115z", 0, "5z", {0, 4, 10, 4}, "9m"},  // no tile of the arrangement
    // One declared meld beside the straight: 9 - 9 with a lone honour
    // waiting for its pair, 9 - 8 without 1m.
    {"147m 258p 369s 34z", 1, "4z", {0, 6, 13, 13}},
    {"147m 258p 369s 34z", 1, "1m", {1, 6, 13, 13}},
};

TEST_F(ShantenByDiscard, WorkedHands) {
  for (const DiscardCase& c : kCases) {
    const Distances d = after_discard(c.hand, c.melds, c.discard, c.all_visible);
    EXPECT_EQ(d.normal, c.expected.normal) << c.hand << " less " << c.discard;
    EXPECT_EQ(d.chiitoi, c.expected.chiitoi) << c.hand << " less " << c.discard;
    EXPECT_EQ(d.kokushi, c.expected.kokushi) << c.hand << " less " << c.discard;
    EXPECT_EQ(d.knitted, c.expected.knitted) << c.hand << " less " << c.discard;
  }
}

// Eight tiles of an arrangement beside five that join none of them: the
// straight is 11 - 8 away, and so is the normal form (the partials 12m 45m
// 23p 56p and the pair 33s: five blocks), whose reading stays.
TEST_F(ShantenByDiscard, AStraightNoCloserThanTheNormalFormLeavesItsReading) {
  int hand[kHandSlots];
  const std::array<int, kHandSlots> slots = make_hand("12457m 23568p 336s");
  std::copy(slots.begin(), slots.end(), hand);
  const int visible[kTileCodes] = {};
  const ShantenResult r = distance_to_ready(hand, kDrawSlot, 0, visible);
  EXPECT_EQ(r.normal, 3);
  EXPECT_EQ(r.blocks, 5);
  EXPECT_EQ(r.pairs, 1);
  EXPECT_EQ(r.knitted, 5);
}

// Random 14-slot hands, some with declared pungs, flowers, empty slots or a
// fifth copy: every discard judged together agrees with the slot judged
// alone, and the normal form with the exhaustive search. A share kept from
// another discard or another hand would show as a mismatch.
TEST_F(ShantenByDiscard, EveryDiscardMatchesTheSlotAloneAndTheSearch) {
  std::mt19937 rng(20261207);
  int visible[kTileCodes] = {};
  int mismatches = 0;
  for (int n = 0; n < 600; ++n) {
    const int melds = n % 5 == 4 ? 1 + n / 5 % 2 : 0;
    std::vector<int> wall;
    for (int t : kPlayingTiles) wall.insert(wall.end(), n % 3 == 0 && suit_of(t) != 0 && t < kEast ? 0 : 4, t);
    std::shuffle(wall.begin(), wall.end(), rng);
    int hand[kHandSlots] = {};
    const int free_tiles = kHandSlots - 3 * melds;
    std::copy(wall.begin(), wall.begin() + free_tiles, hand);
    for (int k = 0; k < 3 * melds; ++k) hand[free_tiles + k] = make_slot(kEast + k / 3, kPungSlot);
    if (n % 7 == 1) hand[n % free_tiles] = kFirstFlower;
    if (n % 11 == 2) hand[n % free_tiles] = 0;
    if (n % 13 == 3) std::fill(hand, hand + 5, hand[0]);  // a fifth copy
    std::fill(visible, visible + kTileCodes, 0);
    if (n % 2 == 0) visible[wall[40]] = 4;  // may kill a knitted arrangement
    bool wanted[kHandSlots];
    std::fill(wanted, wanted + kHandSlots, true);
    ShantenResult out[kHandSlots];
    distances_by_discard(hand, melds, visible, wanted, out);
    for (int slot = 0; slot < kHandSlots; ++slot) {
      const ShantenResult alone = distance_to_ready(hand, slot, melds, visible);
      const ShantenResult& r = out[slot];
      const bool same = r.normal == alone.normal && r.blocks == alone.blocks && r.pairs == alone.pairs &&
                        r.chiitoi == alone.chiitoi && r.kokushi == alone.kokushi && r.knitted == alone.knitted;
      int counts[kTileCodes] = {};
      int held = 0;
      bool fifth = false;
      for (int k = 0; k < kHandSlots; ++k)
        if (k != slot && hand[k] >= 1 && hand[k] <= kRed) fifth = ++counts[hand[k]] > kMaxCopies || fifth, ++held;
      bool searched = true;
      if (held == 13 - 3 * melds && !fifth && n % 2 == 1) {
        const int reference = std::min(reference_normal_distance(counts, melds),
                                       reference_knitted_straight_distance(counts, melds));
        searched = r.normal == reference;
      }
      if (fifth) searched = r.normal == kWorstNormal;
      if ((!same || !searched) && ++mismatches <= 5)
        ADD_FAILURE() << format_tiles(hand, kHandSlots) << " slot " << slot << " melds " << melds << ": "
                      << r.normal << " alone " << alone.normal;
    }
  }
  EXPECT_EQ(mismatches, 0);
}

}  // namespace

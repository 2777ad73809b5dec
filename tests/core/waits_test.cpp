#include "base/waits.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "support/hand_builder.h"
#include "support/hand_reference.h"

namespace {

std::vector<int> run_find_waits(const std::array<int, kHandSlots>& slots, int wait_slot = kDrawSlot) {
  std::copy(slots.begin(), slots.end(), g_wait_hand);
  g_wait_slot = wait_slot;
  find_waits();
  return {g_waits, g_waits + g_wait_count};
}

std::vector<int> tiles(std::string_view text) { return parse_tiles(text); }

// ---------------------------------------------------------- worked examples
struct WaitCase {
  const char* name;
  const char* free_tiles;
  std::vector<int> melds;
  std::vector<int> waits;  // exact order
  int form;
};

class FindWaitsTable : public testing::TestWithParam<WaitCase> {};

TEST_P(FindWaitsTable, ListsWaitsInOrder) {
  const WaitCase& c = GetParam();
  reset_waits_state();
  const std::vector<int> waits = run_find_waits(ref_slots(ref_hand(c.free_tiles, c.melds)));
  EXPECT_EQ(waits, c.waits) << format_tiles(waits);
  EXPECT_EQ(g_hand_form, c.form);
  for (int i = g_wait_count; i < kMaxWaits; ++i) EXPECT_EQ(g_waits[i], 0) << i;
}

const WaitCase kWaitCases[] = {
    {"NineGates", "1112345678999m", {}, tiles("123456789m"), kFormNormal},
    {"SevenPairsAlsoNormal", "1122334455667m", {}, tiles("1477m"), kFormNormal},
    {"SevenPairsOnly", "1199m 2288p 33s 77s 5z", {}, {kWhite}, kFormSevenPairs},
    {"SevenPairsQuadAsTwoPairs", "1111m 3355p 7799s 1z", {}, {kEast}, kFormSevenPairs},
    {"SevenPairsLoneThirdCopy", "111m 2233p 4455s 66z", {}, tiles("1m"), kFormSevenPairs},
    {"ThirteenOrphansAllThirteen", "19m 19p 19s 1234567z", {}, tiles("19m 19p 19s 1234567z"), kFormThirteenOrphans},
    {"ThirteenOrphansMissingRedDragon", "119m 19p 19s 123456z", {}, {kRed}, kFormThirteenOrphans},
    {"ThirteenOrphansMissingNineCharacters", "11m 19p 19s 1234567z", {}, tiles("9m"), kFormThirteenOrphans},
    {"KnittedStraightLacksOne", "147m 25p 369s 123m 55z", {}, tiles("8p"), kFormKnittedStraight},
    {"KnittedStraightCompleteTwoWaits", "1112347m 258p 369s", {}, tiles("14m"), kFormKnittedStraight},
    {"KnittedStraightWithPung", "147m 258p 369s 7z", {make_meld(1, kMeldPung, kWhite)}, {kRed}, kFormKnittedStraight},
    {"KnittedStraightWithChowLacksOne", "147m 258p 36s 77z", {make_meld(0, kMeldChow, 5)}, tiles("9s"), kFormKnittedStraight},
    {"HonoursKnittedArrangementOrder", "17p 25m 369s 124567z", {}, {14, 8, kWest}, kFormHonoursKnitted},
    {"HonoursKnittedWithDuplicate", "17p 25m 369s 124557z", {}, {}, kFormNormal},
    {"ConcealedKongNeverSevenPairs", "33p 55p 77s 99s 11z", {make_meld(1, kMeldConcealedKong, 1)}, {}, kFormNormal},
    {"NotReady", "159m 159p 159s 1357z", {}, {}, kFormNormal},
    // Lacks 8p, but honours form no chow: 1z 22z 33z is not a set and a pair.
    {"KnittedRestNotASetAndPair", "147m 25p 369s 1z 22z 33z", {}, {}, kFormNormal},
    // 3334567m: 234+33+567, 333+44+567, 33+345+567, 333+456+77, 33+345+678.
    {"OneSuitFiveWaits", "3334567m 123p 456s", {}, tiles("24578m"), kFormNormal},
    {"PairsInTwoSuits", "11m 99p 123s 456s 789s", {}, tiles("1m 9p"), kFormNormal},
    // 22p can become a pung only if 13m were a pair.
    {"ClosedWaitBesideAPair", "13m 22p 123s 456s 789s", {}, tiles("2m"), kFormNormal},
    {"HonourPairs", "11z 22z 123m 456m 789m", {}, {kEast, kSouth}, kFormNormal},
    {"HonourSingle", "1z 123m 456m 789m 111p", {}, {kEast}, kFormNormal},
    // A fifth East is no tile: 1111z waits on nothing.
    {"HonourQuadWaitsOnNothing", "1111z 123m 456m 789m", {}, {}, kFormNormal},
    {"TwoDeclaredMelds", "23m 55p 678s", {make_meld(0, kMeldChow, 21), make_meld(2, kMeldPung, kRed)}, tiles("14m"),
     kFormNormal},
    // The declared pung holds three 4m; the fourth is still a wait.
    {"WaitBesideDeclaredPung", "23m 55p 678s 789p", {make_meld(1, kMeldPung, 4)}, tiles("14m"), kFormNormal},
    // 123 123 345 456 or 123 123 456 456 with 99p, and the lone 6m of six pairs.
    // 123 123 456 456 waiting on 7s alone, and the same lone tile of six pairs.
    {"SevenPairsAfterOneNormalWait", "112233m 445566p 7s", {}, tiles("77s"), kFormNormal},
    {"SevenPairsAfterTwoNormalWaits", "11223344556m 99p", {}, tiles("366m"), kFormNormal},
};

INSTANTIATE_TEST_SUITE_P(FindWaits, FindWaitsTable, testing::ValuesIn(kWaitCases),
                         [](const testing::TestParamInfo<WaitCase>& info) { return std::string(info.param.name); });

TEST(FindWaits, LeavesOutTheGivenSlot) {
  std::array<int, kHandSlots> hand = make_hand("1112345678999m 5z");
  const int slot = static_cast<int>(std::find(hand.begin(), hand.end(), kWhite) - hand.begin());
  EXPECT_EQ(run_find_waits(hand, slot), tiles("123456789m"));
  // Leaving out a 9 instead: 1112345678995z is not ready.
  EXPECT_TRUE(run_find_waits(hand, 12).empty());
}

TEST(FindWaits, ShortHandHasNoWaits) {
  EXPECT_TRUE(run_find_waits(make_hand("11123m 456p 789s")).empty());
}

// ------------------------------------------------ four copies, kongs, flowers
TEST(FindWaits, DeclaredKongHoldsTheFourthCopy) {
  for (int kind : {kMeldConcealedKong, kMeldMeldedKong}) {
    const RefHand kong = ref_hand("34m 111p 222p 99s", {make_meld(1, kind, 5)});
    EXPECT_EQ(run_find_waits(ref_slots(kong)), tiles("2m")) << kind;
  }
  // A declared pung leaves the fourth copy to win on.
  const RefHand pung = ref_hand("34m 111p 222p 99s", {make_meld(1, kMeldPung, 5)});
  EXPECT_EQ(run_find_waits(ref_slots(pung)), tiles("25m"));
}

TEST(FindWaits, ConcealedQuadIsNotWaitedOn) {
  // 1111234m would also take a fifth 1 characters as 111 123 and a pair of 4s... of 1s.
  EXPECT_EQ(run_find_waits(make_hand("1111m 234m 456p 789p")), tiles("4m"));
}

TEST(FindWaits, KnittedStraightRespectsFourCopies) {
  // The nine arrangement tiles and four Easts: a fifth East would read as a
  // pung and a pair.
  EXPECT_TRUE(run_find_waits(make_hand("147m 258p 369s 1111z")).empty());
  // Lacking 9 bamboo while a concealed kong holds all four.
  const RefHand kong = ref_hand("147m 258p 36s 55z", {make_meld(1, kMeldConcealedKong, 29)});
  EXPECT_TRUE(run_find_waits(ref_slots(kong)).empty());
}

TEST(FindWaits, SixPairsAndAFlowerAreNotReady) {
  const std::vector<int> waits = run_find_waits(make_hand("112233m 445566p 3f"));
  EXPECT_TRUE(waits.empty()) << format_tiles(waits);
  EXPECT_EQ(g_hand_form, kFormNormal);
  EXPECT_EQ(g_waits[0], 0);
}

// ------------------------------------------------ cross-checks by counting
std::string describe(const RefHand& hand) {
  const std::array<int, kHandSlots> slots = ref_slots(hand);
  return format_tiles(slots.data(), kHandSlots);
}

void expect_reference_waits(const RefHand& hand13) {
  const std::vector<int> expected = ref_expected_waits(hand13);
  const std::vector<int> waits = run_find_waits(ref_slots(hand13));
  ASSERT_EQ(waits, expected) << describe(hand13) << " found " << format_tiles(waits) << ", expected "
                             << format_tiles(expected);
}

// Calls f(counts) for every way of holding n tiles of one suit, at most four of a rank.
template <class F>
void each_suit_hand(int rank, int left, std::array<int, 10>& counts, F& f) {
  if (rank == 10) {
    if (left == 0) f(counts);
    return;
  }
  for (int c = 0; c <= std::min(4, left); ++c) {
    counts[rank] = c;
    each_suit_hand(rank + 1, left - c, counts, f);
  }
  counts[rank] = 0;
}

TEST(FindWaitsReference, EveryOneSuitHand) {
  int hands = 0;
  int ready = 0;
  std::array<int, 10> counts{};
  auto check = [&](const std::array<int, 10>& c) {
    RefHand hand;
    for (int r = 1; r <= 9; ++r) hand.free[make_tile(kCharacters, r)] = c[r];
    expect_reference_waits(hand);
    ++hands;
    ready += g_wait_count > 0;
  };
  each_suit_hand(1, 13, counts, check);
  EXPECT_EQ(hands, 93600);
  EXPECT_GT(ready, 10000);  // the table must not be a table of not-ready hands
}

// Every way of holding four tiles in two groups beside three sets of a
// third suit: one group to mend while the other holds the pair, or both
// groups unfit at once.
TEST(FindWaitsReference, EveryFourTilesInTwoGroups) {
  for (const int second : {kDots, kHonours}) {
    // The four tiles as ascending indices into the characters, then the second group.
    std::vector<int> kinds = tiles("123456789m");
    for (int rank = 1; rank <= (second == kHonours ? 7 : 9); ++rank) kinds.push_back(make_tile(second, rank));
    const int n = static_cast<int>(kinds.size());
    int hands = 0;
    int ready = 0;
    for (int a = 0; a < n; ++a)
      for (int b = a; b < n; ++b)
        for (int c = b; c < n; ++c)
          for (int d = c; d < n; ++d) {
            RefHand hand = ref_hand("123s 456s 789s");
            for (int i : {a, b, c, d}) ++hand.free[kinds[i]];
            expect_reference_waits(hand);
            ++hands;
            ready += g_wait_count > 0;
          }
    EXPECT_EQ(hands, second == kHonours ? 3876 : 5985);  // multisets of four out of 16 or 18 kinds
    EXPECT_GT(ready, 300) << second;
  }
}

// Random hands out of one set of 136 tiles.
class HandDealer {
 public:
  explicit HandDealer(unsigned seed) : rng_(seed) { left_.fill(0); for (int t : kPlayingTiles) left_[t] = 4; }

  int any_tile() { return kPlayingTiles[pick(34)]; }
  int pick(int n) { return static_cast<int>(rng_() % static_cast<unsigned>(n)); }

  bool take(int tile, int n) {
    if (left_[tile] < n) return false;
    left_[tile] -= n;
    return true;
  }

  // A random declared meld out of the remaining tiles, or 0.
  int meld() {
    const int kind = kMeldChow + pick(4);
    const int tile = any_tile();
    if (kind == kMeldChow) {
      if (!is_suited(tile) || rank_of(tile) > 7 || left_[tile] == 0 || left_[tile + 1] == 0 || left_[tile + 2] == 0) return 0;
      take(tile, 1), take(tile + 1, 1), take(tile + 2, 1);
      return make_meld(pick(3), kind, tile);
    }
    if (!take(tile, kind == kMeldPung ? 3 : 4)) return 0;
    return make_meld(kind == kMeldConcealedKong ? 1 : pick(3), kind, tile);
  }

  // A concealed set into hand.free, or false when the drawn one is not left.
  bool concealed_set(RefHand& hand) {
    const int tile = any_tile();
    if (pick(2) == 0) {
      if (!take(tile, 3)) return false;
      hand.free[tile] += 3;
      return true;
    }
    if (!is_suited(tile) || rank_of(tile) > 7 || left_[tile] == 0 || left_[tile + 1] == 0 || left_[tile + 2] == 0) return false;
    for (int k = 0; k < 3; ++k) take(tile + k, 1), ++hand.free[tile + k];
    return true;
  }

  bool free_tiles(RefHand& hand, int n, int copies) {
    for (int i = 0; i < n; ++i) {
      const int tile = any_tile();
      if (!take(tile, copies)) return false;
      hand.free[tile] += copies;
    }
    return true;
  }

 private:
  std::mt19937 rng_;
  std::array<int, kTileCodes> left_;
};

// A complete normal hand with the given number of declared melds, or an
// empty RefHand when the random draw ran out of some tile.
RefHand complete_normal_hand(HandDealer& d, int melds) {
  RefHand hand;
  for (int m = 0; m < melds; ++m) {
    const int code = d.meld();
    if (code == 0) return {};
    hand.melds.push_back(code);
  }
  for (int s = melds; s < 4; ++s)
    if (!d.concealed_set(hand)) return {};
  if (!d.free_tiles(hand, 1, 2)) return {};
  return hand;
}

int random_free_tile(HandDealer& d, const RefHand& hand) {
  for (;;) {
    const int tile = d.any_tile();
    if (hand.free[tile] > 0) return tile;
  }
}

TEST(FindWaitsReference, RandomHandsWithDeclaredMelds) {
  int ready = 0;
  for (unsigned seed = 1; seed <= 6000; ++seed) {
    HandDealer d(seed);
    const int melds = d.pick(3);
    RefHand hand = complete_normal_hand(d, melds);
    if (ref_tile_count(hand) != 14) continue;
    --hand.free[random_free_tile(d, hand)];
    // Two hands in three get one more tile swapped, most of them not ready.
    if (seed % 3 != 0) {
      --hand.free[random_free_tile(d, hand)];
      if (!d.free_tiles(hand, 1, 1)) continue;
    }
    expect_reference_waits(hand);
    ready += g_wait_count > 0;
  }
  EXPECT_GT(ready, 800);
}

// Two-suit hands: four sets and a pair of characters and dots less one
// tile, every other hand with one more tile swapped. Long groups with many
// waits, either group the one to mend.
TEST(FindWaitsReference, RandomTwoSuitHands) {
  std::mt19937 rng(7);
  auto any_tile = [&] { return make_tile(static_cast<int>(rng() % 2), 1 + static_cast<int>(rng() % 9)); };
  auto any_held = [&](const RefHand& h) {
    for (;;)
      if (const int t = any_tile(); h.free[t] > 0) return t;
  };
  int hands = 0;
  int ready = 0;
  for (int n = 0; n < 4000; ++n) {
    RefHand hand;
    for (int set = 0; set < 4; ++set) {
      const int t = any_tile();
      const bool chow = rank_of(t) <= 7 && rng() % 2 == 0;
      for (int k = 0; k < 3; ++k) ++hand.free[chow ? t + k : t];
    }
    hand.free[any_tile()] += 2;
    --hand.free[any_held(hand)];
    if (n % 2 == 1) --hand.free[any_held(hand)], ++hand.free[any_tile()];
    if (std::any_of(hand.free.begin(), hand.free.end(), [](int c) { return c > 4; })) continue;
    expect_reference_waits(hand);
    ++hands;
    ready += g_wait_count > 0;
  }
  EXPECT_GT(hands, 2000);
  EXPECT_GT(ready, hands / 2);
}

// Complete hands of the special forms, closed.
RefHand complete_special_hand(HandDealer& d, int form) {
  RefHand hand;
  switch (form) {
    case kFormSevenPairs:
      if (!d.free_tiles(hand, 7, 2)) return {};
      break;
    case kFormThirteenOrphans:
      for (int t : g_terminal_honour_tiles) hand.free[t] = 1;
      ++hand.free[g_terminal_honour_tiles[d.pick(13)]];
      break;
    case kFormKnittedStraight:
      for (int t : g_knitted_tiles[d.pick(kKnittedArrangements)]) d.take(t, 1), hand.free[t] = 1;
      if (!d.concealed_set(hand) || !d.free_tiles(hand, 1, 2)) return {};
      break;
    default: {
      const auto& tiles = g_knitted_honour_tiles[d.pick(kKnittedArrangements)];
      for (int t : tiles) hand.free[t] = 1;
      for (int dropped = 0; dropped < 2;) {
        const int t = tiles[d.pick(16)];
        if (hand.free[t] == 1) hand.free[t] = 0, ++dropped;
      }
    }
  }
  return hand;
}

TEST(FindWaitsReference, EveryTileTakenOutOfACompleteHandIsAWait) {
  for (unsigned seed = 1; seed <= 3000; ++seed) {
    HandDealer d(seed);
    const int form = d.pick(6);
    const RefHand hand = form <= kFormHonoursKnitted ? complete_special_hand(d, form) : complete_normal_hand(d, d.pick(5));
    if (ref_tile_count(hand) != 14) continue;
    const std::array<int, kHandSlots> slots = ref_slots(hand);
    for (int slot = 0; slot < kHandSlots; ++slot) {
      if (marker_of(slots[slot]) != kFree) continue;
      const std::vector<int> waits = run_find_waits(slots, slot);
      EXPECT_NE(std::find(waits.begin(), waits.end(), slots[slot]), waits.end())
          << describe(hand) << " without slot " << slot << " waits " << format_tiles(waits);
      RefHand rest = hand;
      --rest.free[slots[slot]];
      ASSERT_EQ(waits, ref_expected_waits(rest)) << describe(hand) << " without slot " << slot;
    }
  }
}

}  // namespace

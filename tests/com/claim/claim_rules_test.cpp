// The claim rules that decide from tile counts alone, on the worked examples
// of their rules: the pung patterns, the rules without an aim and the fallback.
#include <algorithm>
#include <array>
#include <set>

#include "com/claim/claim_rules.h"
#include "com/target/com_target.h"
#include "base/ai_record.h"
#include "core/tiles.h"
#include "support/claim_fixture.h"
#include "base/table_state.h"

namespace {

TEST_P(ClaimCaseTest, Decides) {
  set_up(GetParam());
  EXPECT_EQ(run(GetParam().rule), GetParam().expect);
}

// Junk that no example's discard touches: 11, 10 and 7 tiles.
#define J11 " 1m 4m 7m 2s 5s 8s 1z 3z 5z 6z 9p"
#define J10 " 1m 4m 7m 2s 5s 8s 1z 3z 5z 9p"
#define J7 " 4m 7m 2s 5s 8s 1z 3z"
// Without characters (for the chows of 5m and 7m) and without 2z, 3z.
#define N11 " 2s 5s 8s 1z 3z 5z 9p 1p 4p 7p 2z"
#define N10 " 2s 5s 8s 1z 3z 5z 9p 1p 4p 7p"
#define N9 " 2s 5s 8s 1z 3z 5z 9p 1p 4p"
#define N8 " 2s 5s 8s 1z 3z 5z 9p 1p"
#define H11 " 1m 4m 7m 2s 5s 8s 1z 5z 9p 2m 6p"
const MeldSpec kChow1s{kMeldChow, 21, 0};
const MeldSpec kPung1m{kMeldPung, 1, 0};
const MeldSpec kConcealed5m{kMeldConcealedKong, 5, -1};

INSTANTIATE_TEST_SUITE_P(PungPatterns, ClaimCaseTest, ::testing::Values(
    ClaimCase{"AllPungsPair", naki_all_pungs, "55p" J11, "5p", pung(28), 28, 0, {}, 2},
    ClaimCase{"AllPungsThreeBeforeACall", naki_all_pungs, "555p" J10, "5p", kNoClaim, 28, 0, {}, 2},
    ClaimCase{"AllPungsThreeAfterACall", naki_all_pungs, "555p" J10, "5p", kong(28, 1), 28, 0, {}, 2, "", 1},
    ClaimCase{"CopyInSlot13NeverCounts", naki_all_pungs, "2m 77z" J11, "7z", kNoClaim, 28, 0, {}, 2},
    ClaimCase{"CopiesInAMeldNeverCount", naki_all_pungs, "5p" J7 " 9m 9p", "5p", kNoClaim, 28, 0, {{kMeldPung, 15, 0}}, 2},
    ClaimCase{"AllEvenPungsNeverKong", naki_all_even_pungs, "555p" J10, "5p", kNoClaim, 58, 0, {}, 2, "", 1},
    ClaimCase{"TerminalsOnlyConcealedKong", naki_all_terminals_and_honours, "999p" J7, "9p", kNoClaim, 63, 0, {kConcealed5m}, 2},
    ClaimCase{"TerminalsKongBesideAChow", naki_all_terminals_and_honours, "999p" J7, "9p", kong(63, 1), 63, 0, {kChow1s}, 2},
    ClaimCase{"AllHonoursPairsForm", naki_all_honours, "77z" J11, "7z", kNoClaim, 70, 1, {}, 2},
    ClaimCase{"AllHonoursPair", naki_all_honours, "77z" J11, "7z", pung(70), 70, 0, {}, 2},
    ClaimCase{"AllHonoursSuitPair", naki_all_honours, "55p" J11, "5p", kNoClaim, 70, 0, {}, 2},
    ClaimCase{"AllHonoursKongBesideAChow", naki_all_honours, "777z" J7, "7z", kong(70, 1), 70, 0, {kChow1s}, 2},
    ClaimCase{"TriplePungRank", naki_triple_pung, "55p" J11, "5p", pung(50), 50, 5, {}, 2},
    ClaimCase{"TriplePungOtherRank", naki_triple_pung, "44p" J11, "4p", kNoClaim, 50, 5, {}, 2},
    ClaimCase{"TriplePungHonour", naki_triple_pung, "77z" J11, "7z", kNoClaim, 50, 7, {}, 2},
    ClaimCase{"MixedShiftedThird", naki_mixed_shifted_pungs, "55p" J11, "5p", pung(34), 34, 12, {}, 2},
    ClaimCase{"MixedShiftedNoSuchRow", naki_mixed_shifted_pungs, "33m" J11, "3m", kNoClaim, 34, 62, {}, 2},
    ClaimCase{"MixedShiftedOther", naki_mixed_shifted_pungs, "44p" J11, "4p", kNoClaim, 34, 12, {}, 2},
    ClaimCase{"PureShiftedTop", naki_pure_shifted_pungs, "55p" J11, "5p", pung(54), 54, 13, {}, 2},
    ClaimCase{"PureShiftedBottom", naki_pure_shifted_pungs, "33p" J11, "3p", pung(54), 54, 13, {}, 2},
    ClaimCase{"PureShiftedAbove", naki_pure_shifted_pungs, "66p" J11, "6p", kNoClaim, 54, 13, {}, 2},
    ClaimCase{"PureShiftedOtherSuit", naki_pure_shifted_pungs, "33s" J11, "3s", kNoClaim, 54, 13, {}, 2},
    ClaimCase{"FourShiftedTop", naki_four_pure_shifted_pungs, "66p" J11, "6p", pung(66), 66, 13, {}, 2},
    ClaimCase{"FourShiftedAbove", naki_four_pure_shifted_pungs, "77p" J11, "7p", kNoClaim, 66, 13, {}, 2},
    ClaimCase{"AllTerminalsPair", naki_all_terminals, "11s" J11, "1s", pung(72), 72, 0, {}, 2}),
    claim_case_name);

// Seat 1 is South; East is the round wind.
INSTANTIATE_TEST_SUITE_P(WithoutAnAim, ClaimCaseTest, ::testing::Values(
    ClaimCase{"ExtraKong", naki_extra_kong, "555p" J7, "5p", kong(22), 0, 0, {kConcealed5m}, 2},
    ClaimCase{"ExtraKongWithoutAKong", naki_extra_kong, "555p" J7, "5p", kNoClaim, 0, 0, {kPung1m}, 2},
    ClaimCase{"ExtraKongFourCopies", naki_extra_kong, "5555p" " 4m 7m 2s 5s 8s 1z", "5p", kNoClaim, 0, 0, {kConcealed5m}, 2},
    ClaimCase{"ExtraKongWithATarget", naki_extra_kong, "555p" J7, "5p", kNoClaim, 28, 0, {kConcealed5m}, 2},
    ClaimCase{"DragonPungBesideALivePair", naki_two_dragon_pungs, "77z 66z" " 1m 4m 7m 2s 5s 8s 1z 3z 9p", "7z", pung(26), 0, 0, {}, 2, "5z"},
    ClaimCase{"DragonPairSeenTwice", naki_two_dragon_pungs, "77z 66z" " 1m 4m 7m 2s 5s 8s 1z 3z 9p", "7z", kNoClaim, 0, 0, {}, 2, "6z 6z"},
    ClaimCase{"DragonPungBesideAWhitePung", naki_two_dragon_pungs, "77z 555z" " 1m 4m 7m 2s 5s 8s 1z 3z", "7z", pung(26), 0, 0, {}, 2},
    ClaimCase{"DragonPungBesideADeclaredWhite", naki_two_dragon_pungs, "77z" " 1m 4m 7m 2s 5s 8s 1z 3z", "7z", pung(26), 0, 0, {{kMeldPung, 35, 0}}, 2},
    ClaimCase{"DragonPairAlone", naki_two_dragon_pungs, "77z" H11, "7z", kNoClaim, 0, 0, {}, 2},
    ClaimCase{"DragonPairBesideAWhitePairAndTwoGreenSeen", naki_two_dragon_pungs, "77z 55z" J7 " 9p 2p", "7z", kNoClaim, 0, 0, {}, 2, "6z 6z"},
    ClaimCase{"DragonPairBesideAGreenPairAndTwoWhiteSeen", naki_two_dragon_pungs, "77z 66z" J7 " 9p 2p", "7z", kNoClaim, 0, 0, {}, 2, "5z 5z"},
    ClaimCase{"DragonKongBesideAWhiteTriple", naki_two_dragon_pungs, "777z 555z" J7, "7z", kNoClaim, 0, 0, {}, 2},
    ClaimCase{"DragonPungBesideTwoPairs", naki_two_dragon_pungs, "77z 55z 66z" " 1m 4m 7m 2s 5s 8s 1z", "7z", kNoClaim, 0, 0, {}, 2, "6z 6z"},
    ClaimCase{"DragonKongWithEveryDragonInHand", naki_two_dragon_pungs, "777z 55z 66z" " 1m 4m 7m 2s 5s 8s", "7z", kNoClaim, 0, 0, {}, 2},
    ClaimCase{"DragonKongBesideTwoTerminalPungs", naki_two_dragon_pungs, "777z 66z 4m 2s", "7z", kNoClaim, 0, 0, {kPung1m, {kMeldPung, 19, 0}}, 2},
    ClaimCase{"DragonKong", naki_two_dragon_pungs, "777z 66z" " 1m 4m 7m 2s 5s 8s 1z 3z", "7z", kong(26, 1), 0, 0, {}, 2},
    ClaimCase{"DragonKongBesideAConcealedKong", naki_two_dragon_pungs, "777z 66z" " 1m 4m 2s 5s 1z", "7z", kNoClaim, 0, 0, {kConcealed5m}, 2},
    ClaimCase{"MeldedChowLowest", naki_melded_hand, "67m" N11, "5m", chow(3, 32, 0), 32, 0},
    ClaimCase{"MeldedChowLowestBesideTheRankBelow", naki_melded_hand, "3m 67m" N10, "5m", chow(3, 32, 20), 32, 0},
    ClaimCase{"MeldedChowMiddleHeld", naki_melded_hand, "456m" N10, "5m", chow(2, 32, 12), 32, 0},
    ClaimCase{"MeldedChowMiddleOfTwo", naki_melded_hand, "13m" N11, "2m", chow(2, 32, 2), 32, 0},
    ClaimCase{"MeldedChowCase3", naki_melded_hand, "3m 46m" N10, "5m", chow(2, 32, 3), 32, 0},
    ClaimCase{"MeldedChowCase11", naki_melded_hand, "345m" N10, "5m", chow(1, 32, 11), 32, 0},
    ClaimCase{"MeldedChowCase23", naki_melded_hand, "3m 46m 8m" N9, "5m", chow(2, 32, 23), 32, 0},
    ClaimCase{"MeldedChowCase33", naki_melded_hand, "3m 456m 8m" N8, "5m", chow(2, 32, 33), 32, 0},
    ClaimCase{"MeldedChowCase40", naki_melded_hand, "3m 4m 67m" N9, "5m", chow(3, 32, 40), 32, 0},
    ClaimCase{"MeldedChowCase41", naki_melded_hand, "56m 89m" N9, "7m", chow(1, 32, 41), 32, 2},
    ClaimCase{"MeldedChowCase50", naki_melded_hand, "34567m" N8, "5m", chow(3, 32, 50), 32, 0},
    ClaimCase{"MeldedChowSeven", naki_melded_hand, "89m" N11, "7m", chow(3, 32, 0), 32, 0},
    ClaimCase{"MeldedChowSevenNarrow", naki_melded_hand, "89m" N11, "7m", kNoClaim, 32, 2},
    ClaimCase{"MeldedChowOneNarrow", naki_melded_hand, "23m" N11, "1m", kNoClaim, 32, 2},
    ClaimCase{"MeldedChowSevenHighest", naki_melded_hand, "56m" N11, "7m", chow(1, 32, 1), 32, 2},
    ClaimCase{"MeldedChowLacking", naki_melded_hand, "6m 6p" N11, "5m", kNoClaim, 32, 0},
    ClaimCase{"MeldedChowHighestTooLowNarrow", naki_melded_hand, "12m" N11, "3m", kNoClaim, 32, 2},
    ClaimCase{"MeldedChowMiddleTooHighNarrow", naki_melded_hand, "79m" N11, "8m", kNoClaim, 32, 2},
    ClaimCase{"MeldedChowOtherVariant", naki_melded_hand, "67m" N11, "5m", kNoClaim, 32, 3},
    ClaimCase{"MeldedChowNotFromTheLeft", naki_melded_hand, "67m" N11, "5m", kNoClaim, 32, 0, {}, 2},
    ClaimCase{"MeldedPungNoLowerNeighbour", naki_melded_hand, "55p" J11, "5p", pung(32, 100), 32, 0, {}, 2},
    ClaimCase{"MeldedPungNoUpperNeighbour", naki_melded_hand, "4p 55p" J10, "5p", pung(32, 101), 32, 0, {}, 2},
    ClaimCase{"MeldedPungAboveAGap", naki_melded_hand, "55p 7p" J10, "5p", pung(32, 100), 32, 0, {}, 2},
    ClaimCase{"MeldedPungBothNeighbours", naki_melded_hand, "4p 55p 6p" " 1m 4m 7m 2s 5s 8s 1z 3z 5z", "5p", kNoClaim, 32, 0, {}, 2},
    ClaimCase{"MeldedPungRankTwoNarrow", naki_melded_hand, "22p" J11, "2p", pung(32, 100), 32, 2, {}, 2},
    ClaimCase{"MeldedPungRankOneNarrow", naki_melded_hand, "11p" J11, "1p", kNoClaim, 32, 2, {}, 2},
    ClaimCase{"MeldedPungRankEightNarrow", naki_melded_hand, "88p" J11, "8p", pung(32, 100), 32, 2, {}, 2},
    ClaimCase{"MeldedPungRankNineNarrow", naki_melded_hand, "99s" J11, "9s", kNoClaim, 32, 2, {}, 2},
    ClaimCase{"MeldedPungRankNineWide", naki_melded_hand, "99s" J11, "9s", pung(32, 101), 32, 0, {}, 2},
    ClaimCase{"MeldedPungVariantOne", naki_melded_hand, "55p" J11, "5p", kNoClaim, 32, 1, {}, 2},
    ClaimCase{"MeldedPungGuestWind", naki_melded_hand, "33z" H11, "3z", pung(32, 110), 32, 0, {}, 2},
    ClaimCase{"MeldedPungGuestWindNarrow", naki_melded_hand, "33z" H11, "3z", kNoClaim, 32, 2, {}, 2},
    ClaimCase{"MeldedPungSeatWindNarrow", naki_melded_hand, "22z" H11, "2z", pung(32, 110), 32, 2, {}, 2},
    ClaimCase{"MeldedHonourKong", naki_melded_hand, "333z" " 1m 4m 7m 2s 5s 8s 1z 5z 9p 2m", "3z", kong(32, 200), 32, 2, {}, 2},
    ClaimCase{"ConcealedKongsThenATerminalPung", naki_melded_hand, "99p" J7 " 2p", "9p", pung(32, 900), 0, 0, {kConcealed5m}, 2},
    ClaimCase{"ConcealedKongsThenAKong", naki_melded_hand, "555p" J7, "5p", kong(32, 901), 0, 0, {kConcealed5m}, 2},
    ClaimCase{"ConcealedKongsThenAKongOfOneDots", naki_melded_hand, "111p" J7, "1p", kong(32, 901), 0, 0, {kConcealed5m}, 2},
    ClaimCase{"ConcealedKongsThenAKongOfOneCharacter", naki_melded_hand, "111m" J7, "1m", kong(32, 910), 0, 0, {kConcealed5m}, 2},
    ClaimCase{"ConcealedKongsThenATerminalKong", naki_melded_hand, "999p" J7, "9p", kong(32, 910), 0, 0, {kConcealed5m}, 2},
    ClaimCase{"AnOpenCallThenNoPung", naki_melded_hand, "99p" J7 " 2p", "9p", kNoClaim, 0, 0, {kPung1m}, 2}),
    claim_case_name);

// Chow 1-2-3m declared; 2-3p (or 1-2p) and 1-2s in hand beside one honour pair.
const MeldSpec kChow1m{kMeldChow, 1, 0};
#define FALLBACK " 12s 11z 5m 8m 6s 9p"
INSTANTIATE_TEST_SUITE_P(Fallback, ClaimCaseTest, ::testing::Values(
    ClaimCase{"LowestInTwoOtherSuits", naki_fallback, "23p" FALLBACK, "1p", chow(3, 33, 3), 0, 0, {kChow1m}},
    ClaimCase{"HighestInTwoOtherSuits", naki_fallback, "12p" FALLBACK, "3p", chow(1, 33, 1), 0, 0, {kChow1m}},
    ClaimCase{"LowestFromBamboo", naki_fallback, "23s 12m 11z 5p 8p 6m 9s", "1s", chow(3, 33, 3), 0, 0, {{kMeldChow, 11, 0}}},
    ClaimCase{"MissingTileAllVisible", naki_fallback, "12p" FALLBACK, "3p", kNoClaim, 0, 0, {kChow1m}, 0, "3s 3s 3s 3s"},
    ClaimCase{"LowestBesideAFreeChow", naki_fallback, "23p 12s 11z 123m 6s 8s 5m 9p", "1p", chow(3, 33, 3)},
    ClaimCase{"OneShortInBothOtherSuits", naki_fallback, "23p 13s 12m 11z 6s 8s 9p 7m 9m", "1p", kNoClaim},
    ClaimCase{"MissingLowestAllVisible", naki_fallback, "23p 23s 11z 5m 8m 6s 9p", "1p", kNoClaim, 0, 0, {kChow1m}, 0, "1s 1s 1s 1s"},
    ClaimCase{"MissingMiddleAllVisible", naki_fallback, "23p 13s 11z 5m 8m 6s 9p", "1p", kNoClaim, 0, 0, {kChow1m}, 0, "2s 2s 2s 2s"},
    ClaimCase{"HalfALowPair", naki_fallback, "2p 45p 12s 11z 5m 8m 6s", "3p", kNoClaim, 0, 0, {kChow1m}},
    ClaimCase{"TwoCopiesOfTheNeighbour", naki_fallback, "223p 12s 11z 5m 8m 6s", "1p", kNoClaim, 0, 0, {kChow1m}},
    ClaimCase{"TwoHonourPairs", naki_fallback, "23p 12s 11z 22z 6s 9p", "1p", kNoClaim, 0, 0, {kChow1m}},
    ClaimCase{"AnHonourTriple", naki_fallback, "23p 12s 111z 5m 8m 6s", "1p", kNoClaim, 0, 0, {kChow1m}},
    ClaimCase{"ATargetOfSixPoints", naki_fallback, "23p" FALLBACK, "1p", chow(3, 33, 3), 27, 0, {kChow1m}},
    ClaimCase{"ATargetOfEightPoints", naki_fallback, "23p" FALLBACK, "1p", kNoClaim, 33, 0, {kChow1m}},
    ClaimCase{"NotFromTheLeft", naki_fallback, "23p" FALLBACK, "1p", kNoClaim, 0, 0, {kChow1m}, 2}),
    claim_case_name);

// Every row of the mixed shifted pungs gives one suit to each of the ranks
// 1, 2, 3 (plus the offset), and the six rows are the six ways to do it.
TEST_F(ClaimTest, MixedShiftedPungRowsAreTheSixSuitOrders) {
  std::set<std::array<int, 3>> orders;
  for (int row = 0; row < 6; ++row) {
    const int offset = row % 3 * 3;
    std::array<int, 3> suit_at_rank{-1, -1, -1};
    for (int tile : kPlayingTiles) {
      g_river_count[2] = g_discard_history_count[2] = 0;  // set_up appends its discard to the river
      set_up({"", nullptr, "", "1m", {}, 34, 10 * row + offset, {}, 2});
      g_hand[kSeat][0] = g_hand[kSeat][1] = g_river[2][g_river_count[2] - 1] = tile;
      if (run(naki_mixed_shifted_pungs) != pung(34)) continue;
      const int rank = rank_of(tile) - offset;
      ASSERT_TRUE(rank >= 1 && rank <= 3 && suit_at_rank[rank - 1] < 0) << "row " << row << " tile " << tile;
      suit_at_rank[rank - 1] = suit_of(tile);
    }
    std::array<int, 3> sorted = suit_at_rank;
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(sorted, (std::array<int, 3>{0, 1, 2})) << "row " << row;
    orders.insert(suit_at_rank);
  }
  EXPECT_EQ(orders.size(), 6u);
}

class FallbackTest : public ClaimTest {};

TEST_F(FallbackTest, NeverForAReadySeatNorBesideAnEightPointCandidate) {
  const ClaimCase c{"", naki_fallback, "23p" FALLBACK, "1p", chow(3, 33, 3), 0, 0, {kChow1m}};
  set_up(c);
  AI[kSeat].min_shanten = 0;
  EXPECT_EQ(run(naki_fallback), kNoClaim);
  AI[kSeat].min_shanten = 1;
  g_ai_chow_candidates[kSeat][3] = 49;
  EXPECT_EQ(run(naki_fallback), kNoClaim);
  g_ai_chow_candidates[kSeat][3] = 27;
  EXPECT_EQ(run(naki_fallback), c.expect);
}

}  // namespace

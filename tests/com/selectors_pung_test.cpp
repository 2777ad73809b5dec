// The pung-family selectors on worked hands. Seat 1 is South in the East
// round; tile codes: 1-9 characters, 11-19 dots, 21-29 bamboo, 31-37 honours.
#include <algorithm>
#include <string>

#include "com/target/selectors.h"
#include "core/tiles.h"
#include "support/aim_case.h"

namespace {

constexpr auto kAllPungs0 = call<aim_all_pungs, 0>;
constexpr auto kAllPungs1 = call<aim_all_pungs, 1>;
constexpr auto kAllPungs2 = call<aim_all_pungs, 2>;
constexpr const char* kTwoPungsThreePairs = "222m 888p 33s 55s 77m 7z 1p";
constexpr const char* kOpenPungAPair = "555s 22m 4p 6s 8s";

const AimCase kAllPungsCases[] = {
    {.name = "L1ThreePungsWithAPungMeld", .call = kAllPungs1, .hand = "777p 999s 2z 13m 4p 6s", .expect = "28:0",
      .melds = "p5m"},
    {.name = "L1NeedsAPungMeld", .call = kAllPungs1, .hand = "111m 333p 555s 777s 2z", .expect = "0:0"},
    {.name = "L1PungAndThreeLivePairs", .call = kAllPungs1, .hand = "77p 99s 44m 3z 6z 12p 8s", .expect = "28:0",
      .melds = "p5m"},
    {.name = "ChowMeldStops", .call = kAllPungs1, .hand = "777p 999s 11z", .expect = "0:0", .melds = "c1m p5m"},
    {.name = "L2TwoPungsThreeLivePairs", .call = kAllPungs2, .hand = "777p 11s 44s 33z 6m", .expect = "28:0",
      .melds = "p5m"},
    {.name = "L2FourLivePairsAreNotThree", .call = kAllPungs2, .hand = "777p 11s 44s 33z 66m", .expect = "0:0",
      .melds = "p5m"},
    {.name = "L1TakesWhatL2Refuses", .call = kAllPungs1, .hand = "777p 11s 44s 33z 66m", .expect = "28:0",
      .melds = "p5m"},
    {.name = "L0ClosedOnePairCopySeen", .call = kAllPungs0, .hand = "222m 888p 33s 55s 7z 1p 3p 6s", .expect = "28:0",
      .visible = "3s"},
    {.name = "L0FreshPairAllowsTheLatestDiscard", .call = kAllPungs0, .hand = kTwoPungsThreePairs, .expect = "28:0",
      .visible = "7m", .discard = "3s"},
    {.name = "L0LatestDiscardSeenTwiceIsNotFresh", .call = kAllPungs0, .hand = kTwoPungsThreePairs, .expect = "0:0",
      .visible = "3s 7m", .discard = "3s"},
    {.name = "L0ClosedTwoPungsFourPairsLeanToPairs", .call = kAllPungs0, .hand = "111m 999p 22s 55s 88m 44z",
      .expect = "0:0"},
    {.name = "L0ClosedThreePungs", .call = kAllPungs0, .hand = "222m 888p 555s 33s 7z 1p 3p", .expect = "0:0"},
    {.name = "L0OneMeldTwoLivePairs", .call = kAllPungs0, .hand = "555s 22m 44p 7p 8p 9s 1z", .expect = "28:0",
      .melds = "p5m"},
    {.name = "L0TwoMeldsTwoSeenPairs", .call = kAllPungs0, .hand = "22m 44p 7p 8p 9s 1z", .expect = "28:0",
      .melds = "p5m p5p", .visible = "2m 2m 4p 4p"},
    {.name = "L0OneMeldTwoSeenPairs", .call = kAllPungs0, .hand = "555p 22m 44p 8p 9s 1z", .expect = "0:0",
      .melds = "p5m", .visible = "2m 2m 4p 4p"},
    {.name = "L0OneMeldThreePungsAPair", .call = kAllPungs0, .hand = "555s 777p 22m 4p 6s", .expect = "28:0",
      .melds = "p3m"},
    {.name = "L0OneMeldThreePungsNoPair", .call = kAllPungs0, .hand = "555s 777p 2m 4p 6s 8s", .expect = "0:0",
      .melds = "p3m"},
    {.name = "L0TerminalKongIsTwoSmallExtras", .call = kAllPungs0, .hand = kOpenPungAPair, .expect = "28:0",
      .melds = "p3m g9p"},
    {.name = "L0RoundWindPung", .call = kAllPungs0, .hand = kOpenPungAPair, .expect = "28:0", .melds = "p3m p3z",
      .round_wind = 2},
    {.name = "L0ConcealedKong", .call = kAllPungs0, .hand = kOpenPungAPair, .expect = "28:0", .melds = "p3m k7p"},
    {.name = "L0FiveSetsOfSimples", .call = kAllPungs0, .hand = "555s 22m 44p 66s 78p", .expect = "28:0",
      .melds = "p3m"},
    {.name = "L0FiveSetsWithATerminalPair", .call = kAllPungs0, .hand = "555s 22m 99p 66s 78p", .expect = "0:0",
      .melds = "p3m"},
    {.name = "L0FiveSetsWithAnEmptySuit", .call = kAllPungs0, .hand = "555m 22m 99m 66p 78s", .expect = "28:0",
      .melds = "p3m"},
    {.name = "L0RedPairKeepsAnHonour", .call = kAllPungs0, .hand = "555m 22m 99m 77z 8p", .expect = "0:0",
      .melds = "p3m"},
    {.name = "L0EastPairKeepsAnHonour", .call = kAllPungs0, .hand = "555m 22m 99m 11z 8p", .expect = "0:0",
      .melds = "p3m"},
};
INSTANTIATE_TEST_SUITE_P(AllPungs, AimCaseTest, ::testing::ValuesIn(kAllPungsCases), aim_case_name);

const AimCase kConcealedAndEvenCases[] = {
    {.name = "EvenClosedTwoPungsTwoPairs", .call = aim_all_even_pungs, .hand = "222m 444p 66s 88m 1z 3z 5p 7s",
      .expect = "58:0"},
    {.name = "EvenClosedNeedsExactlyFour", .call = aim_all_even_pungs, .hand = "222m 444p 66s 88m 22s 1z 3z",
      .expect = "0:0"},
    {.name = "EvenOpenOnePungThreePairs", .call = aim_all_even_pungs, .hand = "222m 66s 88m 22p 1z", .expect = "58:0",
      .melds = "p4s"},
    {.name = "EvenPungMeldsAreNotCounted", .call = aim_all_even_pungs, .hand = "66s 88m 22p 44m 1z 3z",
      .expect = "0:0", .melds = "p4s"},
    {.name = "EvenOddPungInHandStops", .call = aim_all_even_pungs, .hand = "222m 444p 66s 88m 555s 1z",
      .expect = "0:0"},
    {.name = "EvenHonourPungMeldStops", .call = aim_all_even_pungs, .hand = "222m 66s 88m 22p 1z", .expect = "0:0",
      .melds = "p6z"},
    {.name = "EvenChowMeldStops", .call = aim_all_even_pungs, .hand = "222p 444s 66m 88p 1z", .expect = "0:0",
      .melds = "c2m"},
    {.name = "FourConcealedTwoPungsThreePairs", .call = aim_four_concealed_pungs,
      .hand = "222m 777p 11s 44s 99m 3z 5z", .expect = "71:0", .visible = "1s"},
    {.name = "FourConcealedFourPairsAreNotThree", .call = aim_four_concealed_pungs,
      .hand = "222m 777p 11s 44s 99m 33z", .expect = "0:0"},
    {.name = "FourConcealedNoDiscardAllowance", .call = aim_four_concealed_pungs,
      .hand = "222m 777p 11s 44s 99m 3z 5z", .expect = "0:0", .visible = "1s", .discard = "1s"},
    {.name = "FourConcealedKongCounts", .call = aim_four_concealed_pungs, .hand = "777p 11s 44s 99m 3z",
      .expect = "71:0", .melds = "k5s", .min_shanten = 8, .calls = 0},
    {.name = "ThreeConcealedFourAreNotThree", .call = aim_three_concealed_pungs, .hand = "222m 777p 999s 444z 1z 5m",
      .expect = "0:0"},
    {.name = "ThreeConcealedReplacesEqualPoints", .call = aim_three_concealed_pungs,
      .hand = "222m 777p 999s 11z 3z 5m 7m", .expect = "51:0", .record = "50:4"},
    {.name = "ThreeConcealedKeepsMorePoints", .call = aim_three_concealed_pungs, .hand = "222m 777p 999s 11z 3z 5m 7m",
      .expect = "54:13", .record = "54:13"},
};
INSTANTIATE_TEST_SUITE_P(ConcealedAndEven, AimCaseTest, ::testing::ValuesIn(kConcealedAndEvenCases), aim_case_name);

const AimCase kWindowCases[] = {
    {.name = "TripleL9WithAMeld", .call = call<aim_triple_pung, 9>, .hand = "555m 555s 1234z 7m", .expect = "50:5",
      .melds = "p5p"},
    {.name = "TripleLowestNumberFirst", .call = call<aim_triple_pung, 7>, .hand = "222m 22p 22s 777m 77p 77s",
      .expect = "50:2"},
    {.name = "TripleL8ThinPair", .call = call<aim_triple_pung, 8>, .hand = "333m 333p 33s 12456z 7m", .expect = "50:3",
      .visible = "3s"},
    {.name = "TripleL8PairSeenTwice", .call = call<aim_triple_pung, 8>, .hand = "333m 333p 33s 12456z 7m",
      .expect = "0:0", .visible = "3s 3s"},
    {.name = "TripleL7EndNumberFreshAndThin", .call = call<aim_triple_pung, 7>, .hand = "111m 11p 11s 34567z 56m",
      .expect = "50:1", .visible = "1p"},
    {.name = "TripleL7MiddleNumberFreshAndThin", .call = call<aim_triple_pung, 7>, .hand = "555m 55p 55s 34567z 12m",
      .expect = "0:0", .visible = "5p"},
    {.name = "TripleL6ThreeEndPairs", .call = call<aim_triple_pung, 6>, .hand = "99m 99p 99s 34567z 568m",
      .expect = "50:9"},
    // Every tile of a window wants a pung meld or a pair at least.
    {.name = "TripleL8LoneThirdTile", .call = call<aim_triple_pung, 8>, .hand = "333m 333p 3s 124567z 7m",
      .expect = "0:0"},
    {.name = "MixedShiftedLoneTile", .call = call<aim_mixed_shifted_pungs, 7>, .hand = "111m 22p 3s 12345z 79m",
      .expect = "0:0"},
    {.name = "FourShiftedOneLoneTile", .call = aim_four_pure_shifted_pungs, .hand = "222s 33s 44s 5s 12345z",
      .expect = "0:0"},
    {.name = "TripleTwoForeignMelds", .call = call<aim_triple_pung, 8>, .hand = "555m 555p 55s", .expect = "0:0",
      .melds = "c1s p7z"},
    {.name = "PureShiftedSuitBeforeStart", .call = call<aim_pure_shifted_pungs, 7>,
      .hand = "666m 77m 88m 111p 22p 33p", .expect = "54:6"},
    {.name = "PureShiftedL9WithAMeld", .call = call<aim_pure_shifted_pungs, 9>, .hand = "444p 555p 123z 78s",
      .expect = "54:13", .melds = "p3p"},
    {.name = "PureShiftedL8ThinPair", .call = call<aim_pure_shifted_pungs, 8>, .hand = "777s 888s 99s 123456z",
      .expect = "54:27", .visible = "9s"},
    {.name = "PureShiftedL7FreshAndThin", .call = call<aim_pure_shifted_pungs, 7>, .hand = "444s 55s 66s 1234567z",
      .expect = "54:24", .visible = "5s"},
    {.name = "PureShiftedL7ThreePairsWithoutAPung", .call = call<aim_pure_shifted_pungs, 7>,
      .hand = "44s 55s 66s 1234567z", .expect = "0:0", .visible = "5s"},
    {.name = "FourShiftedOnePungThreePairs", .call = aim_four_pure_shifted_pungs, .hand = "222s 33s 44s 55s 123z",
      .expect = "66:22", .visible = "3s"},
    {.name = "FourShiftedNeedsAPung", .call = aim_four_pure_shifted_pungs, .hand = "22s 33s 44s 55s 123456z",
      .expect = "0:0"},
    {.name = "FourShiftedFromTheOne", .call = aim_four_pure_shifted_pungs, .hand = "111m 22m 33m 44m 1234z",
      .expect = "66:1"},
    {.name = "FourShiftedHighestStart", .call = aim_four_pure_shifted_pungs, .hand = "666p 77p 88p 99p 123z",
      .expect = "66:16"},
    {.name = "MixedShiftedOffsetBeforeRow", .call = call<aim_mixed_shifted_pungs, 7>,
      .hand = "333m 22p 11s 44p 55s 123z", .expect = "34:50"},
    {.name = "MixedShiftedPairSeenTwiceMovesOn", .call = call<aim_mixed_shifted_pungs, 7>,
      .hand = "333m 22p 11s 44p 55s 123z", .expect = "34:2", .visible = "2p 2p"},
    {.name = "MixedShiftedMeldCountsThree", .call = call<aim_mixed_shifted_pungs, 7>, .hand = "22p 11s 123456z",
      .expect = "34:50", .melds = "p3m"},
    {.name = "MixedShiftedMeldCountsOnlyThree", .call = call<aim_mixed_shifted_pungs, 8>, .hand = "22p 11s 123456z",
      .expect = "0:0", .melds = "p3m"},
    {.name = "MixedShiftedTwoForeignMelds", .call = call<aim_mixed_shifted_pungs, 7>, .hand = "333m 22p 11s",
      .expect = "0:0", .melds = "c4p p7z"},
};
INSTANTIATE_TEST_SUITE_P(Windows, AimCaseTest, ::testing::ValuesIn(kWindowCases), aim_case_name);

// Each order of the three suits, lexicographic from characters-dots-bamboo,
// with the pung on the lowest number: a different order and offset each time.
TEST(MixedShiftedPungs, EverySuitOrder) {
  std::array<int, 3> suits{kCharacters, kDots, kBamboo};
  for (int order = 0; order < 6; ++order, std::next_permutation(suits.begin(), suits.end())) {
    const int offset = 6 - order;
    std::string hand = "12345z";
    for (int k = 0; k < 3; ++k) hand += " " + std::string(k == 0 ? 3 : 2, char('1' + offset + k)) + "mps"[suits[k]];
    SCOPED_TRACE(hand);
    const std::string expect = "34:" + std::to_string(10 * order + offset);
    check_aim_case(
        {.name = "", .call = call<aim_mixed_shifted_pungs, 7>, .hand = hand.c_str(), .expect = expect.c_str()});
  }
}

}  // namespace

TEST_P(AimCaseTest, LeavesTheAimOfTheCase) { check(GetParam()); }

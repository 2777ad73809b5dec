// The pung-family selectors on worked hands. Seat 1 is South in the East
// round; tile codes: 1-9 characters, 11-19 dots, 21-29 bamboo, 31-37 honours.
#include "com/target/selectors.h"
#include "support/aim_fixture.h"

namespace {

constexpr auto kAllPungs0 = call<aim_all_pungs, 0>;
constexpr auto kAllPungs1 = call<aim_all_pungs, 1>;
constexpr auto kAllPungs2 = call<aim_all_pungs, 2>;
constexpr const char* kTwoPungsTwoPairs = "111m 999p 22s 55s 7z 1p 3p 6s";
constexpr const char* kTwoPungsThreePairs = "111m 999p 22s 55s 88m 7z 1p";
constexpr std::array<int, 4> kPungs3m7p{pung(3), pung(17)};

const AimCase kAllPungsCases[] = {
    {.name = "L1ThreePungsWithAPungMeld", .aim = kAllPungs1, .hand = "777p 999s 22z 13m 4p", .melds = {pung(5)},
     .expect = 28},
    {.name = "L1NeedsAPungMeld", .aim = kAllPungs1, .hand = "111m 333p 555s 777s 2z"},
    {.name = "L1PungAndThreeLivePairs", .aim = kAllPungs1, .hand = "77p 99s 44m 3z 6z 12p 8s", .melds = {pung(5)},
     .expect = 28},
    {.name = "L1PairSeenTwiceIsNotLive", .aim = kAllPungs1, .hand = "77p 99s 44m 3z 6z 12p 8s", .melds = {pung(5)},
     .visible = "44m"},
    {.name = "ChowMeldStops", .aim = kAllPungs1, .hand = "777p 999s 11z", .melds = {chow(1), pung(5)}},
    {.name = "L2TwoPungsThreeLivePairs", .aim = kAllPungs2, .hand = "777p 11s 44s 33z 6m", .melds = {pung(5)},
     .expect = 28},
    {.name = "L2FourLivePairsAreNotThree", .aim = kAllPungs2, .hand = "777p 11s 44s 33z 66m", .melds = {pung(5)}},
    {.name = "L1TakesWhatL2Refuses", .aim = kAllPungs1, .hand = "777p 11s 44s 33z 66m", .melds = {pung(5)},
     .expect = 28},
    {.name = "L0ClosedTwoFreshPairs", .aim = kAllPungs0, .hand = kTwoPungsTwoPairs, .expect = 28},
    {.name = "L0ClosedOnePairCopySeen", .aim = kAllPungs0, .hand = kTwoPungsTwoPairs, .visible = "2s", .expect = 28},
    {.name = "L0ClosedTwoPairCopiesSeen", .aim = kAllPungs0, .hand = kTwoPungsTwoPairs, .visible = "2s 5s"},
    {.name = "L0FreshPairAllowsTheLatestDiscard", .aim = kAllPungs0, .hand = kTwoPungsThreePairs, .visible = "8m",
     .latest = 22, .expect = 28},
    {.name = "L0FreshPairWithoutTheAllowance", .aim = kAllPungs0, .hand = kTwoPungsThreePairs, .visible = "2s 8m"},
    {.name = "L0ClosedTwoPungsFourPairsLeanToPairs", .aim = kAllPungs0, .hand = "111m 999p 22s 55s 88m 44z"},
    {.name = "L0OpenWithoutExtras", .aim = kAllPungs0, .hand = "555s 22m 4p 6s 8s", .melds = kPungs3m7p},
    {.name = "L0OneTerminalPungIsOneSmallExtra", .aim = kAllPungs0, .hand = "555s 22m 4p 6s 8s",
     .melds = {pung(3), pung(19)}},
    {.name = "L0TerminalKongIsTwoSmallExtras", .aim = kAllPungs0, .hand = "555s 22m 4p 6s 8s",
     .melds = {pung(3), melded_kong(19)}, .expect = 28},
    {.name = "L0SeatWindPung", .aim = kAllPungs0, .hand = "555s 22m 4p 6s 8s", .melds = {pung(3), pung(kSouth)},
     .expect = 28},
    {.name = "L0RoundWindPung", .aim = kAllPungs0, .hand = "555s 22m 4p 6s 8s", .melds = {pung(3), pung(kEast)},
     .expect = 28},
    {.name = "L0GuestWindPungIsOneSmallExtra", .aim = kAllPungs0, .hand = "555s 22m 4p 6s 8s",
     .melds = {pung(3), pung(kWest)}},
    {.name = "L0OneNumberInTwoSuits", .aim = kAllPungs0, .hand = "555s 22m 4p 6s 8s", .melds = {pung(3), pung(13)},
     .expect = 28},
    {.name = "L0ConcealedKong", .aim = kAllPungs0, .hand = "555s 22m 4p 6s 8s", .melds = {pung(3), concealed_kong(17)},
     .expect = 28},
    {.name = "L0FiveSetsOfSimples", .aim = kAllPungs0, .hand = "555s 22m 44p 66s 78p", .melds = {pung(3)},
     .expect = 28},
    {.name = "L0FiveSetsWithATerminalPair", .aim = kAllPungs0, .hand = "555s 22m 99p 66s 78p", .melds = {pung(3)}},
    {.name = "L0FiveSetsWithAnEmptySuit", .aim = kAllPungs0, .hand = "555m 22m 99m 66s 78p", .melds = {pung(3)},
     .expect = 28},
};
INSTANTIATE_TEST_SUITE_P(AllPungs, AimCaseTest, ::testing::ValuesIn(kAllPungsCases), aim_case_name);

const AimCase kConcealedAndEvenCases[] = {
    {.name = "EvenClosedTwoPungsTwoPairs", .aim = aim_all_even_pungs, .hand = "222m 444p 66s 88m 1z 3z 5p 7s",
     .expect = 58},
    {.name = "EvenClosedNeedsExactlyFour", .aim = aim_all_even_pungs, .hand = "222m 444p 66s 88m 22s 1z 3z"},
    {.name = "EvenOpenOnePungThreePairs", .aim = aim_all_even_pungs, .hand = "222m 66s 88m 22p 1z",
     .melds = {pung(24)}, .expect = 58},
    {.name = "EvenPungMeldsAreNotCounted", .aim = aim_all_even_pungs, .hand = "66s 88m 22p 44m 1z 3z",
     .melds = {pung(24)}},
    {.name = "EvenOddPungInHandStops", .aim = aim_all_even_pungs, .hand = "222m 444p 66s 88m 555s 1z"},
    {.name = "EvenHonourPungMeldStops", .aim = aim_all_even_pungs, .hand = "222m 66s 88m 22p 1z",
     .melds = {pung(kWhite)}},
    {.name = "FourConcealedTwoPungsThreePairs", .aim = aim_four_concealed_pungs, .hand = "222m 777p 11s 44s 99m 3z 5z",
     .expect = 71},
    {.name = "FourConcealedFourPairsAreNotThree", .aim = aim_four_concealed_pungs, .hand = "222m 777p 11s 44s 99m 33z"},
    {.name = "FourConcealedNoDiscardAllowance", .aim = aim_four_concealed_pungs, .hand = "222m 777p 11s 44s 99m 3z 5z",
     .visible = "1s", .latest = 21},
    {.name = "FourConcealedKongCounts", .aim = aim_four_concealed_pungs, .hand = "777p 11s 44s 99m 3z",
     .melds = {concealed_kong(25)}, .calls = 0, .expect = 71},
    {.name = "FourConcealedOnlyWithoutCalls", .aim = aim_four_concealed_pungs, .hand = "777p 11s 44s 99m 3z",
     .melds = {concealed_kong(25)}},
    {.name = "ThreeConcealedExactlyThree", .aim = aim_three_concealed_pungs, .hand = "222m 777p 999s 11z 3z 5m 7m",
     .expect = 51},
    {.name = "ThreeConcealedFourAreNotThree", .aim = aim_three_concealed_pungs, .hand = "222m 777p 999s 444z 1z 5m"},
    {.name = "ThreeConcealedReplacesEqualPoints", .aim = aim_three_concealed_pungs,
     .hand = "222m 777p 999s 11z 3z 5m 7m", .target = 50, .variant = 4, .expect = 51},
    {.name = "ThreeConcealedKeepsMorePoints", .aim = aim_three_concealed_pungs, .hand = "222m 777p 999s 11z 3z 5m 7m",
     .target = 54, .variant = 13, .expect = 54, .expect_variant = 13},
    {.name = "ThreeConcealedIgnoresMelds", .aim = aim_three_concealed_pungs, .hand = "222m 777p 999s 1z 3z",
     .melds = {pung(25)}, .expect = 51},
};
INSTANTIATE_TEST_SUITE_P(ConcealedAndEven, AimCaseTest, ::testing::ValuesIn(kConcealedAndEvenCases), aim_case_name);

const AimCase kWindowCases[] = {
    {.name = "TripleL9WithAMeld", .aim = call<aim_triple_pung, 9>, .hand = "555m 555s 1234z 7m", .melds = {pung(15)},
     .expect = 50, .expect_variant = 5},
    {.name = "TripleLowestNumberFirst", .aim = call<aim_triple_pung, 7>, .hand = "222m 22p 22s 777m 77p 77s",
     .expect = 50, .expect_variant = 2},
    {.name = "TripleL8ThinPair", .aim = call<aim_triple_pung, 8>, .hand = "333m 333p 33s 12456z 7m", .visible = "3s",
     .expect = 50, .expect_variant = 3},
    {.name = "TripleL8PairSeenTwice", .aim = call<aim_triple_pung, 8>, .hand = "333m 333p 33s 12456z 7m",
     .visible = "3s 3s"},
    {.name = "TripleL7EndNumberFreshAndThin", .aim = call<aim_triple_pung, 7>, .hand = "111m 11p 11s 34567z 56m",
     .visible = "1p", .expect = 50, .expect_variant = 1},
    {.name = "TripleL7MiddleNumberFreshAndThin", .aim = call<aim_triple_pung, 7>, .hand = "555m 55p 55s 34567z 12m",
     .visible = "5p"},
    {.name = "TripleL6ThreeEndPairs", .aim = call<aim_triple_pung, 6>, .hand = "11m 11p 11s 34567z 568m", .expect = 50,
     .expect_variant = 1},
    {.name = "TripleL6NotInTheMiddle", .aim = call<aim_triple_pung, 6>, .hand = "55m 55p 55s 34567z 128m"},
    {.name = "TripleTwoForeignMelds", .aim = call<aim_triple_pung, 8>, .hand = "555m 555p 55s",
     .melds = {chow(21), pung(kRed)}},
    {.name = "TripleOneForeignMeld", .aim = call<aim_triple_pung, 8>, .hand = "555m 555p 55s 123z",
     .melds = {chow(21)}, .expect = 50, .expect_variant = 5},
    {.name = "PureShiftedSuitBeforeStart", .aim = call<aim_pure_shifted_pungs, 7>, .hand = "666m 77m 88m 111p 22p 33p",
     .expect = 54, .expect_variant = 6},
    {.name = "PureShiftedL9WithAMeld", .aim = call<aim_pure_shifted_pungs, 9>, .hand = "444p 555p 123z 78s",
     .melds = {pung(13)}, .expect = 54, .expect_variant = 13},
    {.name = "PureShiftedL8ThinPair", .aim = call<aim_pure_shifted_pungs, 8>, .hand = "444s 555s 66s 123456z",
     .visible = "6s", .expect = 54, .expect_variant = 24},
    {.name = "PureShiftedL7FreshAndThin", .aim = call<aim_pure_shifted_pungs, 7>, .hand = "444s 55s 66s 1234567z",
     .visible = "5s", .expect = 54, .expect_variant = 24},
    {.name = "PureShiftedL7TwoThinPairs", .aim = call<aim_pure_shifted_pungs, 7>, .hand = "444s 55s 66s 1234567z",
     .visible = "5s 6s"},
    {.name = "FourShiftedOnePungThreePairs", .aim = aim_four_pure_shifted_pungs, .hand = "222s 33s 44s 55s 123z",
     .expect = 66, .expect_variant = 22},
    {.name = "FourShiftedNeedsAPung", .aim = aim_four_pure_shifted_pungs, .hand = "22s 33s 44s 55s 123456z"},
    {.name = "FourShiftedHighestStart", .aim = aim_four_pure_shifted_pungs, .hand = "666p 77p 88p 99p 123z",
     .expect = 66, .expect_variant = 16},
    {.name = "FourShiftedPairSeenTwice", .aim = aim_four_pure_shifted_pungs, .hand = "222s 33s 44s 55s 123z",
     .visible = "3s 3s"},
    {.name = "MixedShiftedOffsetBeforeRow", .aim = call<aim_mixed_shifted_pungs, 7>,
     .hand = "333m 22p 11s 44p 55s 123z", .expect = 34, .expect_variant = 50},
    {.name = "MixedShiftedL8NeedsEightTiles", .aim = call<aim_mixed_shifted_pungs, 8>,
     .hand = "333m 22p 11s 44p 55s 123z"},
    {.name = "MixedShiftedPairSeenTwiceMovesOn", .aim = call<aim_mixed_shifted_pungs, 7>,
     .hand = "333m 22p 11s 44p 55s 123z", .visible = "2p 2p", .expect = 34, .expect_variant = 2},
    {.name = "MixedShiftedLoneTileFails", .aim = call<aim_mixed_shifted_pungs, 7>, .hand = "333m 22p 1s 123456z"},
    {.name = "MixedShiftedMeldCountsThree", .aim = call<aim_mixed_shifted_pungs, 7>, .hand = "22p 11s 123456z",
     .melds = {pung(3)}, .expect = 34, .expect_variant = 50},
    {.name = "MixedShiftedTwoForeignMelds", .aim = call<aim_mixed_shifted_pungs, 7>, .hand = "333m 22p 11s",
     .melds = {chow(14), pung(kRed)}},
};
INSTANTIATE_TEST_SUITE_P(Windows, AimCaseTest, ::testing::ValuesIn(kWindowCases), aim_case_name);

}  // namespace

TEST_P(AimCaseTest, LeavesTheAimOfTheCase) { check_aim_case(GetParam()); }

// The pung-family selectors on worked hands. Seat 1 is South in the East
// round; tile codes: 1-9 characters, 11-19 dots, 21-29 bamboo, 31-37 honours.
#include <algorithm>
#include <string>

#include "com/target/selectors.h"
#include "support/aim_fixture.h"

namespace {

constexpr auto kAllPungs0 = call<aim_all_pungs, 0>;
constexpr auto kAllPungs1 = call<aim_all_pungs, 1>;
constexpr auto kAllPungs2 = call<aim_all_pungs, 2>;
constexpr const char* kTwoPungsThreePairs = "222m 888p 33s 55s 77m 7z 1p";
constexpr const char* kOpenPungAPair = "555s 22m 4p 6s 8s";

const FixedAimCase kAllPungsCases[] = {
    {"L1ThreePungsWithAPungMeld", kAllPungs1, "777p 999s 2z 13m 4p 6s", 28, 0, {pung(5)}},
    {"L1NeedsAPungMeld", kAllPungs1, "111m 333p 555s 777s 2z"},
    {"L1PungAndThreeLivePairs", kAllPungs1, "77p 99s 44m 3z 6z 12p 8s", 28, 0, {pung(5)}},
    {"ChowMeldStops", kAllPungs1, "777p 999s 11z", 0, 0, {chow(1), pung(5)}},
    {"L2TwoPungsThreeLivePairs", kAllPungs2, "777p 11s 44s 33z 6m", 28, 0, {pung(5)}},
    {"L2FourLivePairsAreNotThree", kAllPungs2, "777p 11s 44s 33z 66m", 0, 0, {pung(5)}},
    {"L1TakesWhatL2Refuses", kAllPungs1, "777p 11s 44s 33z 66m", 28, 0, {pung(5)}},
    {"L0ClosedOnePairCopySeen", kAllPungs0, "222m 888p 33s 55s 7z 1p 3p 6s", 28, 0, {}, "3s"},
    {"L0FreshPairAllowsTheLatestDiscard", kAllPungs0, kTwoPungsThreePairs, 28, 0, {}, "7m", 23},
    {"L0LatestDiscardSeenTwiceIsNotFresh", kAllPungs0, kTwoPungsThreePairs, 0, 0, {}, "3s 7m", 23},
    {"L0ClosedTwoPungsFourPairsLeanToPairs", kAllPungs0, "111m 999p 22s 55s 88m 44z"},
    {"L0ClosedThreePungs", kAllPungs0, "222m 888p 555s 33s 7z 1p 3p"},
    {"L0OneMeldTwoLivePairs", kAllPungs0, "555s 22m 44p 7p 8p 9s 1z", 28, 0, {pung(5)}},
    {"L0TwoMeldsTwoSeenPairs", kAllPungs0, "22m 44p 7p 8p 9s 1z", 28, 0, {pung(5), pung(15)}, "2m 2m 4p 4p"},
    {"L0OneMeldTwoSeenPairs", kAllPungs0, "555p 22m 44p 8p 9s 1z", 0, 0, {pung(5)}, "2m 2m 4p 4p"},
    {"L0OneMeldThreePungsAPair", kAllPungs0, "555s 777p 22m 4p 6s", 28, 0, {pung(3)}},
    {"L0OneMeldThreePungsNoPair", kAllPungs0, "555s 777p 2m 4p 6s 8s", 0, 0, {pung(3)}},
    {"L0TerminalKongIsTwoSmallExtras", kAllPungs0, kOpenPungAPair, 28, 0, {pung(3), melded_kong(19)}},
    {.name = "L0RoundWindPung", .aim = kAllPungs0, .hand = kOpenPungAPair, .expect = 28,
     .melds = {pung(3), pung(kWest)}, .round_wind = 2},
    {"L0ConcealedKong", kAllPungs0, kOpenPungAPair, 28, 0, {pung(3), concealed_kong(17)}},
    {"L0FiveSetsOfSimples", kAllPungs0, "555s 22m 44p 66s 78p", 28, 0, {pung(3)}},
    {"L0FiveSetsWithATerminalPair", kAllPungs0, "555s 22m 99p 66s 78p", 0, 0, {pung(3)}},
    {"L0FiveSetsWithAnEmptySuit", kAllPungs0, "555m 22m 99m 66p 78s", 28, 0, {pung(3)}},
    {"L0RedPairKeepsAnHonour", kAllPungs0, "555m 22m 99m 77z 8p", 0, 0, {pung(3)}},
    {"L0EastPairKeepsAnHonour", kAllPungs0, "555m 22m 99m 11z 8p", 0, 0, {pung(3)}},
};
INSTANTIATE_TEST_SUITE_P(AllPungs, FixedAimCaseTest, ::testing::ValuesIn(kAllPungsCases), fixed_aim_case_name);

const FixedAimCase kConcealedAndEvenCases[] = {
    {"EvenClosedTwoPungsTwoPairs", aim_all_even_pungs, "222m 444p 66s 88m 1z 3z 5p 7s", 58},
    {"EvenClosedNeedsExactlyFour", aim_all_even_pungs, "222m 444p 66s 88m 22s 1z 3z"},
    {"EvenOpenOnePungThreePairs", aim_all_even_pungs, "222m 66s 88m 22p 1z", 58, 0, {pung(24)}},
    {"EvenPungMeldsAreNotCounted", aim_all_even_pungs, "66s 88m 22p 44m 1z 3z", 0, 0, {pung(24)}},
    {"EvenOddPungInHandStops", aim_all_even_pungs, "222m 444p 66s 88m 555s 1z"},
    {"EvenHonourPungMeldStops", aim_all_even_pungs, "222m 66s 88m 22p 1z", 0, 0, {pung(kGreen)}},
    {"EvenChowMeldStops", aim_all_even_pungs, "222p 444s 66m 88p 1z", 0, 0, {chow(2)}},
    {"FourConcealedTwoPungsThreePairs", aim_four_concealed_pungs, "222m 777p 11s 44s 99m 3z 5z", 71, 0, {}, "1s"},
    {"FourConcealedFourPairsAreNotThree", aim_four_concealed_pungs, "222m 777p 11s 44s 99m 33z"},
    {"FourConcealedNoDiscardAllowance", aim_four_concealed_pungs, "222m 777p 11s 44s 99m 3z 5z", 0, 0, {}, "1s", 21},
    {"FourConcealedKongCounts", aim_four_concealed_pungs, "777p 11s 44s 99m 3z", 71, 0, {concealed_kong(25)}, "", 0, 0,
     0, {8, 8, 8, 8}, 0},
    {"ThreeConcealedFourAreNotThree", aim_three_concealed_pungs, "222m 777p 999s 444z 1z 5m"},
    {"ThreeConcealedReplacesEqualPoints", aim_three_concealed_pungs, "222m 777p 999s 11z 3z 5m 7m", 51, 0, {}, "", 0,
     50, 4},
    {"ThreeConcealedKeepsMorePoints", aim_three_concealed_pungs, "222m 777p 999s 11z 3z 5m 7m", 54, 13, {}, "", 0, 54,
     13},
};
INSTANTIATE_TEST_SUITE_P(ConcealedAndEven, FixedAimCaseTest, ::testing::ValuesIn(kConcealedAndEvenCases), fixed_aim_case_name);

const FixedAimCase kWindowCases[] = {
    {"TripleL9WithAMeld", call<aim_triple_pung, 9>, "555m 555s 1234z 7m", 50, 5, {pung(15)}},
    {"TripleLowestNumberFirst", call<aim_triple_pung, 7>, "222m 22p 22s 777m 77p 77s", 50, 2},
    {"TripleL8ThinPair", call<aim_triple_pung, 8>, "333m 333p 33s 12456z 7m", 50, 3, {}, "3s"},
    {"TripleL8PairSeenTwice", call<aim_triple_pung, 8>, "333m 333p 33s 12456z 7m", 0, 0, {}, "3s 3s"},
    {"TripleL7EndNumberFreshAndThin", call<aim_triple_pung, 7>, "111m 11p 11s 34567z 56m", 50, 1, {}, "1p"},
    {"TripleL7MiddleNumberFreshAndThin", call<aim_triple_pung, 7>, "555m 55p 55s 34567z 12m", 0, 0, {}, "5p"},
    {"TripleL6ThreeEndPairs", call<aim_triple_pung, 6>, "99m 99p 99s 34567z 568m", 50, 9},
    {"TripleTwoForeignMelds", call<aim_triple_pung, 8>, "555m 555p 55s", 0, 0, {chow(21), pung(kRed)}},
    {"PureShiftedSuitBeforeStart", call<aim_pure_shifted_pungs, 7>, "666m 77m 88m 111p 22p 33p", 54, 6},
    {"PureShiftedL9WithAMeld", call<aim_pure_shifted_pungs, 9>, "444p 555p 123z 78s", 54, 13, {pung(13)}},
    {"PureShiftedL8ThinPair", call<aim_pure_shifted_pungs, 8>, "777s 888s 99s 123456z", 54, 27, {}, "9s"},
    {"PureShiftedL7FreshAndThin", call<aim_pure_shifted_pungs, 7>, "444s 55s 66s 1234567z", 54, 24, {}, "5s"},
    {"FourShiftedOnePungThreePairs", aim_four_pure_shifted_pungs, "222s 33s 44s 55s 123z", 66, 22, {}, "3s"},
    {"FourShiftedNeedsAPung", aim_four_pure_shifted_pungs, "22s 33s 44s 55s 123456z"},
    {"FourShiftedHighestStart", aim_four_pure_shifted_pungs, "666p 77p 88p 99p 123z", 66, 16},
    {"MixedShiftedOffsetBeforeRow", call<aim_mixed_shifted_pungs, 7>, "333m 22p 11s 44p 55s 123z", 34, 50},
    {"MixedShiftedPairSeenTwiceMovesOn", call<aim_mixed_shifted_pungs, 7>, "333m 22p 11s 44p 55s 123z", 34, 2, {},
     "2p 2p"},
    {"MixedShiftedMeldCountsThree", call<aim_mixed_shifted_pungs, 7>, "22p 11s 123456z", 34, 50, {pung(3)}},
    {"MixedShiftedMeldCountsOnlyThree", call<aim_mixed_shifted_pungs, 8>, "22p 11s 123456z", 0, 0, {pung(3)}},
    {"MixedShiftedTwoForeignMelds", call<aim_mixed_shifted_pungs, 7>, "333m 22p 11s", 0, 0, {chow(14), pung(kRed)}},
};
INSTANTIATE_TEST_SUITE_P(Windows, FixedAimCaseTest, ::testing::ValuesIn(kWindowCases), fixed_aim_case_name);

// Each order of the three suits, lexicographic from characters-dots-bamboo,
// with the pung on the lowest number: a different order and offset each time.
TEST(MixedShiftedPungs, EverySuitOrder) {
  std::array<int, 3> suits{kCharacters, kDots, kBamboo};
  for (int order = 0; order < 6; ++order, std::next_permutation(suits.begin(), suits.end())) {
    const int offset = 6 - order;
    std::string hand = "12345z";
    for (int k = 0; k < 3; ++k) hand += " " + std::string(k == 0 ? 3 : 2, char('1' + offset + k)) + "mps"[suits[k]];
    SCOPED_TRACE(hand);
    check_fixed_aim_case({"", call<aim_mixed_shifted_pungs, 7>, hand.c_str(), 34, 10 * order + offset});
  }
}

}  // namespace

TEST_P(FixedAimCaseTest, LeavesTheAimOfTheCase) { check_fixed_aim_case(GetParam()); }

#include "com/target/selectors.h"
#include "support/selector_fixture.h"

namespace {

class FlushSelectors : public SelectorTest {};
TEST_P(FlushSelectors, LeaveTheTargetOfTheirRules) { check(GetParam()); }

constexpr TargetSelector ff = aim_full_flush, hf = aim_half_flush, sp = aim_seven_shifted_pairs, ng = aim_nine_gates;
constexpr int kRecount = 12, kSpread = 10;

// Hands worked from the rules, one line each:
// name, selector, threshold, free tiles, target, variant, melds, river, latest discard, distance, far forms, prior aim.
INSTANTIATE_TEST_SUITE_P(Hands, FlushSelectors, ::testing::Values(
  SelectorCase{"FullFlushCountsADeclaredChow", ff, 12, "123456789m 1p 1s", 55, 0, "c1m"},
  SelectorCase{"FullFlushMeldsInOneSuit", ff, 11, "12345678m", 55, 0, "c1m p5m"},
  SelectorCase{"FullFlushMeldsInTwoSuits", ff, 11, "12345678m", 0, 0, "c1m p5p"},
  SelectorCase{"FullFlushHonourMeld", ff, 11, "11234567899m", 0, 0, "p1z"},
  SelectorCase{"FullFlushNeverAgainstADeclaredSuit", ff, 10, "11123456789p", 0, 0, "c1m"},
  SelectorCase{"FullFlushBamboo", ff, 11, "11123456789s 1z 2z 3z", 55, 2},

  SelectorCase{"HalfFlush13WithoutFreeHonoursIs12", hf, 13, "123456789m 12p", 31, 0, "p1z"},
  SelectorCase{"HalfFlush13BesideAFreeHonour", hf, 13, "12345678m 12p 2z", 0, 0, "p1z"},
  SelectorCase{"HalfFlush12BesideAFreeHonour", hf, 12, "12345678m 12p 2z", 31, 0, "p1z"},
  SelectorCase{"HalfFlushNeedsAnHonour", hf, 11, "11123456789m 123p", 0},
  SelectorCase{"HalfFlush99LoneHonour", hf, 99, "1112345678999m 7z", 0},
  SelectorCase{"HalfFlush10LoneHonour", hf, kSpread, "1112345678999m 7z", 31, 0},
  SelectorCase{"HalfFlush99FallsBackToTen", hf, 99, "12345678m 77z 19p 19s", 31, 0},
  SelectorCase{"HalfFlushSpreadTestStopsAtTen", hf, kSpread, "14455669m 555z 2p 7p 5s", 0},
  SelectorCase{"HalfFlushNoSpreadTestAtEleven", hf, 11, "14455669m 555z 2p 7p 5s", 31, 0},
  SelectorCase{"HalfFlushSpreadTestCountsLoneTwosAndEights", hf, kSpread, "25558m 111z 222z 1p 59s", 0},
  SelectorCase{"HalfFlushThreeLoneHonoursAtTen", hf, kSpread, "1234567m 1z 2z 3z 11p 5s 9s", 0},
  SelectorCase{"HalfFlushLoneHonourBesideThinSuits", hf, kSpread, "1234567m 1z 66z 11p 5s 9s", 31, 0},
  SelectorCase{"HalfFlushNoLoneHonoursBesideASet", hf, kSpread, "1234567m 1z 66z 111p 5s", 0},
  SelectorCase{"HalfFlushNoLoneHonoursBesideTwoPartials", hf, kSpread, "1234567m 1z 66z 11p 55s", 0},
  SelectorCase{"HalfFlushDiscardKeepsAPairLive", hf, kRecount, "11123456789m 55z 1p", 31, 0, "", "5z", "5z"},
  SelectorCase{"HalfFlushTwoShownCopiesKillAPair", hf, kRecount, "11123456789m 55z 1p", 0, 0, "", "5z 5z", "3p"},
  SelectorCase{"HalfFlushMeldOfAnotherSuit", hf, 11, "12345678m 555z", 0, 0, "p1p"},
  SelectorCase{"HalfFlushMeldOfItsSuit", hf, 11, "12345678m 555z", 31, 0, "p1m"},
  SelectorCase{"HalfFlushThreeLivePairsLowerTheBar", hf, 11, "1234m 11z 22z 33z 19p 19s", 31, 0},
  SelectorCase{"HalfFlushLivePairsNearOtherForms", hf, 11, "1234m 11z 22z 33z 19p 19s", 0, 0, "", "", "", 1, 4},
  SelectorCase{"HalfFlushRecountBesideHonourSets", hf, kRecount, "1234m 11z 22z 33z 4z 12p 5s", 31, 0},
  SelectorCase{"HalfFlushNoRecountBesideThreeOfEachOtherSuit", hf, 11, "12345m 123p 11z 2z 3z 4z 5z", 0},
  SelectorCase{"HalfFlushRecountThinDotsBamboo", hf, kRecount, "12345678m 1z 2z 3z 4z 5z 1p", 31, 0},
  SelectorCase{"HalfFlushRecountThinBambooCharacters", hf, kRecount, "12345678p 1z 2z 3z 4z 5z 1s", 31, 1},
  SelectorCase{"HalfFlushRecountThinCharactersDots", hf, kRecount, "12345678s 1z 2z 3z 4z 5z 1m", 31, 2},

  SelectorCase{"SevenShiftedPairsLowWindow", sp, 10, "11223344556677m", 75, 1},
  SelectorCase{"SevenShiftedPairsMiddleWindowBamboo", sp, 10, "22334455667788s", 75, 22},
  SelectorCase{"SevenShiftedPairsLaterWindowWinsATie", sp, 10, "133445566779m 1p 5s", 75, 3},
  SelectorCase{"SevenShiftedPairsNearlyDeadWindowRaisesTheBar", sp, 10, "1223344556677m 5p", 0, 0, "", "1m 1m 1m"},
  SelectorCase{"SevenShiftedPairsLiveWindow", sp, 10, "1223344556677m 5p", 75, 1, "", "1m 1m"},
  SelectorCase{"SevenShiftedPairsPairsInTwoSuits", sp, 10, "11223344556m 11p 5s", 0},
  SelectorCase{"SevenShiftedPairsHonourPair", sp, 10, "11223344556m 11z 5s", 0},
  SelectorCase{"SevenShiftedPairsDeclaredMeld", sp, 10, "11223344556m", 0, 0, "c1p"},

  SelectorCase{"NineGatesFourteenTiles", ng, 12, "11123455678999m", 79, 0},
  SelectorCase{"NineGatesOneBadSuitEndsTheSearch", ng, 10, "2233m 1112345678p", 0},
  SelectorCase{"NineGatesOneDoubledNumber", ng, 10, "2234m 1112345678p", 79, 1},
  SelectorCase{"NineGatesGateBeforeTheDoubledTest", ng, 10, "2233m 1112345678p", 79, 1, "", "1m 1m"},
  SelectorCase{"NineGatesNineShownTwice", ng, 12, "111234567899p 1m 5s", 0, 0, "", "9p 9p"},
  SelectorCase{"NineGatesTwentyThreeShown", ng, 12, "111234567899m 1p 5s", 0, 0, "",
               "1m 222m 333m 444m 555m 666m 777m 888m 9m"},
  SelectorCase{"NineGatesTwentyTwoShown", ng, 12, "111234567899m 1p 5s", 79, 0, "",
               "1m 222m 333m 444m 55m 666m 777m 888m 9m"},
  SelectorCase{"NineGatesConcealedKong", ng, 11, "11123456789m", 0, 0, "k5z"}),
  selector_case_name);

}  // namespace

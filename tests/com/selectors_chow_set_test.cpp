#include "com/target/selectors.h"
#include "support/selector_fixture.h"

namespace {

class ChowSetSelectors : public SelectorTest {};
TEST_P(ChowSetSelectors, LeaveTheTargetOfTheirRules) { check(GetParam()); }

constexpr TargetSelector triple = aim_pure_triple_chow, quad = aim_quadruple_chow, shifted = aim_four_pure_shifted_chows,
                         three_suited = aim_three_suited_terminal_chows, terminal = aim_pure_terminal_chows;

// name, selector, threshold, free tiles, target, variant, melds, river, latest discard.
INSTANTIATE_TEST_SUITE_P(Hands, ChowSetSelectors, ::testing::Values(
  SelectorCase{"PureTripleChowNeedsAChowMeld", triple, 9, "111222333m 456p 11z", 0},
  SelectorCase{"PureTripleChowOneMeld", triple, 9, "112233m 456p 78s", 53, 1, "c1m"},
  SelectorCase{"PureTripleChowThirdCopyDoesNotCount", triple, 9, "111223m 456p 78s", 0, 0, "c1m"},
  SelectorCase{"PureTripleChowLoneTileShownThrice", triple, 8, "11223m 456p 789s", 0, 0, "c1m", "3m 3m"},
  SelectorCase{"PureTripleChowLoneTileShownTwice", triple, 8, "11223m 456p 789s", 53, 1, "c1m", "3m"},
  SelectorCase{"PureTripleChowTwoMeldsMissingTileDead", triple, 8, "78p 456m 11z 9s", 0, 0, "c7p c7p", "9p 9p"},
  SelectorCase{"PureTripleChowTwoMelds", triple, 8, "78p 456m 11z 9s", 53, 17, "c7p c7p"},
  SelectorCase{"PureTripleChowTwoForeignMelds", triple, 8, "11223m", 0, 0, "c1m p5p p9s"},

  SelectorCase{"QuadrupleChowNothingShown", quad, 11, "777888999m 55p", 65, 7, "c7m"},
  SelectorCase{"QuadrupleChowOneCopyShown", quad, 11, "777888999m 55p", 0, 0, "c7m", "8m"},
  SelectorCase{"QuadrupleChowForeignMeld", quad, 11, "11122233m", 0, 0, "c1m p5p"},

  SelectorCase{"FourShiftedChows", shifted, 11, "122333444556m 1z 2z", 62, 0},
  SelectorCase{"FourShiftedChowsBamboo", shifted, 11, "344555666778s 1z 2z", 62, 22},
  SelectorCase{"FourShiftedChowsEleven", shifted, 11, "12233444556m 1z 2z 3z", 62, 0},
  SelectorCase{"FourShiftedChowsMiddleTileShownTwice", shifted, 11, "12233444556m 1z 2z 3z", 0, 0, "", "3m 3m"},
  SelectorCase{"FourShiftedChowsTenWithDoubledMiddle", shifted, 10, "12233444556m 1z 2z 3z", 62, 0},
  SelectorCase{"FourShiftedChowsTenWithLoneFour", shifted, 10, "1223334556m 1z 2z 3z 4z", 0},
  SelectorCase{"FourShiftedChowsOwnChowIsNotShown", shifted, 11, "122334456m 1z 2z", 62, 0, "c3m", "3m"},
  SelectorCase{"FourShiftedChowsSeries", shifted, 11, "12334556778 9p 1z 2z", 62, 14},
  SelectorCase{"FourShiftedChowsSeriesThreeShownThrice", shifted, 11, "12345567789p 1z 2z 3z", 0, 0, "", "3p 3p 3p"},
  SelectorCase{"FourShiftedChowsForeignMeld", shifted, 11, "12233344455m", 0, 0, "p1z"},

  SelectorCase{"ThreeSuitedTerminalChows", three_suited, 11, "123789m 123789p 55s", 48, 0},
  SelectorCase{"ThreeSuitedTerminalChowsBestTemplate", three_suited, 11, "123789m 123789s 55p", 48, 1},
  SelectorCase{"ThreeSuitedTerminalChowsDotsAndBamboo", three_suited, 11, "123789p 123789s 55m", 48, 2},
  SelectorCase{"ThreeSuitedTerminalChowsPairShownThrice", three_suited, 11, "123789m 1239p 5s 1z 2z 3z", 0, 0, "", "5s 5s 5s"},
  SelectorCase{"ThreeSuitedTerminalChowsPairShownTwice", three_suited, 11, "123789m 1239p 5s 1z 2z 3z", 48, 0, "", "5s 5s"},
  SelectorCase{"ThreeSuitedTerminalChowsDeadChowTile", three_suited, 11, "123789m 12379p 55s 1z", 0, 0, "", "8p 8p 8p 8p"},
  SelectorCase{"ThreeSuitedTerminalChowsPungOfThePair", three_suited, 11, "123789m 12378p", 0, 0, "p5s"},
  SelectorCase{"ThreeSuitedTerminalChowsChowOfTwo", three_suited, 11, "123789p 789m 55s", 0, 0, "c2m"},
  SelectorCase{"ThreeSuitedTerminalChowsChowOfSeven", three_suited, 11, "123m 123789p 55s", 48, 0, "c7m"},

  SelectorCase{"PureTerminalChows", terminal, 11, "11223355778899m", 68, 0},
  SelectorCase{"PureTerminalChowsTenWithoutTheFive", terminal, 10, "112233778899s 1z 2z", 0},
  SelectorCase{"PureTerminalChowsElevenWithoutTheFive", terminal, 11, "112233778899s 1z 2z", 68, 2},
  SelectorCase{"PureTerminalChowsFiveShownThrice", terminal, 11, "1122335778899p 1z", 0, 0, "", "5p 5p 5p"},
  SelectorCase{"PureTerminalChowsFiveShownTwice", terminal, 11, "1122335778899p 1z", 68, 1, "", "5p 5p"},
  SelectorCase{"PureTerminalChowsLowEndOpen", terminal, 10, "11255778899m 1z 2z 3z", 0},
  SelectorCase{"PureTerminalChowsEndsInHand", terminal, 10, "1122557899m 1z 2z 3z 4z", 68, 0},
  SelectorCase{"PureTerminalChowsChowMeldCoversAnEnd", terminal, 10, "55778899m 1z 2z 3z", 68, 0, "c1m", "1m 1m"},
  SelectorCase{"PureTerminalChowsChowOfFour", terminal, 11, "11223377889m", 0, 0, "c4m"},
  SelectorCase{"PureTerminalChowsPungMeld", terminal, 10, "55778899m 1z 2z 3z", 0, 0, "p1m"}),
  selector_case_name);

}  // namespace

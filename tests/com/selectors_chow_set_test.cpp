#include "com/target/selectors.h"
#include "support/aim_case.h"

namespace {

class ChowSetSelectors : public AimCaseTest {};
TEST_P(ChowSetSelectors, LeaveTheTargetOfTheirRules) {
  check(GetParam());
  check_aim_case_keep_test(GetParam());
}


INSTANTIATE_TEST_SUITE_P(Hands, ChowSetSelectors, ::testing::Values(
  AimCase{.name = "PureTripleChowNeedsAChowMeld", .call = call<aim_pure_triple_chow, 9>, .hand = "111222333m 456p 11z",
    .expect = "0:0"},
  AimCase{.name = "PureTripleChowOneMeld", .call = call<aim_pure_triple_chow, 9>, .hand = "112233m 456p 78s",
    .expect = "53:1", .melds = "c1m"},
  AimCase{.name = "PureTripleChowThirdCopyDoesNotCount", .call = call<aim_pure_triple_chow, 9>,
    .hand = "111223m 456p 78s", .expect = "0:0", .melds = "c1m"},
  AimCase{.name = "PureTripleChowLoneTileShownThrice", .call = call<aim_pure_triple_chow, 8>,
    .hand = "11223m 456p 789s", .expect = "0:0", .melds = "c1m", .visible = "3m 3m"},
  AimCase{.name = "PureTripleChowLoneTileShownTwice", .call = call<aim_pure_triple_chow, 8>,
    .hand = "11223m 456p 789s", .expect = "53:1", .melds = "c1m", .visible = "3m"},
  AimCase{.name = "PureTripleChowTwoMeldsMissingTileDead", .call = call<aim_pure_triple_chow, 8>,
    .hand = "78p 456m 11z 9s", .expect = "0:0", .melds = "c7p c7p", .visible = "9p 9p"},
  AimCase{.name = "PureTripleChowTwoMelds", .call = call<aim_pure_triple_chow, 8>, .hand = "78p 456m 11z 9s",
    .expect = "53:17", .melds = "c7p c7p"},
  AimCase{.name = "PureTripleChowTwoForeignMelds", .call = call<aim_pure_triple_chow, 8>, .hand = "11223m",
    .expect = "0:0", .melds = "c1m p5p p9s"},

  AimCase{.name = "QuadrupleChowNothingShown", .call = call<aim_quadruple_chow, 11>, .hand = "777888999m 55p",
    .expect = "65:7", .melds = "c7m"},
  AimCase{.name = "QuadrupleChowOneCopyShown", .call = call<aim_quadruple_chow, 11>, .hand = "777888999m 55p",
    .expect = "0:0", .melds = "c7m", .visible = "8m"},
  AimCase{.name = "QuadrupleChowForeignMeld", .call = call<aim_quadruple_chow, 11>, .hand = "11122233m",
    .expect = "0:0", .melds = "c1m p5p"},

  AimCase{.name = "FourShiftedChows", .call = call<aim_four_pure_shifted_chows, 11>, .hand = "122333444556m 1z 2z",
    .expect = "62:0"},
  AimCase{.name = "FourShiftedChowsBamboo", .call = call<aim_four_pure_shifted_chows, 11>,
    .hand = "344555666778s 1z 2z", .expect = "62:22"},
  AimCase{.name = "FourShiftedChowsEleven", .call = call<aim_four_pure_shifted_chows, 11>,
    .hand = "12233444556m 1z 2z 3z", .expect = "62:0"},
  AimCase{.name = "FourShiftedChowsMiddleTileShownTwice", .call = call<aim_four_pure_shifted_chows, 11>,
    .hand = "12233444556m 1z 2z 3z", .expect = "0:0", .visible = "3m 3m"},
  AimCase{.name = "FourShiftedChowsTwoShownTwiceLeaveFour", .call = call<aim_four_pure_shifted_chows, 11>,
    .hand = "12233444556m 1z 2z 3z", .expect = "62:0", .visible = "2m 2m"},
  AimCase{.name = "FourShiftedChowsTenWithDoubledMiddle", .call = call<aim_four_pure_shifted_chows, 10>,
    .hand = "12233444556m 1z 2z 3z", .expect = "62:0"},
  AimCase{.name = "FourShiftedChowsTenWithLoneFour", .call = call<aim_four_pure_shifted_chows, 10>,
    .hand = "1223334556m 1z 2z 3z 4z", .expect = "0:0"},
  AimCase{.name = "FourShiftedChowsOwnChowIsNotShown", .call = call<aim_four_pure_shifted_chows, 11>,
    .hand = "122334456m 1z 2z", .expect = "62:0", .melds = "c3m", .visible = "3m"},
  AimCase{.name = "FourShiftedChowsSeries", .call = call<aim_four_pure_shifted_chows, 11>,
    .hand = "12334556778 9p 1z 2z", .expect = "62:14"},
  AimCase{.name = "FourShiftedChowsSeriesThreeShownThrice", .call = call<aim_four_pure_shifted_chows, 11>,
    .hand = "12345567789p 1z 2z 3z", .expect = "0:0", .visible = "3p 3p 3p"},
  // Ten places need ten tiles of the suit, a chow meld of it giving three.
  AimCase{.name = "FourShiftedChowsTenTilesOfTheSuit", .call = call<aim_four_pure_shifted_chows, 10>,
    .hand = "1223344556m 1z 2z 3z 4z", .expect = "62:0"},
  AimCase{.name = "FourShiftedChowsTenWithAChowMeld", .call = call<aim_four_pure_shifted_chows, 10>,
    .hand = "1223445m 1z 2z 3z", .expect = "62:0", .melds = "c3m"},
  AimCase{.name = "FourShiftedChowsNineTilesOfTheSuit", .call = call<aim_four_pure_shifted_chows, 10>,
    .hand = "122334456m 1z 2z 3z 4z 5z", .expect = "0:0"},
  AimCase{.name = "FourShiftedChowsForeignMeld", .call = call<aim_four_pure_shifted_chows, 11>, .hand = "12233344455m",
    .expect = "0:0", .melds = "p1z"},

  AimCase{.name = "ThreeSuitedTerminalChows", .call = call<aim_three_suited_terminal_chows, 11>,
    .hand = "123789m 123789p 55s", .expect = "48:0"},
  AimCase{.name = "ThreeSuitedTerminalChowsBestTemplate", .call = call<aim_three_suited_terminal_chows, 11>,
    .hand = "123789m 123789s 55p", .expect = "48:1"},
  AimCase{.name = "ThreeSuitedTerminalChowsDotsAndBamboo", .call = call<aim_three_suited_terminal_chows, 11>,
    .hand = "123789p 123789s 55m", .expect = "48:2"},
  AimCase{.name = "ThreeSuitedTerminalChowsPairShownThrice", .call = call<aim_three_suited_terminal_chows, 11>,
    .hand = "123789m 1239p 5s 1z 2z 3z", .expect = "0:0", .visible = "5s 5s 5s"},
  AimCase{.name = "ThreeSuitedTerminalChowsPairShownTwice", .call = call<aim_three_suited_terminal_chows, 11>,
    .hand = "123789m 1239p 5s 1z 2z 3z", .expect = "48:0", .visible = "5s 5s"},
  AimCase{.name = "ThreeSuitedTerminalChowsDeadChowTile", .call = call<aim_three_suited_terminal_chows, 11>,
    .hand = "123789m 12379p 55s 1z", .expect = "0:0", .visible = "8p 8p 8p 8p"},
  AimCase{.name = "ThreeSuitedTerminalChowsPungOfThePair", .call = call<aim_three_suited_terminal_chows, 11>,
    .hand = "123789m 12378p", .expect = "0:0", .melds = "p5s"},
  AimCase{.name = "ThreeSuitedTerminalChowsChowOfTwo", .call = call<aim_three_suited_terminal_chows, 11>,
    .hand = "123789p 789m 55s", .expect = "0:0", .melds = "c2m"},
  AimCase{.name = "ThreeSuitedTerminalChowsChowOfSeven", .call = call<aim_three_suited_terminal_chows, 11>,
    .hand = "123m 123789p 55s", .expect = "48:0", .melds = "c7m"},

  AimCase{.name = "PureTerminalChows", .call = call<aim_pure_terminal_chows, 11>, .hand = "11223355778899m",
    .expect = "68:0"},
  AimCase{.name = "PureTerminalChowsTenWithoutTheFive", .call = call<aim_pure_terminal_chows, 10>,
    .hand = "112233778899s 1z 2z", .expect = "0:0"},
  AimCase{.name = "PureTerminalChowsElevenWithoutTheFive", .call = call<aim_pure_terminal_chows, 11>,
    .hand = "112233778899s 1z 2z", .expect = "68:2"},
  AimCase{.name = "PureTerminalChowsFiveShownThrice", .call = call<aim_pure_terminal_chows, 11>,
    .hand = "1122335778899p 1z", .expect = "0:0", .visible = "5p 5p 5p"},
  AimCase{.name = "PureTerminalChowsFiveShownTwice", .call = call<aim_pure_terminal_chows, 11>,
    .hand = "1122335778899p 1z", .expect = "68:1", .visible = "5p 5p"},
  AimCase{.name = "PureTerminalChowsLowEndOpen", .call = call<aim_pure_terminal_chows, 10>,
    .hand = "11255778899m 1z 2z 3z", .expect = "0:0"},
  AimCase{.name = "PureTerminalChowsEndsInHand", .call = call<aim_pure_terminal_chows, 10>,
    .hand = "1122557899m 1z 2z 3z 4z", .expect = "68:0"},
  AimCase{.name = "PureTerminalChowsChowMeldCoversAnEnd", .call = call<aim_pure_terminal_chows, 10>,
    .hand = "55778899m 1z 2z 3z", .expect = "68:0", .melds = "c1m", .visible = "1m 1m"},
  AimCase{.name = "PureTerminalChowsChowOfFour", .call = call<aim_pure_terminal_chows, 11>, .hand = "11223377889m",
    .expect = "0:0", .melds = "c4m"},
  AimCase{.name = "PureTerminalChowsPungMeld", .call = call<aim_pure_terminal_chows, 10>, .hand = "55778899m 1z 2z 3z",
    .expect = "0:0", .melds = "p1m"}),
  aim_case_name);

}  // namespace

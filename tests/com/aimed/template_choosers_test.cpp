// The one-suit template choosers on worked hands.
#include "com/aimed/aimed_rules.h"
#include "support/chooser_fixture.h"

namespace {

constexpr Chooser k68 = discard_pure_terminal_chows, k75 = discard_seven_shifted_pairs, k79 = discard_nine_gates;

const ChooserCase kTemplateCases[] = {
    {"ShiftedPairsSingleBelowWindow", k75, 75, 12, "1p 9p 22p 33p", "", "", {}, "1p", 12},
    {"ShiftedPairsPairAboveWindow", k75, 75, 12, "99p 22p 33p", "", "", {}, "9p", 42},
    {"ShiftedPairsWindowPairsStay", k75, 75, 21, "44s 88s", "", "", {}, "8s", 42},
    {"ShiftedPairsDeadWindowTile", k75, 75, 12, "3p 1z", "", "333p", {}, "3p", 0},
    {"ShiftedPairsHonourSingle", k75, 75, 12, "1z 5m 9p", "", "", {}, "1z", 10},
    {"ShiftedPairsOtherSuitSingle", k75, 75, 12, "5m 9p", "", "", {}, "5m", 11},
    {"ShiftedPairsOtherSuitTriple", k75, 75, 12, "555m 44p", "", "", {}, "5m", 21},
    {"ShiftedPairsWindowTriple", k75, 75, 12, "333p 44p", "", "", {}, "3p", 23},
    {"ShiftedPairsWindowQuad", k75, 75, 12, "3333p 44p", "", "", {}, "3p", 33},
    {"ShiftedPairsWindowSinglesStay", k75, 75, 12, "3p 44p"},
    {"ShiftedPairsLastWindow", k75, 75, 13, "2p 9p", "", "", {}, "2p", 12},
    {"ShiftedPairsNoWindowStart", k75, 75, 10, "1z"},
    {"ShiftedPairsWindowPastNine", k75, 75, 14, "1z"},
    {"ShiftedPairsNoSuchSuit", k75, 75, 32, "1z"},
    {"TerminalChowsTripleFirst", k68, 68, 2, "111s 4s", "", "", {}, "1s", 3},
    {"TerminalChowsFour", k68, 68, 2, "11s 4s", "", "", {}, "4s", 4},
    {"TerminalChowsOtherSuitFirst", k68, 68, 1, "4m 1p 5p", "", "", {}, "4m", 1},
    {"TerminalChowsVisibleHonour", k68, 68, 1, "1z 2z 4m", "", "2z", {}, "2z", 0},
    {"TerminalChowsHonourQuad", k68, 68, 1, "1111z 4p", "", "", {}, "1z", 2},
    {"TerminalChowsNoSuchSuit", k68, 68, 3, "1z"},
    {"NineGatesSurplusFive", k79, 79, 1, "11123455678999p", "", "", {}, "5p", 20, ""},
    {"NineGatesExactShapeRestored", k79, 79, 0, "1112345678999m", "", "", {}, "", 0, "1112345678999m"},
    {"NineGatesVisibleHonour", k79, 79, 0, "1z 5z 1m", "", "11z 555z", {}, "5z", 0},
    {"NineGatesOtherSuit", k79, 79, 1, "4m 111p", "", "", {}, "4m", 10},
    {"NineGatesHonourQuad", k79, 79, 1, "1111z 111p", "", "", {}, "1z", 1},
    {"NineGatesNoSuchSuit", k79, 79, -1, "1z"},
};

}  // namespace

INSTANTIATE_TEST_SUITE_P(Templates, ChooserCaseTest, ::testing::ValuesIn(kTemplateCases), chooser_case_name);

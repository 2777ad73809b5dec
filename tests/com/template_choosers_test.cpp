// The one-suit template choosers on worked hands.
#include "com/aimed/aimed_rules.h"
#include "support/chooser_fixture.h"

namespace {

constexpr AimedChooser kTemplateChoosers[] = {
    {68, [](int seat, int) { discard_pure_terminal_chows(seat); }},
    {75, [](int seat, int) { discard_seven_shifted_pairs(seat); }},
    {79, [](int seat, int) { discard_nine_gates(seat); }},
};

const ChooserCase kTemplateCases[] = {
    {"ShiftedPairsSingleBelowWindow", "1p 9p 22p 33p", "1p", 12, {.variant = 12, .target = 75}},
    {"ShiftedPairsPairAboveWindow", "99p 22p 33p", "9p", 42, {.variant = 12, .target = 75}},
    {"ShiftedPairsWindowPairsStay", "44s 88s", "8s", 42, {.variant = 21, .target = 75}},
    {"ShiftedPairsDeadWindowTile", "3p 1z", "3p", 0, {.variant = 12, .visible = "333p", .target = 75}},
    {"ShiftedPairsHonourSingle", "1z 5m 9p", "1z", 10, {.variant = 12, .target = 75}},
    {"ShiftedPairsOtherSuitSingle", "5m 9p", "5m", 11, {.variant = 12, .target = 75}},
    {"ShiftedPairsOtherSuitTriple", "555m 44p", "5m", 21, {.variant = 12, .target = 75}},
    {"ShiftedPairsWindowTriple", "333p 44p", "3p", 23, {.variant = 12, .target = 75}},
    {"ShiftedPairsWindowQuad", "3333p 44p", "3p", 33, {.variant = 12, .target = 75}},
    {"ShiftedPairsWindowSinglesStay", "3p 44p", "", 0, {.variant = 12, .target = 75}},
    {"ShiftedPairsLastWindow", "2p 9p", "2p", 12, {.variant = 13, .target = 75}},
    {"ShiftedPairsNoWindowStart", "1z", "", 0, {.variant = 10, .target = 75}},
    {"ShiftedPairsWindowPastNine", "1z", "", 0, {.variant = 14, .target = 75}},
    {"ShiftedPairsNoSuchSuit", "1z", "", 0, {.variant = 32, .target = 75}},
    {"TerminalChowsTripleFirst", "111s 4s", "1s", 3, {.variant = 2, .target = 68}},
    {"TerminalChowsFour", "11s 4s", "4s", 4, {.variant = 2, .target = 68}},
    {"TerminalChowsOtherSuitFirst", "4m 1p 5p", "4m", 1, {.variant = 1, .target = 68}},
    {"TerminalChowsVisibleHonour", "1z 2z 4m", "2z", 0, {.variant = 1, .visible = "2z", .target = 68}},
    {"TerminalChowsHonourQuad", "1111z 4p", "1z", 2, {.variant = 1, .target = 68}},
    {"TerminalChowsNoSuchSuit", "1z", "", 0, {.variant = 3, .target = 68}},
    {"NineGatesSurplusFive", "11123455678999p", "5p", 20, {.variant = 1, .target = 79, .left = ""}},
    {"NineGatesExactShapeRestored", "1112345678999m", "", 0, {.target = 79, .left = "1112345678999m"}},
    {"NineGatesVisibleHonour", "1z 5z 1m", "5z", 0, {.visible = "11z 555z", .target = 79}},
    {"NineGatesOtherSuit", "4m 111p", "4m", 10, {.variant = 1, .target = 79}},
    {"NineGatesHonourQuad", "1111z 111p", "1z", 1, {.variant = 1, .target = 79}},
    {"NineGatesNoSuchSuit", "1z", "", 0, {.variant = -1, .target = 79}},
};

}  // namespace

class TemplateChoosers : public ChooserCaseTest {};
TEST_P(TemplateChoosers, Picks) { check_by_target(kTemplateChoosers, GetParam()); }
INSTANTIATE_TEST_SUITE_P(Steps, TemplateChoosers, ::testing::ValuesIn(kTemplateCases), chooser_case_name);

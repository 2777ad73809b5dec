// The pung-pattern and all-honours choosers on worked hands.
#include "com/aimed/aimed_rules.h"
#include "support/chooser_fixture.h"

namespace {

constexpr int pung_of(int tile) { return 100 * kMeldPung + tile; }
constexpr const char* kTwoTriplesEven = "222m 444p 66m 88m 22s 44s";

constexpr AimedChooser kPungChoosers[] = {
    {28, [](int seat, int) { discard_all_pungs(seat); }},
    {58, [](int seat, int) { discard_all_even_pungs(seat); }},
    {63, [](int seat, int) { discard_all_terminals_and_honours(seat); }},
    {70, [](int seat, int) { discard_all_honours(seat); }},
    {71, [](int seat, int) { discard_four_concealed_pungs(seat); }},
    {72, [](int seat, int) { discard_all_terminals(seat); }},
};

const ChooserCase kPungCases[] = {
    {"AllPungsQuadFirst", "2222m 5p", "2m", 0, {.target = 28}},
    {"AllPungsQuadKeptGoesOn", "2222m 5p 77s", "5p", 10, {.pool = "5p 77s", .target = 28}},
    {"AllPungsSingleBeforeVisiblePair", "3m 55p 777s 999s", "3m", 10, {.visible = "55p", .target = 28}},
    {"AllPungsPairCodeOne", "11m 55p 777s", "5p", 1, {.visible = "5p", .target = 28}},
    {"EvenPungsShapeMostVisibleOffTile", "222m 444p 66m 88m 33p 11z", "1z", 10, {.visible = "3p 11z", .target = 58}},
    {"EvenPungsShapeBreaksAPairNotATriple", kTwoTriplesEven, "6m", 11, {.visible = "2m", .target = 58, .left = "6m 88m 22s 44s"}},
    {"EvenPungsShapeTriplesStayZeroed", kTwoTriplesEven, "", 0, {.pool = "222m 444p", .target = 58, .left = ""}},
    {"EvenPungsDeadSingle", "5m 4p 22m 33s 666s", "4p", 20, {.visible = "444p 33s", .target = 58}},
    {"EvenPungsOffSingleBeforeVisiblePair", "5m 22m 33s 666s", "5m", 21, {.visible = "33s", .target = 58, .left = ""}},
    {"EvenPungsTriplesOnlyStay", "222m 444p 888s", "2m", 22, {.target = 58}},
    {"EvenPungsPairsOnlyTriplesLeave", "222m 44m 66p 888s", "4m", 22, {.visible = "2m 4m", .target = 58, .left = "4m 66p"}},
    {"TerminalsHonoursShapeMiddleTile", "111m 999p 55s 77z 11z 99s", "5s", 10, {.visible = "77z", .target = 63}},
    {"TerminalsHonoursQuad", "9999m 5p", "9m", 0, {.target = 63}},
    {"TerminalsHonoursMiddleSingleFirst", "8m 1z 99p 111s", "8m", 21, {.visible = "11z", .target = 63}},
    {"FourConcealedNeverBreaksAPair", "22m 33p 444s 55z", "", 0, {.target = 71}},
    {"FourConcealedMostVisibleSingle", "1m 9p 22s", "9p", 0, {.visible = "9p", .target = 71}},
    {"AllTerminalsQuad", "1111m 5p", "1m", 0, {.target = 72}},
    {"AllTerminalsDeadSingleFirst", "5m 1p 999s", "1p", 1, {.visible = "111p", .target = 72}},
    {"AllTerminalsMiddleSingle", "5m 1p 1z 999s", "5m", 10, {.visible = "1z", .target = 72}},
    {"AllTerminalsHonourSingle", "1m 1z 99p", "1z", 11, {.visible = "1m", .target = 72}},
    {"AllTerminalsAnySingle", "1m 9p 55z", "9p", 12, {.visible = "9p", .target = 72}},
    {"AllTerminalsMiddlePair", "22m 11z 99p 111s", "2m", 20, {.visible = "9p", .target = 72}},
    {"AllTerminalsHonourPair", "11z 99p 111s", "1z", 21, {.visible = "9p", .target = 72}},
    {"AllTerminalsAnyPair", "99p 11m 111s", "1m", 22, {.visible = "1m", .target = 72}},
    {"HonourPairsDeadSingle", "22z 33z 66z 77z 111z 5p 5z 4z", "4z", 0, {.variant = 1, .visible = "1z 444z", .target = 70}},
    {"HonourPairsSuitedFirst", "22z 33z 66z 77z 111z 5p 5z 4z", "5p", 1, {.variant = 1, .visible = "1z 4z", .target = 70}},
    {"HonourPairsThirdCopyGoes", "77z 33z 111z 5z 4z", "1z", 2, {.variant = 1, .visible = "1z 4z 77z", .target = 70}},
    {"HonourSetsQuadBesideAMeld", "5555z 1z 22z 33z", "5z", 10, {.meld = pung_of(37), .target = 70}},
    {"HonourSetsQuadWithoutMeld", "5555z 1z 22z 33z", "1z", 44, {.target = 70}},
    {"HonourShapeSuitedPair", "111z 222z 33z 44z 55z 55p", "5p", 20, {.target = 70}},
    {"HonourShapeHalfDeadPair", "111z 222z 33z 44z 55z 77z", "4z", 21, {.visible = "44z", .target = 70}},
    {"HonourShapeDragonShort", "111z 222z 33z 44z 55z 77z", "7z", 23, {.visible = "7z", .target = 70}},
    {"HonourShapeDragonsPairedWind", "111z 222z 33z 55z 66z 77z", "3z", 22, {.visible = "3z", .target = 70}},
    {"HonourShapeNoDragonLeft", "111z 222z 33z 44z 55z 77z", "2z", 30, {.visible = "2z", .pool = "111z 222z 33z 44z", .target = 70}},
    {"HonourSetsDeadSingle", "11z 55z 66z 2z 2m", "2z", 40, {.visible = "222z 22m", .target = 70}},
    {"HonourSetsSuitedHalfDead", "11z 2m 3z", "2m", 41, {.visible = "22m 33z", .target = 70}},
    {"HonourSetsHalfDead", "11z 2m 3z", "3z", 42, {.visible = "33z", .target = 70}},
    {"HonourSetsSuited", "11z 2m 3z", "2m", 43, {.visible = "2m 3z", .target = 70}},
    {"HonourSetsTriplesLeave", "111z 55z 66z", "6z", 44, {.visible = "1z 6z", .target = 70}},
    {"HonourSetsNarrowedToNothing", "5555z 22z 33z", "", 0, {.target = 70, .left = ""}},
    {"HonourUnknownForm", "1z 2m", "", 0, {.variant = 2, .target = 70}},
};

}  // namespace

class PungChoosers : public ChooserCaseTest {};
TEST_P(PungChoosers, Picks) { check_by_target(kPungChoosers, GetParam()); }
INSTANTIATE_TEST_SUITE_P(Steps, PungChoosers, ::testing::ValuesIn(kPungCases), chooser_case_name);

// The pung-pattern and all-honours choosers on worked hands.
#include "com/aimed/aimed_rules.h"
#include "support/chooser_fixture.h"

namespace {

constexpr Chooser k28 = discard_all_pungs, k58 = discard_all_even_pungs, k63 = discard_all_terminals_and_honours;
constexpr Chooser k70 = discard_all_honours, k71 = discard_four_concealed_pungs, k72 = discard_all_terminals;
constexpr const char* kTwoTriplesEven = "222m 444p 66m 88m 22s 44s";

const ChooserCase kPungCases[] = {
    {"AllPungsQuadFirst", k28, 28, 0, "2222m 5p", "", "", {}, "2m", 0},
    {"AllPungsQuadKeptGoesOn", k28, 28, 0, "2222m 5p 77s", "5p 77s", "", {}, "5p", 10},
    {"AllPungsSingleBeforeVisiblePair", k28, 28, 0, "3m 55p 777s 999s", "", "55p", {}, "3m", 10},
    {"AllPungsPairCodeOne", k28, 28, 0, "11m 55p 777s", "", "5p", {}, "5p", 1},
    {"EvenPungsShapeMostVisibleOffTile", k58, 58, 0, "222m 444p 66m 88m 33p 11z", "", "3p 11z", {}, "1z", 10},
    {"EvenPungsShapeBreaksAPairNotATriple", k58, 58, 0, kTwoTriplesEven, "", "2m", {}, "6m", 11, "6m 88m 22s 44s"},
    {"EvenPungsShapeTriplesStayZeroed", k58, 58, 0, kTwoTriplesEven, "222m 444p", "", {}, "", 0, ""},
    {"EvenPungsDeadSingle", k58, 58, 0, "5m 4p 22m 33s 666s", "", "444p 33s", {}, "4p", 20},
    {"EvenPungsOffSingleBeforeVisiblePair", k58, 58, 0, "5m 22m 33s 666s", "", "33s", {}, "5m", 21, ""},
    {"EvenPungsTriplesOnlyStay", k58, 58, 0, "222m 444p 888s", "", "", {}, "2m", 22},
    {"EvenPungsPairsOnlyTriplesLeave", k58, 58, 0, "222m 44m 66p 888s", "", "2m 4m", {}, "4m", 22, "4m 66p"},
    {"TerminalsHonoursShapeMiddleTile", k63, 63, 0, "111m 999p 55s 77z 11z 99s", "", "77z", {}, "5s", 10},
    {"TerminalsHonoursQuad", k63, 63, 0, "9999m 5p", "", "", {}, "9m", 0},
    {"TerminalsHonoursMiddleSingleFirst", k63, 63, 0, "8m 1z 99p 111s", "", "11z", {}, "8m", 21},
    {"FourConcealedNeverBreaksAPair", k71, 71, 0, "22m 33p 444s 55z"},
    {"FourConcealedMostVisibleSingle", k71, 71, 0, "1m 9p 22s", "", "9p", {}, "9p", 0},
    {"AllTerminalsQuad", k72, 72, 0, "1111m 5p", "", "", {}, "1m", 0},
    {"AllTerminalsDeadSingleFirst", k72, 72, 0, "5m 1p 999s", "", "111p", {}, "1p", 1},
    {"AllTerminalsMiddleSingle", k72, 72, 0, "5m 1p 1z 999s", "", "1z", {}, "5m", 10},
    {"AllTerminalsHonourSingle", k72, 72, 0, "1m 1z 99p", "", "1m", {}, "1z", 11},
    {"AllTerminalsAnySingle", k72, 72, 0, "1m 9p 55z", "", "9p", {}, "9p", 12},
    {"AllTerminalsMiddlePair", k72, 72, 0, "22m 11z 99p 111s", "", "9p", {}, "2m", 20},
    {"AllTerminalsHonourPair", k72, 72, 0, "11z 99p 111s", "", "9p", {}, "1z", 21},
    {"AllTerminalsAnyPair", k72, 72, 0, "99p 11m 111s", "", "1m", {}, "1m", 22},
    {"HonourPairsDeadSingle", k70, 70, 1, "22z 33z 66z 77z 111z 5p 5z 4z", "", "1z 444z", {}, "4z", 0},
    {"HonourPairsSuitedFirst", k70, 70, 1, "22z 33z 66z 77z 111z 5p 5z 4z", "", "1z 4z", {}, "5p", 1},
    {"HonourPairsThirdCopyGoes", k70, 70, 1, "77z 33z 111z 5z 4z", "", "1z 4z 77z", {}, "1z", 2},
    {"HonourSetsQuadBesideAMeld", k70, 70, 0, "5555z 1z 22z 33z", "", "", {pung_of(37)}, "5z", 10},
    {"HonourSetsQuadWithoutMeld", k70, 70, 0, "5555z 1z 22z 33z", "", "", {}, "1z", 44},
    {"HonourShapeSuitedPair", k70, 70, 0, "111z 222z 33z 44z 55z 55p", "", "", {}, "5p", 20},
    {"HonourShapeHalfDeadPair", k70, 70, 0, "111z 222z 33z 44z 55z 77z", "", "44z", {}, "4z", 21},
    {"HonourShapeDragonShort", k70, 70, 0, "111z 222z 33z 44z 55z 77z", "", "7z", {}, "7z", 23},
    {"HonourShapeDragonsPairedWind", k70, 70, 0, "111z 222z 33z 55z 66z 77z", "", "3z", {}, "3z", 22},
    {"HonourShapeNoDragonLeft", k70, 70, 0, "111z 222z 33z 44z 55z 77z", "111z 222z 33z 44z", "2z", {}, "2z", 30},
    {"HonourSetsDeadSingle", k70, 70, 0, "11z 55z 66z 2z 2m", "", "222z 22m", {}, "2z", 40},
    {"HonourSetsSuitedHalfDead", k70, 70, 0, "11z 2m 3z", "", "22m 33z", {}, "2m", 41},
    {"HonourSetsHalfDead", k70, 70, 0, "11z 2m 3z", "", "33z", {}, "3z", 42},
    {"HonourSetsSuited", k70, 70, 0, "11z 2m 3z", "", "2m 3z", {}, "2m", 43},
    {"HonourSetsTriplesLeave", k70, 70, 0, "111z 55z 66z", "", "1z 6z", {}, "6z", 44},
    {"HonourSetsNarrowedToNothing", k70, 70, 0, "5555z 22z 33z", "", "", {}, "", 0, ""},
    {"HonourUnknownForm", k70, 70, 2, "1z 2m"},
};

}  // namespace

TEST_P(ChooserCaseTest, Proposes) { check(GetParam()); }
INSTANTIATE_TEST_SUITE_P(Pungs, ChooserCaseTest, ::testing::ValuesIn(kPungCases), chooser_case_name);

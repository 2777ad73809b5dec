// The honour and terminal selectors on worked hands (seat 1, South, East round).
#include "com/target/selectors.h"
#include "support/aim_fixture.h"

namespace {

constexpr const char* kDragonPungPairs = "555z 66z 77z 123m 567p 9s";
constexpr const char* kTerminalSets = "111m 99m 11p 99s 2m 5p 7s 3z 4z";  // one pung, three pairs
constexpr const char* kOneDragonPung = "555z 6z 7z 123m 567p 99s 1s";
constexpr const char* kTwoWindPungsAPair = "111z 222z 33z 4z 567m 9p";
constexpr const char* kHonourConcealed = "111z 22z 34567z 1m 9m 1p 9s";

const FixedAimCase kDragonAndWindCases[] = {
    {"DragonsL3TwoPungsAndAPair", call<aim_big_three_dragons, 3>, "555z 666z 77z 123m 567p", 74, 3},
    {"DragonsL3ThirdDragonSingle", call<aim_big_three_dragons, 3>, "555z 666z 7z 123m 567p 9s"},
    {"DragonsL1TwoPungsAndAPair", call<aim_big_three_dragons, 1>, "555z 666z 77z 123m 567p", 74, 1},
    {"DragonsL2OnePungTwoPairs", call<aim_big_three_dragons, 2>, kDragonPungPairs, 74, 2},
    {"DragonsL2TwoPungs", call<aim_big_three_dragons, 2>, "555z 666z 7z 123m 567p 9s", 74, 2},
    {"DragonsL2OnePungAlone", call<aim_big_three_dragons, 2>, kOneDragonPung},
    {"DragonsL0OneStarted", call<aim_big_three_dragons, 0>, kOneDragonPung},
    {"DragonsL3OnePungTwoPairs", call<aim_big_three_dragons, 3>, kDragonPungPairs},
    {"DragonsThreeOtherMeldsStop", call<aim_big_three_dragons, 0>, "555z 66z", 0, 0, {chow(1), chow(14), pung(29)}},
    {"DragonsTwoOtherMeldsAndADragonMeld", call<aim_big_three_dragons, 0>, "66z 123s", 74, 0,
     {chow(1), chow(14), pung(kWhite)}},
    {"DragonsOneSeenThriceStops", call<aim_big_three_dragons, 0>, "555z 666z 7z 123m 567p 9s", 0, 0, {}, "7z 7z 7z"},
    {"DragonsTwoDeadStop", call<aim_big_three_dragons, 1>, kDragonPungPairs, 0, 0, {}, "6z 6z 7z 7z"},
    {"DragonsOneDead", call<aim_big_three_dragons, 1>, kDragonPungPairs, 74, 1, {}, "6z 6z"},
    {"DragonsLatestDiscardIsNotDead", call<aim_big_three_dragons, 1>, kDragonPungPairs, 74, 1, {}, "6z 6z 7z", kRed},
    {"DragonsThreeDeadStop", call<aim_big_three_dragons, 1>, "55z 66z 77z 123m 567p 99s", 0, 0, {},
     "5z 5z 6z 6z 7z 7z"},
    {"WindsOneWindSeenTwice", call<aim_big_four_winds, 3>, "111z 222z 333z 44z 567m", 73, 1, {}, "4z 4z"},
    {"WindsTwoWindsSeenTwice", call<aim_big_four_winds, 3>, "333z 44z 567m", 73, 0, {pung(kEast), pung(kSouth)}, "", 0,
     0, 5},
    {"WindsL3TwoPungsTwoPairs", call<aim_big_four_winds, 3>, "111z 222z 33z 44z 567m", 73},
    {"WindsL3FourPungs", call<aim_big_four_winds, 3>, "111z 222z 333z 444z 55m", 73},
    {"WindsL3TwoPungsAPair", call<aim_big_four_winds, 3>, kTwoWindPungsAPair},
    {"WindsL1FourPairs", call<aim_big_four_winds, 1>, "11z 22z 33z 44z 567m 9p", 73},
    {"WindsL1ThreePairs", call<aim_big_four_winds, 1>, "11z 22z 33z 4z 567m 123p 9p"},
    {"WindsL2NineTiles", call<aim_big_four_winds, 2>, kTwoWindPungsAPair, 73},
    {"WindsL2EightTiles", call<aim_big_four_winds, 2>, "111z 222z 33z 567m 19p"},
    {"WindsL0ThreeStartedWinds", call<aim_big_four_winds, 0>, "111z 222z 33z 567m 123p", 73},
    {"WindsL0TwoStartedWinds", call<aim_big_four_winds, 0>, "111z 222z 3z 4z 567m 123p"},
    {"WindsDragonMeldStops", call<aim_big_four_winds, 0>, "111z 222z 333z 44z", 0, 0, {pung(kWhite)}},
};
INSTANTIATE_TEST_SUITE_P(DragonsAndWinds, FixedAimCaseTest, ::testing::ValuesIn(kDragonAndWindCases), fixed_aim_case_name);

const FixedAimCase kHonourAndTerminalCases[] = {
    {"HonoursThreePairsAndTenTiles", aim_all_honours, "11z 22z 33z 4567z 1m 9m 1p 9p", 70},
    {"HonoursConcealedFourteenSeen", aim_all_honours, kHonourConcealed, 70, 1, {},
     "3z 3z 3z 4z 4z 4z 5z 5z 5z 6z 6z 6z 7z 7z"},
    {"HonoursConcealedFifteenSeen", aim_all_honours, kHonourConcealed, 0, 0, {},
     "3z 3z 3z 4z 4z 4z 5z 5z 5z 6z 6z 6z 7z 7z 7z"},
    {"HonoursNineTilesFallShort", aim_all_honours, "111z 22z 3456z 1m 9m 1p 9s 5s"},
    {"HonoursHonourMeld", aim_all_honours, "222z 555z 66z 7z 1m", 70, 0, {pung(kEast)}},
    {"HonoursThreeDeadStop", aim_all_honours, "111z 222z 555z 66z 3z 4z 7z", 0, 0, {}, "3z 3z 4z 4z 7z 7z", kRed},
    {"TerminalsPairSeenTwice", call<aim_all_terminals, 0>, kTerminalSets, 0, 0, {}, "1p 1p"},
    {"TerminalsMode1", call<aim_all_terminals, 1>, kTerminalSets, 72, 1},
    {"TerminalsMode1NeedsAPung", call<aim_all_terminals, 1>, "11m 99m 11p 99s 2m 5p 7s 346z"},
    {"TerminalsAndHonoursSimplePungStops", call<aim_all_terminals_and_honours, 0>, "111m 999m 11p 555s 11z"},
    {"TerminalsChowMeldStops", call<aim_all_terminals, 0>, "999m 11p 99p 11s", 0, 0, {chow(1)}},
    {"TerminalsFivePairsWithASimple", call<aim_all_terminals, 0>, "11m 99m 11p 99p 55s 111s 3z"},
    {"TerminalsAndHonoursFivePairsWithAnHonour", call<aim_all_terminals_and_honours, 0>, "11m 99m 11p 99p 55z 111s 3z",
     63},
    {"TerminalsMeldedPungsAreNotDead", call<aim_all_terminals, 0>, "99p 11s 5m", 72, 0, {pung(1), pung(9), pung(11)}},
    {"OrphansPairBonusReachesTheNeed", call<aim_thirteen_orphans, 10, 12>, "1m 9m 1p 9p 1s 9s 1z 22z 3z 2345m", 77, 2},
    {"OrphansNineKindsFallShort", call<aim_thirteen_orphans, 10, 12>, "1m 9m 1p 9p 1s 9s 1z 2z 3z 23456m"},
    {"OrphansOneFullySeenStops", call<aim_thirteen_orphans, 10, 12>, "1m 9m 1p 9p 1s 9s 1z 2z 3z 4z 5z 66z 8m", 0, 0,
     {}, "7z 7z 7z 7z"},
    {"OrphansMeldStops", call<aim_thirteen_orphans, 10, 12>, "19m 19p 19s 23456z", 0, 0, {pung(kEast)}},
    {"OrphansKnittedHandIsBetter", call<aim_thirteen_orphans, 9, 14>, "1m 4m 7m 2p 5p 8p 9s 1234567z"},
    {"OrphansKnittedArrangementWithThreeDeadTiles", call<aim_thirteen_orphans, 9, 10>, "11m 4m 7m 2p 5p 9s 1234567z",
     77, 1, {}, "8p 8p 8p 8p 3s 3s 3s 3s 6s 6s 6s 6s"},
};
INSTANTIATE_TEST_SUITE_P(HonoursAndTerminals, FixedAimCaseTest, ::testing::ValuesIn(kHonourAndTerminalCases),
                         fixed_aim_case_name);

}  // namespace

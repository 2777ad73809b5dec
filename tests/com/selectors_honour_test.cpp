// The honour and terminal selectors on worked hands (seat 1, South, East round).
#include "com/target/selectors.h"
#include "support/aim_fixture.h"

namespace {

constexpr const char* kDragonPungPairs = "555z 66z 77z 123m 567p 9s";
constexpr const char* kThreeWindPungsAPair = "111z 222z 333z 44z 567m";
constexpr const char* kTerminalSets = "111m 999m 11p 99s 2m 5p 7s 3z";
constexpr const char* kHonourConcealed = "111z 22z 34567z 1m 9m 1p 9s";
constexpr const char* kOrphansAndAPair = "1m 9m 1p 9p 1s 9s 1z 2z 3z 4z 5z 66z 8m";
constexpr const char* kKnittedAndOrphans = "1m 4m 7m 2p 5p 8p 9s 1234567z";

const AimCase kDragonAndWindCases[] = {
    {.name = "DragonsL3TwoPungsAndAPair", .aim = call<aim_big_three_dragons, 3>, .hand = "555z 666z 77z 123m 567p",
     .expect = 74, .expect_variant = 3},
    {.name = "DragonsL3ThirdDragonSingle", .aim = call<aim_big_three_dragons, 3>, .hand = "555z 666z 7z 123m 567p 9s"},
    {.name = "DragonsL1TwoPungsAndAPair", .aim = call<aim_big_three_dragons, 1>, .hand = "555z 666z 77z 123m 567p",
     .expect = 74, .expect_variant = 1},
    {.name = "DragonsL2OnePungTwoPairs", .aim = call<aim_big_three_dragons, 2>, .hand = kDragonPungPairs, .expect = 74,
     .expect_variant = 2},
    {.name = "DragonsL3OnePungTwoPairs", .aim = call<aim_big_three_dragons, 3>, .hand = kDragonPungPairs},
    {.name = "DragonsL0TwoLivePairs", .aim = call<aim_big_three_dragons, 0>, .hand = "55z 66z 7z 123m 567p 99s",
     .expect = 74},
    {.name = "DragonsThreeOtherMeldsStop", .aim = call<aim_big_three_dragons, 0>, .hand = "555z 66z",
     .melds = {chow(1), chow(14), pung(29)}},
    {.name = "DragonsTwoOtherMelds", .aim = call<aim_big_three_dragons, 0>, .hand = "555z 66z 123s",
     .melds = {chow(1), chow(14)}, .expect = 74},
    {.name = "DragonsOneSeenThriceStops", .aim = call<aim_big_three_dragons, 0>, .hand = "555z 666z 7z 123m 567p 9s",
     .visible = "7z 7z 7z"},
    {.name = "DragonsOwnMeldSeenThrice", .aim = call<aim_big_three_dragons, 3>, .hand = "666z 77z 123m 5p",
     .melds = {pung(kWhite)}, .expect = 74, .expect_variant = 3},
    {.name = "DragonsTwoDeadStop", .aim = call<aim_big_three_dragons, 1>, .hand = kDragonPungPairs,
     .visible = "6z 6z 7z 7z"},
    {.name = "DragonsOneDead", .aim = call<aim_big_three_dragons, 1>, .hand = kDragonPungPairs, .visible = "6z 6z",
     .expect = 74, .expect_variant = 1},
    {.name = "DragonsLatestDiscardIsNotDead", .aim = call<aim_big_three_dragons, 1>, .hand = kDragonPungPairs,
     .visible = "6z 6z 7z", .latest = kRed, .expect = 74, .expect_variant = 1},
    {.name = "DragonsThreeDeadStop", .aim = call<aim_big_three_dragons, 1>, .hand = "55z 66z 77z 123m 567p 99s",
     .visible = "5z 5z 6z 6z 7z 7z"},
    {.name = "WindsL3ThreePungsAndAPair", .aim = call<aim_big_four_winds, 3>, .hand = kThreeWindPungsAPair,
     .expect = 73},
    {.name = "WindsOneWindSeenTwice", .aim = call<aim_big_four_winds, 3>, .hand = kThreeWindPungsAPair,
     .visible = "4z 4z", .expect = 73, .expect_variant = 1},
    {.name = "WindsTwoWindsSeenTwice", .aim = call<aim_big_four_winds, 3>, .hand = "333z 44z 567m",
     .melds = {pung(kEast), pung(kSouth)}, .variant = 5, .expect = 73},
    {.name = "WindsL1FourPairs", .aim = call<aim_big_four_winds, 1>, .hand = "11z 22z 33z 44z 567m 9p", .expect = 73},
    {.name = "WindsL3FourPairs", .aim = call<aim_big_four_winds, 3>, .hand = "11z 22z 33z 44z 567m 9p"},
    {.name = "WindsL2NineTiles", .aim = call<aim_big_four_winds, 2>, .hand = "111z 222z 33z 4z 567m 9p", .expect = 73},
    {.name = "WindsL2EightTiles", .aim = call<aim_big_four_winds, 2>, .hand = "111z 222z 33z 567m 19p"},
    {.name = "WindsL0TwoStartedWinds", .aim = call<aim_big_four_winds, 0>, .hand = "111z 222z 3z 4z 567m 123p"},
    {.name = "WindsDragonMeldStops", .aim = call<aim_big_four_winds, 0>, .hand = "111z 222z 333z 44z",
     .melds = {pung(kWhite)}},
};
INSTANTIATE_TEST_SUITE_P(DragonsAndWinds, AimCaseTest, ::testing::ValuesIn(kDragonAndWindCases), aim_case_name);

const AimCase kHonourAndTerminalCases[] = {
    {.name = "HonoursPungRoute", .aim = aim_all_honours, .hand = "111z 222z 555z 66z 77z 1m", .expect = 70},
    {.name = "HonoursThreePairsAndTenTiles", .aim = aim_all_honours, .hand = "11z 22z 33z 4567z 1m 9m 1p 9p",
     .expect = 70},
    {.name = "HonoursConcealedRoute", .aim = aim_all_honours, .hand = kHonourConcealed, .expect = 70,
     .expect_variant = 1},
    {.name = "HonoursConcealedFourteenSeen", .aim = aim_all_honours, .hand = kHonourConcealed,
     .visible = "3z 3z 3z 4z 4z 4z 5z 5z 5z 6z 6z 6z 7z 7z", .expect = 70, .expect_variant = 1},
    {.name = "HonoursConcealedFifteenSeen", .aim = aim_all_honours, .hand = kHonourConcealed,
     .visible = "3z 3z 3z 4z 4z 4z 5z 5z 5z 6z 6z 6z 7z 7z 7z"},
    {.name = "HonoursNineTilesFallShort", .aim = aim_all_honours, .hand = "111z 22z 3456z 1m 9m 1p 9s 5s"},
    {.name = "HonoursHonourMeld", .aim = aim_all_honours, .hand = "222z 555z 66z 7z 1m", .melds = {pung(kEast)},
     .expect = 70},
    {.name = "HonoursSuitedMeldStops", .aim = aim_all_honours, .hand = "111z 222z 555z 66z", .melds = {pung(1)}},
    {.name = "HonoursTwoDead", .aim = aim_all_honours, .hand = "111z 222z 555z 66z 3z 4z 7z", .visible = "3z 3z 4z 4z",
     .expect = 70},
    {.name = "HonoursThreeDeadStop", .aim = aim_all_honours, .hand = "111z 222z 555z 66z 3z 4z 7z",
     .visible = "3z 3z 4z 4z 7z 7z"},
    {.name = "TerminalsFourSets", .aim = call<aim_all_terminals, 0>, .hand = kTerminalSets, .expect = 72},
    {.name = "TerminalsPairSeenTwice", .aim = call<aim_all_terminals, 0>, .hand = kTerminalSets, .visible = "1p 1p"},
    {.name = "TerminalsMode1", .aim = call<aim_all_terminals, 1>, .hand = kTerminalSets, .expect = 72,
     .expect_variant = 1},
    {.name = "TerminalsMode1NeedsAPung", .aim = call<aim_all_terminals, 1>, .hand = "11m 99m 11p 99s 2m 5p 7s 346z"},
    {.name = "TerminalsHonourPungStops", .aim = call<aim_all_terminals, 0>, .hand = "111m 999m 11p 99s 111z 5p"},
    {.name = "TerminalsAndHonoursTakeIt", .aim = call<aim_all_terminals_and_honours, 0>,
     .hand = "111m 999m 11p 99s 111z 5p", .expect = 63},
    {.name = "TerminalsAndHonoursSimplePungStops", .aim = call<aim_all_terminals_and_honours, 0>,
     .hand = "111m 999m 11p 555s 11z"},
    {.name = "TerminalsSimpleMeldStops", .aim = call<aim_all_terminals, 0>, .hand = "111m 999m 11p 99s",
     .melds = {pung(5)}},
    {.name = "TerminalsFivePairsWithASimple", .aim = call<aim_all_terminals, 0>, .hand = "11m 99m 11p 99p 55s 111s 3z"},
    {.name = "TerminalsFivePairsOpenHand", .aim = call<aim_all_terminals, 0>, .hand = "11m 99m 11p 99p 55s",
     .melds = {pung(21)}, .expect = 72},
    {.name = "TerminalsAndHonoursFivePairsWithAnHonour", .aim = call<aim_all_terminals_and_honours, 0>,
     .hand = "11m 99m 11p 99p 55z 111s 3z", .expect = 63},
    {.name = "TerminalsMeldedPungsAreNotDead", .aim = call<aim_all_terminals, 0>, .hand = "99p 11s 5m",
     .melds = {pung(1), pung(9), pung(11)}, .expect = 72},
    {.name = "OrphansTwelveKindsAndAPair", .aim = call<aim_thirteen_orphans, 10, 12>, .hand = kOrphansAndAPair,
     .expect = 77, .expect_variant = 2},
    {.name = "OrphansPairBonusReachesTheNeed", .aim = call<aim_thirteen_orphans, 10, 12>,
     .hand = "1m 9m 1p 9p 1s 9s 1z 22z 3z 2345m", .expect = 77, .expect_variant = 2},
    {.name = "OrphansNineKindsFallShort", .aim = call<aim_thirteen_orphans, 10, 12>,
     .hand = "1m 9m 1p 9p 1s 9s 1z 2z 3z 23456m"},
    {.name = "OrphansOneFullySeenStops", .aim = call<aim_thirteen_orphans, 10, 12>, .hand = kOrphansAndAPair,
     .visible = "7z 7z 7z 7z"},
    {.name = "OrphansMeldStops", .aim = call<aim_thirteen_orphans, 10, 12>, .hand = "19m 19p 19s 23456z",
     .melds = {pung(kEast)}},
    {.name = "OrphansKnittedHandIsBetter", .aim = call<aim_thirteen_orphans, 9, 12>, .hand = kKnittedAndOrphans},
    {.name = "OrphansKnittedBelowTheLimit", .aim = call<aim_thirteen_orphans, 9, 15>, .hand = kKnittedAndOrphans,
     .expect = 77},
};
INSTANTIATE_TEST_SUITE_P(HonoursAndTerminals, AimCaseTest, ::testing::ValuesIn(kHonourAndTerminalCases),
                         aim_case_name);

}  // namespace

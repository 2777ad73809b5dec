// The outside-hand selector on worked hands: its refusals, the pung,
// terminal-chow, double-wind and general routes. Seat 1 is South with
// dealer 0 and East (the round's wind in the East round) with dealer 1.
#include "com/target/selectors.h"
#include "support/aim_case.h"

namespace {

using Call = void (*)(int seat);
constexpr Call kOutside00 = [](int s) { aim_outside_hand(s, 0, 0); };
constexpr Call kOutside02 = [](int s) { aim_outside_hand(s, 0, 2); };
constexpr Call kOutside03 = [](int s) { aim_outside_hand(s, 0, 3); };
constexpr Call kOutside20 = [](int s) { aim_outside_hand(s, 2, 0); };
constexpr Call kOutside30 = [](int s) { aim_outside_hand(s, 3, 0); };

constexpr const char* kOrphanPairs = "999p 11z 22z 13s 5z 6z";
constexpr const char* kTerminalChows = "123s 789s 11m";
constexpr const char* kFiveGroups = "123m 89m 12s 55z 4p 5p";
constexpr const char* kDoubleWindSet = "111z 123m 789m 123p 12s";
constexpr const char* kWindPair = "11z 123m 789m 123p 99s 7s";

const AimCase kCases[] = {
    {.name = "AMiddleChowMeldRefusesAtOnce", .call = kOutside03, .hand = kFiveGroups, .expect = "0:0",
     .melds = "c2p"},
    {.name = "ThePungRouteIgnoresTheOpenCalls", .call = kOutside30, .hand = kOrphanPairs, .expect = "23:3",
     .melds = "p7z"},
    {.name = "TooFewOpenCallsStopTheOtherRoutes", .call = kOutside30, .hand = kTerminalChows, .expect = "0:0",
     .melds = "c1m c7p"},
    {.name = "TerminalChowsWithAPairOfNines", .call = kOutside20, .hand = kTerminalChows, .expect = "23:1",
     .melds = "c1m c7p"},
    {.name = "TwoMiddleTilesRefuseEvenThePungRoute", .call = kOutside02, .hand = "999p 11z 22z 45s 6z",
     .expect = "0:0", .melds = "p1m"},
    {.name = "TwoMiddleTilesPassWithADrawnTile", .call = kOutside02, .hand = "123m 789m 123p 99s 45s 1z",
     .expect = "23:0"},
    {.name = "TwoMiddleTilesRefusedFartherFromReady", .call = kOutside02, .hand = "123m 789m 123p 99s 45s 1z",
     .expect = "0:0", .min_shanten = 2},
    {.name = "APairOfOnesBesideATwo", .call = kOutside02, .hand = "112m 789m 123p 789s 5z 9p", .expect = "23:0"},
    {.name = "APairOfNinesBesideAnEight", .call = kOutside02, .hand = "899m 123m 789p 123s 5z 1p", .expect = "23:0"},
    {.name = "APungMeldIsASet", .call = kOutside03, .hand = "123p 11s 12m 5z 9p 4m 6m", .expect = "23:0",
     .melds = "p9m"},
    {.name = "ModeThreeTakesFiveGroups", .call = kOutside03, .hand = kFiveGroups, .expect = "23:0",
     .melds = "c7p"},
    {.name = "ADoubleWindSet", .call = kOutside00, .hand = kDoubleWindSet, .expect = "23:2", .dealer = 1},
    {.name = "ModeZeroWantsAPairWithoutIt", .call = kOutside00, .hand = kDoubleWindSet, .expect = "0:0"},
    {.name = "DoubleWindPair", .call = kOutside00, .hand = kWindPair, .expect = "23:2", .dealer = 1},
    {.name = "ConcealedWithoutTheDoubleWind", .call = kOutside00, .hand = kWindPair, .expect = "23:4"},
};

class OutsideAims : public AimCaseTest {};

TEST_P(OutsideAims, WorkedHand) { check(GetParam()); }
INSTANTIATE_TEST_SUITE_P(Outside, OutsideAims, ::testing::ValuesIn(kCases), aim_case_name);

}  // namespace

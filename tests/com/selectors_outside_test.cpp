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

constexpr const char* kOrphanPairs = "999p 11z 22z 55z 13s";
constexpr const char* kTerminalChows = "123s 789s 99m";
constexpr const char* kTwoMiddleTiles = "123m 789m 123p 99s 45s";
constexpr const char* kWindPair = "11z 123m 789m 123p 99s 7s";

const AimCase kCases[] = {
    {.name = "AMiddleChowMeldRefusesAtOnce", .call = kOutside03, .hand = kOrphanPairs, .expect = "0:0",
     .melds = "c2m"},
    {.name = "ThePungRouteIgnoresTheOpenCalls", .call = kOutside30, .hand = kOrphanPairs, .expect = "23:3",
     .melds = "p1m"},
    {.name = "TooFewOpenCallsStopTheOtherRoutes", .call = kOutside30, .hand = kTerminalChows, .expect = "0:0",
     .melds = "c1m c7p"},
    {.name = "TerminalChowsWithAPairOfNines", .call = kOutside20, .hand = kTerminalChows, .expect = "23:1",
     .melds = "c1m c7p"},
    {.name = "TwoMiddleTilesRefusedBetweenTurns", .call = kOutside02, .hand = kTwoMiddleTiles, .expect = "0:0"},
    {.name = "TwoMiddleTilesPassWithADrawnTile", .call = kOutside02, .hand = "123m 789m 123p 99s 45s 1z",
     .expect = "23:0"},
    {.name = "DoubleWindPair", .call = kOutside00, .hand = kWindPair, .expect = "23:2", .dealer = 1},
    {.name = "ConcealedWithoutTheDoubleWind", .call = kOutside00, .hand = kWindPair, .expect = "23:4"},
};

class OutsideAims : public AimCaseTest {};

TEST_P(OutsideAims, WorkedHand) { check(GetParam()); }
INSTANTIATE_TEST_SUITE_P(Outside, OutsideAims, ::testing::ValuesIn(kCases), aim_case_name);

}  // namespace

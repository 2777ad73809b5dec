// The leftover keepers on the tiles a template aim leaves: the hand is the
// seat's whole concealed hand, the pool what the template keeper left of it.
#include "com/aimed/aimed_rules.h"
#include "com/target/com_target.h"
#include "support/keeper_fixture.h"

namespace {

const std::vector<std::pair<int, int>> kOneAlternate{{33, 1}};
const std::vector<std::pair<int, int>> kAllAlternates{{33, 1}, {33, 2}, {33, 3}, {35, 0}, {27, 1}};

class LeftoverKeeper : public KeeperTest, public ::testing::WithParamInterface<KeeperCase> {};

TEST_P(LeftoverKeeper, KeepsTheShapeLeft) { check(GetParam()); }

const KeeperCase kCases[] = {
    // a chow with one end doubled, free on both sides and live
    {.name = "ChowWithPairOnTop", .keeper = keep_leftover_shapes, .target = 49,
     .hand = "123456m 78m 3455p 9s 1z", .kept = "3455p", .yaku = 90, .subcode = kOldYaku, .pool = "3455p 9s 1z"},
    {.name = "ChowWithPairAtBottom", .keeper = keep_leftover_shapes, .target = 34, .variant = 0,
     .hand = "1m 12p 3s 2234s 7m 1z", .kept = "2234s", .yaku = 90, .subcode = kOldYaku, .pool = "2234s 7m 1z"},
    {.name = "ChowWithPairBesideAnotherPair", .keeper = keep_leftover_shapes, .target = 49,
     .hand = "123456m 78m 3455p 99s", .pool = "3455p 99s"},
    {.name = "ChowWithPairTouched", .keeper = keep_leftover_shapes, .target = 49, .hand = "123456m 345579p",
     .pool = "345579p"},
    {.name = "ChowWithPairSeenOut", .keeper = keep_leftover_shapes, .target = 49, .hand = "123456m 78m 3455p 9s 1z",
     .pool = "3455p 9s 1z", .visible = "222p"},
    {.name = "ChowWithPairAllAlternates", .keeper = keep_leftover_shapes, .target = 49, .hand = "123456m 78m 3455p 9s 1z",
     .pool = "3455p 9s 1z", .alternates = kAllAlternates},
    // four singles in a row, live at both ends
    {.name = "RunOfFour", .keeper = keep_leftover_shapes_b, .target = 43, .variant = 0, .hand = "147m 8p 369s 2345p 9m 12z",
     .kept = "2345p", .yaku = 91, .subcode = kOldYaku, .pool = "2345p 12z", .visible = "55p"},
    {.name = "RunOfFourSeenOut", .keeper = keep_leftover_shapes_b, .target = 43, .hand = "147m 8p 369s 2345p 9m 12z",
     .pool = "2345p 12z", .visible = "2p 55p"},
    {.name = "RunOfFourTouched", .keeper = keep_leftover_shapes_b, .target = 49, .hand = "123456m 2345p 7p 1z",
     .pool = "2345p 7p 1z"},
    {.name = "RunOfFourBesideAPair", .keeper = keep_leftover_shapes_b, .target = 49, .hand = "123456m 2345p 11z",
     .pool = "2345p 11z"},
    // seven tiles of two sets: the pair beside a run
    {.name = "PairAfterTheLowestChow", .keeper = keep_leftover_pairs, .target = 35, .hand = "123m 5677s 456p 789s",
     .kept = "77s", .yaku = 93, .subcode = kOldYaku, .pool = "123m 5677s"},
    {.name = "PairAfterTheHighestChow", .keeper = keep_leftover_pairs, .target = 35, .hand = "1123m 456s 789p 4m 7z",
     .kept = "11m", .yaku = 93, .subcode = kOldYaku, .pool = "1123m 456s"},
    {.name = "PairWithNoChowSetAside", .keeper = keep_leftover_pairs, .target = 35, .hand = "5677s 111z 123m 456m",
     .kept = "77s", .yaku = 93, .subcode = kOldYaku, .pool = "5677s 111z"},
    {.name = "OneSetOnly", .keeper = keep_leftover_pairs, .target = 35, .hand = "1223m 567z 456s", .pool = "1223m 567z"},
    {.name = "PartialsAreNoSets", .keeper = keep_leftover_pairs, .target = 35, .hand = "123456p 23m 56s 77s 9p",
     .pool = "23m 56s 77s 9p"},
    {.name = "PairInsideTheRun", .keeper = keep_leftover_pairs, .target = 35, .hand = "1223m 456s 789p 1z",
     .kept = "22m", .yaku = 93, .subcode = kOldYaku, .pool = "1223m 456s"},
    {.name = "PairBelowTheHighestChow", .keeper = keep_leftover_pairs, .target = 35, .hand = "33455m 67m 789p 1z",
     .kept = "33m", .yaku = 93, .subcode = kOldYaku, .pool = "33455m 67m"},
    {.name = "SuitedTripleIsNoSet", .keeper = keep_leftover_pairs, .target = 35, .hand = "5677s 111p 123m 456m",
     .pool = "5677s 111p"},
    // one pair to keep
    {.name = "OneFreePair", .keeper = keep_leftover_pair_a, .target = 47, .hand = "123456m 55p 9s 1m 3z",
     .kept = "55p", .pool = "55p 9s 1m 3z"},
    {.name = "PairInsideADoubledChowBesideAnOpenWait", .keeper = keep_leftover_pair_a, .target = 47,
     .hand = "123456m 4556p 78s 1z", .kept = "55p", .pool = "4556p 78s 1z"},
    {.name = "PairWithOneNeighbourIsFree", .keeper = keep_leftover_pair_a, .target = 47, .hand = "123456m 556p 9s 1z",
     .kept = "55p", .pool = "556p 9s 1z"},
    {.name = "TripleIsNoPartOfAFiveBlock", .keeper = keep_leftover_pair_a, .target = 47, .hand = "123456m 44456p 99s",
     .kept = "99s", .pool = "44456p 99s"},
    {.name = "DoubledChowBesideADeadWait", .keeper = keep_leftover_pair_a, .target = 47, .hand = "123456m 4556p 78s 1z",
     .pool = "4556p 78s 1z", .visible = "9999s"},
    {.name = "DoubledChowBesideALowDeadWait", .keeper = keep_leftover_pair_a, .target = 47,
     .hand = "123456m 4556p 78s 1z", .pool = "4556p 78s 1z", .visible = "6666s"},
    {.name = "PairsAcrossAGapAreNoDoubledChow", .keeper = keep_leftover_pair_a, .target = 47,
     .hand = "123456m 23m 44s 66s 9p", .pool = "23m 44s 66s 9p"},
    {.name = "PairBesideAnOpenWaitAtTwo", .keeper = keep_leftover_pair_a, .target = 47, .hand = "123456m 4556p 23s 1z",
     .kept = "55p", .pool = "4556p 23s 1z"},
    {.name = "IsolatedFiveTiles", .keeper = keep_leftover_pair_a, .target = 47, .hand = "123456m 45566p 9s 1z",
     .pool = "45566p 9s 1z"},
    {.name = "HonourPairBetweenHonours", .keeper = keep_leftover_pair_a, .target = 47, .hand = "123456m 1z 22z 3z 5m 9p",
     .pool = "1z 22z 3z 5m 9p"},
    {.name = "LonePairStays", .keeper = keep_leftover_pair_a, .target = 47, .hand = "123456789m 55p", .pool = "55p"},
    // five pairs and an honour pair
    {.name = "FivePairsKept", .keeper = keep_pairs_or_chiitoi, .target = 27, .hand = "11m 22m 55p 77p 11z 3579s",
     .kept = "1122m", .yaku = 56, .subcode = kOldYaku, .pool = "11m 22m 3s"},
    {.name = "FourOfAKindIsTwoPairs", .keeper = keep_pairs_or_chiitoi, .target = 27, .hand = "1111m 55p 77p 11z 3579s",
     .kept = "1111m", .yaku = 56, .subcode = kOldYaku, .pool = "1111m 3s"},
    {.name = "TripleStays", .keeper = keep_pairs_or_chiitoi, .target = 27, .hand = "111m 22m 55p 77p 11z 357s",
     .kept = "22m", .yaku = 56, .subcode = kOldYaku, .pool = "111m 22m 3s"},
    {.name = "FivePairsDeclaredMeld", .keeper = keep_pairs_or_chiitoi, .target = 27, .hand = "11m 22m 55p 77p 11z 3s",
     .melds = {{kMeldChow, 21}}, .pool = "11m 22m 3s"},
    {.name = "FivePairsTwoHonourPairs", .keeper = keep_pairs_or_chiitoi, .target = 27, .hand = "11m 22m 55p 11z 22z 357s",
     .pool = "11m 22m 3s"},
    {.name = "FivePairsOtherAim", .keeper = keep_pairs_or_chiitoi, .target = 33, .hand = "11m 22m 55p 77p 11z 3579s",
     .pool = "11m 22m 3s"},
    // a finished group alone: the whole hand back
    {.name = "LoneChowGivesTheHandBack", .keeper = keep_leftover_pair_b, .target = 49,
     .hand = "123456789m 678s 12z", .pool = "678s", .alternates = kOneAlternate, .rebuilds = true},
    {.name = "LoneTripleGivesTheHandBack", .keeper = keep_leftover_pair_b, .target = 49,
     .hand = "123456789m 555p 1z", .pool = "555p", .alternates = kOneAlternate, .rebuilds = true},
    {.name = "LonePairGivesTheHandBack", .keeper = keep_leftover_pair_b, .target = 49, .hand = "123456789m 55p 1z",
     .pool = "55p", .alternates = kOneAlternate, .rebuilds = true},
    {.name = "ThreeTilesNoGroup", .keeper = keep_leftover_pair_b, .target = 49, .hand = "123456789m 67s 9p 1z",
     .pool = "67s 9p", .alternates = kOneAlternate},
    {.name = "ChowAndMore", .keeper = keep_leftover_pair_b, .target = 49, .hand = "123456789m 678s 12z",
     .pool = "678s 1z", .alternates = kOneAlternate},
    {.name = "PairAndMore", .keeper = keep_leftover_pair_b, .target = 49, .hand = "123456789m 55p 9s", .pool = "55p 9s",
     .alternates = kOneAlternate},
    {.name = "LoneChowNoAlternate", .keeper = keep_leftover_pair_b, .target = 49, .hand = "123456789m 678s 12z",
     .pool = "678s"},
};
INSTANTIATE_TEST_SUITE_P(LeftoverKeepers, LeftoverKeeper, ::testing::ValuesIn(kCases), keeper_case_name);

TEST_F(KeeperTest, NothingButPairsTurnsToSevenPairs) {
  set_hand("11m 22m 55p 77p 11z 3579s", "11m 22m 11z");
  set_target(27, 13);
  keep_pairs_or_chiitoi(kSeat);
  EXPECT_EQ(g_ai_target_yaku[kSeat], 56);
  EXPECT_EQ(g_ai_target_variant[kSeat], 0);
  EXPECT_EQ(pool_text(), "1122m 5577p 3579s 11z");
}

}  // namespace

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
    {"ChowWithPairOnTop", keep_leftover_shapes, 49, 0, "123456m 78m 3455p 9s 1z", "3455p", 90, kOldYaku, {},
     "3455p 9s 1z"},
    {"ChowWithPairAtRankFour", keep_leftover_shapes, 49, 0, "123456m 78m 2344p 9s 1z", "2344p", 90, kOldYaku, {},
     "2344p 9s 1z"},
    {"ChowWithPairAtBottom", keep_leftover_shapes, 34, 0, "1m 12p 3s 2234s 7m 1z", "2234s", 90, kOldYaku, {},
     "2234s 7m 1z"},
    {"ChowWithPairBesideAnotherPair", keep_leftover_shapes, 49, 0, "123456m 78m 3455p 99s", "", 0, 0, {}, "3455p 99s"},
    {"ChowWithPairTouched", keep_leftover_shapes, 49, 0, "123456m 345579p", "", 0, 0, {}, "345579p"},
    {"ChowWithPairSeenOut", keep_leftover_shapes, 49, 0, "123456m 78m 3455p 9s 1z", "", 0, 0, {}, "3455p 9s 1z", {},
     "222p"},
    {"ChowWithPairAllAlternates", keep_leftover_shapes, 49, 0, "123456m 78m 3455p 9s 1z", "", 0, 0, {}, "3455p 9s 1z",
     kAllAlternates},
    // four singles in a row, live at both ends
    {"RunOfFour", keep_leftover_shapes_b, 43, 0, "147m 8p 369s 2345p 9m 12z", "2345p", 91, kOldYaku, {}, "2345p 12z",
     {}, "55p"},
    {"RunOfFourSeenOut", keep_leftover_shapes_b, 43, 0, "147m 8p 369s 2345p 9m 12z", "", 0, 0, {}, "2345p 12z", {},
     "2p 55p"},
    {"RunOfFourTouched", keep_leftover_shapes_b, 49, 0, "123456m 2345p 7p 1z", "", 0, 0, {}, "2345p 7p 1z"},
    {"RunOfFourBesideAPair", keep_leftover_shapes_b, 49, 0, "123456m 2345p 11z", "", 0, 0, {}, "2345p 11z"},
    // seven tiles of two sets: the pair beside a run
    {"PairAfterTheLowestChow", keep_leftover_pairs, 35, 0, "123m 5677s 456p 789s", "77s", 93, kOldYaku, {},
     "123m 5677s"},
    {"PairAfterTheHighestChow", keep_leftover_pairs, 35, 0, "1123m 456s 789p 4m 7z", "11m", 93, kOldYaku, {},
     "1123m 456s"},
    {"PairWithNoChowSetAside", keep_leftover_pairs, 35, 0, "5677s 111z 123m 456m", "77s", 93, kOldYaku, {},
     "5677s 111z"},
    {"OneSetOnly", keep_leftover_pairs, 35, 0, "1223m 567z 456s", "", 0, 0, {}, "1223m 567z"},
    {"PartialsAreNoSets", keep_leftover_pairs, 35, 0, "123456p 23m 56s 77s 9p", "", 0, 0, {}, "23m 56s 77s 9p"},
    {"PairInsideTheRun", keep_leftover_pairs, 35, 0, "1223m 456s 789p 1z", "22m", 93, kOldYaku, {}, "1223m 456s"},
    {"PairBelowTheHighestChow", keep_leftover_pairs, 35, 0, "33455m 67m 789p 1z", "33m", 93, kOldYaku, {},
     "33455m 67m"},
    {"SuitedTripleIsNoSet", keep_leftover_pairs, 35, 0, "5677s 111p 123m 456m", "", 0, 0, {}, "5677s 111p"},
    // one pair to keep
    {"OneFreePair", keep_leftover_pair_a, 47, 0, "123456m 55p 9s 1m 3z", "55p", 0, 0, {}, "55p 9s 1m 3z"},
    {"PairInsideADoubledChowBesideAnOpenWait", keep_leftover_pair_a, 47, 0, "123456m 4556p 78s 1z", "55p", 0, 0, {},
     "4556p 78s 1z"},
    {"PairWithOneNeighbourIsFree", keep_leftover_pair_a, 47, 0, "123456m 556p 9s 1z", "55p", 0, 0, {}, "556p 9s 1z"},
    {"TripleIsNoPartOfAFiveBlock", keep_leftover_pair_a, 47, 0, "123456m 44456p 99s", "99s", 0, 0, {}, "44456p 99s"},
    {"DoubledChowBesideADeadWait", keep_leftover_pair_a, 47, 0, "123456m 4556p 78s 1z", "", 0, 0, {}, "4556p 78s 1z",
     {}, "9999s"},
    {"DoubledChowBesideALowDeadWait", keep_leftover_pair_a, 47, 0, "123456m 4556p 78s 1z", "", 0, 0, {}, "4556p 78s 1z",
     {}, "6666s"},
    {"PairsAcrossAGapAreNoDoubledChow", keep_leftover_pair_a, 47, 0, "123456m 23m 44s 66s 9p", "", 0, 0, {},
     "23m 44s 66s 9p"},
    {"PairBesideAnOpenWaitAtTwo", keep_leftover_pair_a, 47, 0, "123456m 4556p 23s 1z", "55p", 0, 0, {}, "4556p 23s 1z"},
    {"IsolatedFiveTiles", keep_leftover_pair_a, 47, 0, "123456m 45566p 9s 1z", "", 0, 0, {}, "45566p 9s 1z"},
    {"HonourPairBetweenHonours", keep_leftover_pair_a, 47, 0, "123456m 1z 22z 3z 5m 9p", "", 0, 0, {},
     "1z 22z 3z 5m 9p"},
    {"LonePairStays", keep_leftover_pair_a, 47, 0, "123456789m 55p", "", 0, 0, {}, "55p"},
    // five pairs and an honour pair
    {"FivePairsKept", keep_pairs_or_chiitoi, 27, 0, "11m 22m 55p 77p 11z 3579s", "1122m", 56, kOldYaku, {},
     "11m 22m 3s"},
    {"FourOfAKindIsTwoPairs", keep_pairs_or_chiitoi, 27, 0, "1111m 55p 77p 11z 3579s", "1111m", 56, kOldYaku, {},
     "1111m 3s"},
    {"TripleStays", keep_pairs_or_chiitoi, 27, 0, "111m 22m 55p 77p 11z 357s", "22m", 56, kOldYaku, {}, "111m 22m 3s"},
    {"FivePairsDeclaredMeld", keep_pairs_or_chiitoi, 27, 0, "11m 22m 55p 77p 11z 3s", "", 0, 0, {{kMeldChow, 21}},
     "11m 22m 3s"},
    {"FivePairsTwoHonourPairs", keep_pairs_or_chiitoi, 27, 0, "11m 22m 55p 11z 22z 357s", "", 0, 0, {}, "11m 22m 3s"},
    {"FivePairsOtherAim", keep_pairs_or_chiitoi, 33, 0, "11m 22m 55p 77p 11z 3579s", "", 0, 0, {}, "11m 22m 3s"},
    // a finished group alone: the whole hand back
    {"LoneChowGivesTheHandBack", keep_leftover_pair_b, 49, 0, "123456789m 678s 12z", "", 0, 0, {}, "678s",
     kOneAlternate, "", "", true},
    {"LoneTripleGivesTheHandBack", keep_leftover_pair_b, 49, 0, "123456789m 555p 1z", "", 0, 0, {}, "555p",
     kOneAlternate, "", "", true},
    {"LonePairGivesTheHandBack", keep_leftover_pair_b, 49, 0, "123456789m 55p 1z", "", 0, 0, {}, "55p", kOneAlternate,
     "", "", true},
    {"ThreeTilesNoGroup", keep_leftover_pair_b, 49, 0, "123456789m 67s 9s 1z", "", 0, 0, {}, "67s 9s", kOneAlternate},
    {"ChowAndMore", keep_leftover_pair_b, 49, 0, "123456789m 678s 12z", "", 0, 0, {}, "678s 1z", kOneAlternate},
    {"PairAndMore", keep_leftover_pair_b, 49, 0, "123456789m 55p 9s", "", 0, 0, {}, "55p 9s", kOneAlternate},
    {"LoneChowNoAlternate", keep_leftover_pair_b, 49, 0, "123456789m 678s 12z", "", 0, 0, {}, "678s"},
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

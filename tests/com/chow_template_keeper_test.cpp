// The chow-template keeper: how close a hand is to each template, and which
// templates the three attempts keep.
#include "com/aimed/aimed_rules.h"
#include "com/aimed/chow_template_keeper.h"
#include "support/keeper_fixture.h"

namespace {

constexpr int P = kMeldPung, C = kMeldChow;

struct ValueCase {
  const char* name;
  const char* hand;
  int yaku;
  int variant;
  int value;
  std::vector<Meld> melds = {};
};

class ChowTemplateValue : public KeeperTest, public ::testing::WithParamInterface<ValueCase> {};

TEST_P(ChowTemplateValue, RatesTheWholeHand) {
  const ValueCase& c = GetParam();
  set_hand(c.hand);
  declare(c.melds);
  EXPECT_EQ(chow_template_value(kSeat, c.yaku, c.variant), c.value) << c.name;
}

// Value: 8 below six matched tiles, else base - matched (not below 0); the
// base 8 for one set and a pair, 9 for a set, two pairs or a pair and a
// partial, 10 for a pair or a partial, 11 for nothing.
const ValueCase kValues[] = {
    {"FewerThanSixMatched", "12m 45m 9m 159p 159s 123z", 49, 0, 8},
    {"TwoSetsAndAPair", "123456m 456p 789p 99s", 49, 0, 3},
    {"OneSetAndAPair", "1234567m 456p 12p 99s", 49, 0, 1},
    {"MatchedPastTheBase", "123456789m 123p 55s", 49, 0, 0},
    {"ClosedPartials", "123456789m 13p 5s 7s 1z", 49, 0, 1},
    {"PairBelowChow", "123456m 11234s 5p 9p 7z", 49, 0, 2},
    {"ChowOfNines", "123m 123p 123s 789p 99s", 33, 1, 0},
    {"RunBeyondTheFirstChow", "123456m 3456p 55s 9s 1z", 49, 0, 2},
    {"PairBelowGappedRun", "123456m 1124s 5p 9p 7z", 49, 0, 3},
    {"RunBelowPairNeedsItsThirdTile", "123456m 2344s 5p 9p 12z", 49, 0, 3},
    {"TripleIsASet", "123456m 555p 99s 123z", 49, 0, 2},
    {"ASetAlone", "123456m 789p 159s 35z", 49, 0, 3},
    {"TwoPairsAlone", "123456m 55p 99s 1357z", 49, 0, 3},
    {"PairBelowChowSetsOneSet", "123456m 55678p", 49, 0, 2, {{P, 31}}},
    {"PairBelowTheTopChow", "123456m 66789s 9p 12z", 49, 0, 2},
    {"PairAboveChowSetsOneSet", "123456m 67899p", 49, 0, 2, {{P, 31}}},
    // The chow with the pair above it goes first: one set and a pair, not a
    // chow and a pung (two sets), nor two chows and a closed partial.
    {"PairAboveChowBeforeThePung", "123456m 123444p 9s 7z", 49, 0, 2},
    {"PairAboveChowBeforeTwoChows", "123456m 23444566p", 49, 0, 2},
    {"PairAboveAGappedRunIsNoChow", "123456m 1244p 1344s", 49, 0, 3},
    {"DoubledChowCountsAPair", "123456m 123p 4456s 7z", 49, 0, 2},
    {"DeclaredChowMatchesThree", "123p 4p 78p 5s 9s 11z 2z", 49, 1, 2, {{C, 14}}},
    {"ShiftedChowsOverlap", "12223333444s 123z", 47, 20, 1},
    {"VariantPastTheSuit", "678m 789p 89s 123z", 27, 16, 8},
    {"NegativeVariant", "11112222m 3333p 12z", 47, -1, 8},
};
INSTANTIATE_TEST_SUITE_P(ChowTemplate, ChowTemplateValue, ::testing::ValuesIn(kValues),
                         [](const auto& info) { return std::string(info.param.name); });

class ChowTemplateKeeper : public KeeperTest, public ::testing::WithParamInterface<KeeperCase> {};

TEST_P(ChowTemplateKeeper, KeepsTheClosestTemplates) { check(GetParam()); }

constexpr int kOld = kOldSubcode;  // the keeper writes no sub-code

const KeeperCase kCases[] = {
    {"UnratedTargetStillKept", keep_chow_template, 49, 0, "12m 45m 9m 159p 159s 123z", "12459m", 49, kOld},
    {"MixedShiftedChows", keep_chow_template, 27, 13, "345m 456s 567p 99m 123z", "345m 456s 567p", 27, kOld},
    {"MixedStraight", keep_chow_template, 35, 4, "123s 456m 789p 55z 123z", "123s 456m 789p", 35, kOld},
    {"OverlapsKeptAsOftenAsNeeded", keep_chow_template, 47, 20, "12223333444s 123z", "12233344s", 47, kOld},
    {"DeclaredChowStays", keep_chow_template, 49, 1, "123p 4p 78p 5s 9s 11z 2z", "12378p", 49, kOld, {{C, 14}}},
    {"EveryUnratedChoiceKept", keep_chow_template, 49, 0, "12m 1p 2s 45p 7s 9m 9p 9s 55z 66z", "12m 9m 1p 2s 9p", 49,
     kOld, {}, "", {{33, 1}, {35, 1}}},
    {"PairAndSinglesLeftAreFine", keep_chow_template, 49, 0, "12m 9m 1p 2s 9p 4p 7s 9s 55z", "12m 9m 1p 2s 9p", 49,
     kOld, {{P, 36}}, "", {{33, 1}, {35, 1}}},
    {"FiveLeftWithoutAPairAreFine", keep_chow_template, 49, 0, "12m 9m 1p 2s 9p 4p 7s 9s 56z", "12m 9m 1p 2s 9p", 49,
     kOld, {{P, 37}}, "", {{33, 1}, {35, 1}}},
    {"TripleAndPairLeftNarrow", keep_chow_template, 49, 0, "12m 9m 1p 2s 9p 555p 99s", "12m 9m 1p 2s", 49, kOld,
     {{P, 37}}, "", {{33, 1}, {35, 1}}},
    {"CloserAlternateReplacesTheTarget", keep_chow_template, 49, 0, "123m 456m 123p 12s 99s 7z", "123m 123p 12s", 49,
     kOld, {}, "", {{33, 1}}},
    {"StruckChoicesLeaveAttemptTwoEmpty", keep_chow_template, 49, 0, "123m 456m 123p 12s 99s 7z", "", 49, kOld, {}, "",
     {{47, 0}, {33, 1}}, "", "456m 9s 7z"},
    {"StruckTargetKeepsNothingAtLast", keep_chow_template, 49, 0, "123m 456m 123p 12s 99s 7z", "", 49, kOld, {}, "",
     {{33, 1}}, "", "456m 9s 7z"},
    {"NoNeutralTileLeftNarrowsToTheTarget", keep_chow_template, 33, 1, "123m 123p 123s 456m 12z", "123m 123p 123s", 33,
     kOld, {}, "", {{49, 0}}, "", "456m 1z 2z"},
    {"PairAndChowLeftNarrowsToTheTarget", keep_chow_template, 49, 0, "123456m 123p 55z 789s", "123456m", 49, kOld, {},
     "", {{33, 1}}},
    {"PairOfATripleAndChowLeftNarrow", keep_chow_template, 49, 0, "123456m 123p 55567s", "123456m", 49, kOld, {}, "",
     {{33, 1}}},
    {"LonePairLeftKeepsNothing", keep_chow_template, 35, 0, "123m 456p 789s 11z", "", 0, 0, {{C, 21}}},
    {"OnlyTemplateTilesLeft", keep_chow_template, 49, 0, "123456789m 1f"},
    {"VariantOutOfRange", keep_chow_template, 27, 16, "678m 789p 89s 123z"},
};
INSTANTIATE_TEST_SUITE_P(ChowTemplate, ChowTemplateKeeper, ::testing::ValuesIn(kCases), keeper_case_name);

}  // namespace

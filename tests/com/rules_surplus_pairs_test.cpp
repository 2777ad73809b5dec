// Rule 20 on worked hands, by mode. A hand without terminals or honours
// keeps the honour tests out of the way where a case is about shapes.
#include "base/ai_record.h"
#include "com/target/com_target.h"
#include "com/turn/generic_rules.h"
#include "com/turn/rule_target.h"
#include "support/rule_fixture.h"

namespace {

constexpr GenericRule kRule20 = [](int seat, int mode) { discard_rule_20_surplus_pairs(seat, mode); };

constexpr const char* kThreeSpacedPairs = "335577m 2468p 4568s";
constexpr const char* kFourPairsWithWest = "33z 22m 55m 88p 57p 2468s";

const RuleCase kRule20Cases[] = {
    {.name = "OnePairNothing", .rule = kRule20, .hand = "11m 2m 3p 5p 7s 9s 1234567z"},
    {.name = "OnePairNothingMode3", .rule = kRule20, .arg = 3, .hand = "11m 2m 3p 5p 7s 9s 1234567z", .best_pairs = 3},
    {.name = "TwoPairsBesideSinglesKept", .rule = kRule20, .hand = "334m 788p 258s 12345z"},
    {.name = "MiddleOfThreeSpacedPairs", .rule = kRule20, .hand = kThreeSpacedPairs, .expect = "5m", .reason = 20,
     .subcode = 120},
    {.name = "MiddleOfThreeSpacedPairsMode1", .rule = kRule20, .arg = 1, .hand = kThreeSpacedPairs, .expect = "5m",
     .reason = 20, .subcode = 1120},
    {.name = "Mode1KeepsPairsForAnotherAim", .rule = kRule20, .arg = 1, .hand = kThreeSpacedPairs, .target = 49},
    {.name = "Mode3NeedsThreePairsInTheReading", .rule = kRule20, .arg = 3, .hand = kThreeSpacedPairs, .best_pairs = 2},
    {.name = "Mode3WithoutFreeHandStillBreaksShapes", .rule = kRule20, .arg = 3, .hand = kThreeSpacedPairs,
     .target = 49, .best_blocks = 5, .best_pairs = 3, .expect = "5m", .reason = 20, .subcode = 3120},
    {.name = "LowerOfTwoGappedPairs", .rule = kRule20, .hand = "2244m 3466p 23578s", .expect = "2m", .reason = 20,
     .subcode = 130},
    {.name = "UpperOfTwoGappedPairs", .rule = kRule20, .hand = "6688m 3466p 23578s", .expect = "8m", .reason = 20,
     .subcode = 131},
    {.name = "NoGappedPairsAcrossSuits", .rule = kRule20, .hand = "99m 11p 55s 3m 6p 37s", .expect = "9m",
     .reason = 20, .subcode = 110},
    {.name = "GuestWindPairOfFreeHand", .rule = kRule20, .arg = 1, .hand = kFourPairsWithWest, .expect = "3z",
     .reason = 20, .subcode = 1000},
    {.name = "SeatWindPairKept", .rule = kRule20, .arg = 1, .hand = kFourPairsWithWest, .dealer = 3},
    {.name = "RoundWindPairKept", .rule = kRule20, .arg = 1, .hand = kFourPairsWithWest, .round_wind = 2},
    {.name = "LoneHonourPairOfTwoPairs", .rule = kRule20, .hand = "77z 55m 2468p 357s 28m", .expect = "7z",
     .reason = 20, .subcode = 100},
    {.name = "LoneHonourPairMode2", .rule = kRule20, .arg = 2, .hand = "77z 55m 2468p 357s 28m", .best_pairs = 3,
     .expect = "7z", .reason = 20, .subcode = 2100},
    {.name = "HonourPairForShiftedChows", .rule = kRule20, .arg = 4, .hand = "11z 55m 234p 678s 3m 9p 2s",
     .target = 27, .best_blocks = 6, .best_pairs = 2, .expect = "1z", .reason = 20, .subcode = 4100},
    {.name = "ShiftedChowsSingleHonourBlocks", .rule = kRule20, .arg = 4, .hand = "11z 5z 55m 234p 678s 3m 9p",
     .target = 27, .best_blocks = 6, .best_pairs = 2},
    {.name = "ShiftedChowsNeedsANeutralSuitedPair", .rule = kRule20, .arg = 4, .hand = "11z 55m 234p 678s 3m 9p 2s",
     .not_neutral = "5m", .target = 27, .best_blocks = 6, .best_pairs = 2},
    {.name = "GappedPairRunOfSixBlocksKeepsPairs", .rule = kRule20, .hand = "3556m 2799p 1144s", .best_blocks = 6},
    {.name = "TerminalPairOtherwise", .rule = kRule20, .hand = "3556m 2799p 1144s", .best_blocks = 5, .expect = "9p",
     .reason = 20, .subcode = 30},
    {.name = "ExhaustedTerminalPairFirst", .rule = kRule20, .hand = "3556m 2799p 1144s", .visible = "11s",
     .best_blocks = 5, .expect = "1s", .reason = 20, .subcode = 10},
    {.name = "ExhaustedSimplePairBeforeLiveTerminal", .rule = kRule20, .hand = "3556m 2799p 1144s", .visible = "44s",
     .best_blocks = 5, .expect = "4s", .reason = 20, .subcode = 12},
};

}  // namespace

INSTANTIATE_TEST_SUITE_P(Rule20, RuleCaseTest, ::testing::ValuesIn(kRule20Cases), case_name);

TEST_F(RuleTest, Rule20Mode1BreaksPairsWhenShiftedChowsIsAnAlternative) {
  set_hand(kThreeSpacedPairs);
  set_target(49);
  EXPECT_EQ(run(kRule20, 1).tile, 0);
  g_ai_chow_candidates[kSeat][2] = 27;
  const Proposal p = run(kRule20, 1);
  EXPECT_EQ(describe(p), "5m reason 20 sub 1120");
}

TEST_F(RuleTest, Rule20EveryModeRecordsItsModeInTheSubcode) {
  AI[kSeat].best_pairs = 3;
  for (int mode = 0; mode <= 3; ++mode) {
    SCOPED_TRACE(mode);
    set_hand(kThreeSpacedPairs);
    const Proposal p = run(kRule20, mode);
    EXPECT_EQ(p.reason, 20);
    EXPECT_EQ(p.subcode, 1000 * mode + 120);
  }
}

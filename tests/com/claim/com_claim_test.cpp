// The claim decider on worked hands: the simulated calls, the vetoes that
// stop the chain, the chain's order and the fallback behind it, the
// chow-pattern candidates run in the target's place, the user's hint.
#include <vector>

#include "com/claim/claim_protocol.h"
#include "com/claim/claim_rules.h"
#include "com/claim/com_claim.h"
#include "com/target/com_target.h"
#include "com/turn/advisor.h"
#include "base/waits.h"
#include "base/options.h"
#include "support/claim_fixture.h"
#include "support/hand_builder.h"
#include "base/table_state.h"

namespace {

class DeciderCase : public ClaimCaseTest {};

TEST_P(DeciderCase, Decides) {
  set_up(GetParam());
  EXPECT_EQ(run(GetParam().rule), GetParam().expect);
}

// Ready on 2s or 5s, each win worth 6 (all chows 2, concealed 2, short
// straight 1, mixed double chow 1); 55p is the pair.
#define WORTH_6 "123m 456m 123p 34s 55p"
// Ready on 6p (7: the same and one voided suit) or 9p (8: two terminal chows as well).
#define WORTH_7_OR_8 "123m 456m 123p 78p 55p"
// Not ready; with 2s chowed and 7z thrown ready on 5s for 12 (mixed triple
// chow 8, all chows 2, short straight 1, single wait 1), or 5s thrown on 7z for 10.
#define CHOW_TO_12 "123m 123p 456p 13s 5s 7z"
// As it, but the same chow and discard leave at most 6.
#define CHOW_TO_6 "123m 234p 456p 13s 5s 7z"
// Not ready; with 3m chowed and 1m thrown (or 1-2-3m chowed and 4m thrown)
// ready on 4s or 7s with no pattern but the chicken hand (8); taking 3m
// unclaimed would leave a concealed hand worth 2.
#define CHOW_TO_CHICKEN "1m 24m 678p 345s 56s 33z"
// Ready on 1m (10) or white (11): half flush, dragon pung, concealed, short straight.
// Punging white and throwing 5m waits on 5m (9) or 8m (8) with 7 copies left.
#define FLUSH_WITH_WHITE "234m 567m 789m 11m 55z"

const MeldSpec kPung1m{kMeldPung, 1, 0};
const MeldSpec kPung9p{kMeldPung, 19, 0};
const MeldSpec kPung9s{kMeldPung, 29, 0};
const MeldSpec kConcealed5m{kMeldConcealedKong, 5, -1};

INSTANTIATE_TEST_SUITE_P(Decider, DeciderCase, ::testing::Values(
    ClaimCase{"ChowToReadyWithTwelve", nullptr, CHOW_TO_12, "2s", chow(2, 90, 0)},
    ClaimCase{"ChowForAChickenHand", nullptr, CHOW_TO_CHICKEN, "3m", chow(2, 90, 0)},
    ClaimCase{"ChowOfATerminalIsTheLowestShape", nullptr, "123m 123p 456p 23s 5s 7z", "1s", chow(3, 90, 0)},
    ClaimCase{"ChowToReadyWithSix", nullptr, CHOW_TO_6, "2s", kNoClaim},
    ClaimCase{"PungForABetterReadyHand", naki_for_better_ready_hand, FLUSH_WITH_WHITE, "5z", pung(91), 0, 0, {}, 2},
    ClaimCase{"NoBetterHandHoldingAFlower", naki_for_better_ready_hand, FLUSH_WITH_WHITE " 1f", "5z", kNoClaim, 0, 0, {}, 2},
    ClaimCase{"NoBetterHandWhenNotReady", naki_for_better_ready_hand, CHOW_TO_12, "2s", kNoClaim},
    ClaimCase{"EightPointsWinOnTheDiscard", nullptr, WORTH_7_OR_8, "9p", {4, 0, 0, 0}, 0, 0, {}, 2},
    ClaimCase{"SevenPointsDoNotWin", nullptr, WORTH_7_OR_8, "6p", kNoClaim, 0, 0, {}, 2},
    ClaimCase{"ConcealedReadyForSixWaits", nullptr, WORTH_6, "5p", kNoClaim, 28, 0, {}, 2},
    ClaimCase{"CalledReadyForSixCalls", nullptr, WORTH_6, "5p", pung(28), 28, 0, {}, 2, "", 1},
    ClaimCase{"CalledReadyForSevenWaits", nullptr, WORTH_7_OR_8, "5p", kNoClaim, 28, 0, {}, 2, "9p 9p 9p 9p", 1},
    ClaimCase{"LastTileCountsFourMore", nullptr, WORTH_6, "5p", kNoClaim, 28, 0, {}, 2, "2s 2s 2s", 1},
    ClaimCase{"EveryWaitUsedUp", nullptr, WORTH_6, "5p", pung(28), 28, 0, {}, 2, "2s 2s 2s 2s 5s 5s 5s 5s"},
    ClaimCase{"FiveFlowersTwoOpenCalls", nullptr, "55s 12345f", "5s", kNoClaim, 28, 0, {kPung1m, kPung9p}, 2},
    ClaimCase{"FourFlowersTwoOpenCalls", nullptr, "55s 1234f 1z", "5s", pung(28), 28, 0, {kPung1m, kPung9p}, 2},
    ClaimCase{"TwoFlowersThreeOpenCalls", nullptr, "55s 12f", "5s", kNoClaim, 28, 0, {kPung1m, kPung9p, kPung9s}, 2},
    ClaimCase{"OneFlowerThreeOpenCalls", nullptr, "55s 1f 1z", "5s", pung(28), 28, 0, {kPung1m, kPung9p, kPung9s}, 2},
    ClaimCase{"ExtraKongBeforeDragonKong", nullptr, "777z 4m 7m 2s 5s 8s 1z 3z", "7z", kong(22), 0, 0, {kConcealed5m}, 2},
    ClaimCase{"DragonPungBeforeMeldedHand", nullptr, "77z 66z 4m 7m 2s 5s 8s 1z", "7z", pung(26), 0, 0, {kConcealed5m}, 2},
    ClaimCase{"FallbackLast", nullptr, "23p 12s 11z 5m 8m 6s 9p", "1p", chow(3, 33, 3), 0, 0, {{kMeldChow, 1, 0}}}),
    claim_case_name);

class Decider : public ClaimTest {
 protected:
  // Not ready; target 28 and a pair of the discard.
  void far_hand_with_a_pair() { set_up({"", nullptr, "55p 1m 4m 7m 2s 5s 8s 1z 3z 5z 6z 9p", "5p", {}, 28, 0, {}, 2}); }
};

TEST_F(Decider, CallsNeedFourTilesInTheWallAndNoDefence) {
  far_hand_with_a_pair();
  g_wall_count = 3;
  EXPECT_EQ(run(nullptr), kNoClaim);
  g_wall_count = 4;
  EXPECT_EQ(run(nullptr), pung(28));
  g_seat_state[kSeat].defend = 1;
  EXPECT_EQ(run(nullptr), kNoClaim);
}

TEST_F(Decider, TheWinTestClearsTheWorkSlot) {
  far_hand_with_a_pair();
  g_wall_count = 3;  // the decision ends after the win test
  g_wait_hand[kDrawSlot] = 21;
  run(nullptr);
  EXPECT_EQ(g_wait_hand[kDrawSlot], 0);
}

// The user's seat: the value of a discard that completes the hand is shown
// below 8 too; the advisor's hint comes from the same decider.
TEST_F(Decider, ForTheUsersSeat) {
  set_up({"", nullptr, "", "2s", {}, 28, 0, {}, 2});
  set_hand(0, WORTH_6);
  decide_naki_com1(0);
  EXPECT_EQ(g_shown_points, 6);
  g_river[2][0] = 15;
  g_shown_points = -1;
  set_hand(0, "55p 1m 4m 7m 2s 5s 8s 1z 3z 5z 6z 9p");
  g_ai_target_yaku[0] = 28;
  g_options[opt_ai_tile_choice] = 4;
  advise_user_claim(15);
  EXPECT_EQ(g_shown_points, -1) << "5p completes nothing";
  EXPECT_EQ(g_user_action, 2);
  EXPECT_EQ(g_naki_flags[0][1], 0) << "the hint leaves no flag of the user's";
}

// The candidates in the order 27, 33, 35, 49 (slots in order), then 47 only
// for target 47, each in the target's place; putting back is checked over
// random states.
std::vector<std::pair<int, int>> g_tried;
void note_target(int seat) {
  g_tried.emplace_back(g_ai_target_yaku[seat], g_ai_target_variant[seat]);
  if (g_ai_target_yaku[seat] == 35) decide_claim(seat, kNakiChow, 2, 35, 0);
}

TEST_F(Decider, ChowPatternCandidatesStandInForTheTarget) {
  const int candidates[kChowCandidates] = {49, 47, 27, 0, 33}, variants[kChowCandidates] = {1, 3, 12, 4, 5};
  std::copy(candidates, candidates + kChowCandidates, g_ai_chow_candidates[kSeat]);
  std::copy(variants, variants + kChowCandidates, g_ai_chow_candidate_variants[kSeat]);
  for (int target : {31, 47}) {
    g_ai_target_yaku[kSeat] = target;
    g_tried.clear();
    run_chow_candidates(kSeat, note_target);
    std::vector<std::pair<int, int>> expect{{27, 12}, {33, 5}, {49, 1}};
    if (target == 47) expect.emplace_back(47, 3);
    EXPECT_EQ(g_tried, expect);
  }
  g_ai_chow_candidates[kSeat][3] = 35;
  g_tried.clear();
  run_chow_candidates(kSeat, note_target);
  EXPECT_EQ(g_tried.size(), 3u) << "the decision for 35 ends the runs";
}

}  // namespace

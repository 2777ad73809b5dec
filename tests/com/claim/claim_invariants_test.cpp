// Over seeded random claim states (ready hands, hands one tile away and
// others, melds of every kind, any target and variant, chow-pattern
// candidates, discards from every seat): each claim rule and the whole
// decider leave the hand, melds, hand counts and target record as they were,
// the visible and seen counts as a fresh count makes them, at most one flag
// set, and a decision the table keeps.
#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "com/claim/claim_protocol.h"
#include "com/claim/claim_rules.h"
#include "com/claim/com_claim.h"
#include "com/target/com_target.h"
#include "base/ai_record.h"
#include "base/visible.h"
#include "support/claim_fixture.h"
#include "support/random_hands.h"
#include "support/test_workdir.h"
#include "support/win_case.h"
#include "flow/claim_offers.h"
#include "base/table_state.h"

namespace {

constexpr int kSeat = ClaimTest::kSeat;
constexpr int kTargets[] = {0,  0,  23, 27, 28, 30, 31, 32, 33, 34, 35, 40, 41, 43, 47, 48, 49, 50, 52, 53,
                            54, 55, 56, 58, 59, 60, 61, 62, 63, 65, 66, 68, 70, 72, 73, 74, 75, 78, 79};

int pick(std::mt19937& rng, int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); }
int any_tile(std::mt19937& rng) { return kPlayingTiles[pick(rng, kPlayingTiles.size())]; }

// A variant in the range the pattern's selector stores.
int random_variant(std::mt19937& rng, int id) {
  switch (id) {
    case 27: case 34: return 10 * pick(rng, 6) + 1 + pick(rng, 5);
    case 47: case 62: case 75: return 10 * pick(rng, 3) + 1 + pick(rng, 3);
    case 53: case 54: case 65: case 66: return make_tile(pick(rng, 3), 1 + pick(rng, 6));
    case 33: case 50: return 1 + pick(rng, 7);
    case 40: return pick(rng, 12);
    default: return pick(rng, 3);
  }
}

void random_claim_state(std::mt19937& rng) {
  place_win_hand(kSeat, random_complete_hand(rng));
  const int win = g_hand[kSeat][kDrawSlot];
  g_hand[kSeat][kDrawSlot] = 0;
  if (pick(rng, 2) == 0) *std::find_if(g_hand[kSeat], g_hand[kSeat] + kDrawSlot, is_free_slot) = any_tile(rng);
  std::sort(g_hand[kSeat], g_hand[kSeat] + kDrawSlot);
  for (int seat = 0; seat < kSeats; ++seat)
    for (int i = pick(rng, 6); i > 0; --i) g_river[seat][g_river_count[seat]++] = any_tile(rng);
  g_discarder = (kSeat + 1 + pick(rng, 3)) % kSeats;
  g_river[g_discarder][g_river_count[g_discarder]++] = pick(rng, 3) == 0 ? win : any_tile(rng);
  const int target = kTargets[pick(rng, std::size(kTargets))];
  g_ai_target_yaku[kSeat] = target;
  g_ai_target_variant[kSeat] = random_variant(rng, target);
  for (int slot = 0; slot < kChowCandidates; ++slot) {
    g_ai_chow_candidates[kSeat][slot] = pick(rng, 3) == 0 ? std::array{27, 33, 35, 47, 49}[pick(rng, 5)] : 0;
    g_ai_chow_candidate_variants[kSeat][slot] = random_variant(rng, g_ai_chow_candidates[kSeat][slot]);
  }
  g_seat_state[kSeat].defend = pick(rng, 4) == 0;
  g_wall_count = pick(rng, 5) == 0 ? 3 : 40;
}

// The hand and melds, with the hand counts unless the decider rebuilds them.
std::vector<int> hand_state(bool with_counts) {
  std::vector<int> v(g_hand[kSeat], g_hand[kSeat] + kHandSlots);
  v.insert(v.end(), g_melds[kSeat], g_melds[kSeat] + kMeldSlots);
  if (with_counts) v.insert(v.end(), g_hand_counts, g_hand_counts + kTileCodes);
  return v;
}

std::vector<int> target_record() {
  std::vector<int> v{g_ai_target_yaku[kSeat], g_ai_target_variant[kSeat]};
  v.insert(v.end(), g_ai_chow_candidates[kSeat], g_ai_chow_candidates[kSeat] + kChowCandidates);
  v.insert(v.end(), g_ai_chow_candidate_variants[kSeat], g_ai_chow_candidate_variants[kSeat] + kChowCandidates);
  return v;
}

// What one run broke, "" when nothing. The decider rebuilds the hand counts.
std::string check_run(void (*rule)(int seat), bool decider) {
  for (auto& row : g_naki_flags) std::fill(std::begin(row), std::end(row), 0);
  g_naki_decided = 0;
  count_visible_tiles(kSeat);
  count_hand_tiles(kSeat);
  const std::vector<int> hand = hand_state(!decider);
  const std::vector<int> target = target_record();
  rule(kSeat);
  std::string broke = hand_state(!decider) == hand && target_record() == target ? "" : " state changed;";
  const std::vector<int> counts(g_visible_counts, g_visible_counts + kTileCodes);
  const std::vector<int> seen(g_seen_counts, g_seen_counts + kTileCodes);
  count_visible_tiles(kSeat);
  if (counts != std::vector<int>(g_visible_counts, g_visible_counts + kTileCodes) ||
      seen != std::vector<int>(g_seen_counts, g_seen_counts + kTileCodes))
    broke += " counts not the table's;";
  const std::vector<int> flags(g_naki_flags[kSeat], g_naki_flags[kSeat] + 4);
  const int set = static_cast<int>(std::count(flags.begin(), flags.end(), 1));
  if (set > 1 || (!decider && set != g_naki_decided)) broke += " flags and decision disagree;";
  recheck_naki_flags();
  if (flags != std::vector<int>(g_naki_flags[kSeat], g_naki_flags[kSeat] + 4)) broke += " withdrawn by the table;";
  return broke;
}

TEST(ClaimInvariants, HoldForEveryRuleAndTheDecider) {
  std::mt19937 rng(20261107);
  int decisions = 0;
  for (int run = 0; run < 2000; ++run) {
    reset_program_state();
    random_claim_state(rng);
    const std::string at = "state " + std::to_string(run) + ":";
    EXPECT_EQ(check_run(run_claim_rules, false), "") << at << " chain";
    EXPECT_EQ(check_run([](int s) { naki_to_get_ready(s, 8); }, false), "") << at << " to get ready";
    EXPECT_EQ(check_run(naki_for_better_ready_hand, false), "") << at << " better ready hand";
    EXPECT_EQ(check_run(naki_fallback, false), "") << at << " fallback";
    EXPECT_EQ(check_run([](int s) { run_chow_candidates(s, naki_chow_patterns); }, false), "") << at << " candidates";
    EXPECT_EQ(check_run(com_decide_naki, true), "") << at << " decider";
    decisions += std::count(g_naki_flags[kSeat], g_naki_flags[kSeat] + 4, 1);
  }
  EXPECT_GT(decisions, 200) << "the states must bring decisions";
}

}  // namespace

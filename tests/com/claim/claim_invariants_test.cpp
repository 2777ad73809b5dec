// Over seeded random claim states (ready hands, hands one tile away and
// others, melds of every kind, any target with its variant, chow-pattern
// candidates, discards from every seat): each claim rule and the whole
// decider leave the hand, the melds, the hand counts and the target record
// as they found them, the visible and seen counts as a fresh count makes
// them, at most one claim flag set, and a decision the table keeps.
#include <algorithm>
#include <array>
#include <random>
#include <string>

#include "com/claim/claim_protocol.h"
#include "com/claim/claim_rules.h"
#include "com/claim/com_claim.h"
#include "com/target/com_target.h"
#include "core/ai_record.h"
#include "core/visible.h"
#include "support/claim_fixture.h"
#include "support/random_hands.h"
#include "table/claim_offers.h"
#include "table/table_state.h"

namespace {

constexpr int kSeat = ClaimTest::kSeat;
constexpr std::array kTargets{0,  0,  23, 27, 28, 30, 31, 32, 33, 34, 35, 40, 41, 43, 47, 48, 49, 50, 52,
                              53, 54, 55, 56, 58, 59, 60, 61, 62, 63, 65, 66, 68, 70, 72, 73, 74, 75, 78, 79};

int pick(std::mt19937& rng, int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); }

// A variant in the range the selector of the pattern stores.
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
  if (pick(rng, 2) == 0) {  // one tile away, or further
    int* slot = std::find_if(g_hand[kSeat], g_hand[kSeat] + kDrawSlot, is_free_slot);
    *slot = kPlayingTiles[pick(rng, kPlayingTiles.size())];
    std::sort(g_hand[kSeat], g_hand[kSeat] + kDrawSlot);
  }
  for (int seat = 0; seat < kSeats; ++seat)
    for (int i = pick(rng, 6); i > 0; --i) g_river[seat][g_river_count[seat]++] = kPlayingTiles[pick(rng, 34)];
  g_discarder = (kSeat + 1 + pick(rng, 3)) % kSeats;
  g_river[g_discarder][g_river_count[g_discarder]++] = pick(rng, 3) == 0 ? win : kPlayingTiles[pick(rng, 34)];
  const int target = kTargets[pick(rng, kTargets.size())];
  g_ai_target_yaku[kSeat] = target;
  g_ai_target_variant[kSeat] = random_variant(rng, target);
  for (int slot = 0; slot < kChowCandidates; ++slot) {
    const int id = pick(rng, 3) == 0 ? std::array{27, 33, 35, 47, 49}[pick(rng, 5)] : 0;
    g_ai_chow_candidates[kSeat][slot] = id;
    g_ai_chow_candidate_variants[kSeat][slot] = random_variant(rng, id);
  }
  g_seat_state[kSeat].defend = pick(rng, 4) == 0;
  g_wall_count = pick(rng, 5) == 0 ? 3 : 40;
}

struct Record {
  std::array<int, kHandSlots> hand;
  std::array<int, kMeldSlots> melds;
  std::array<int, 2 + 2 * kChowCandidates> target;
  std::array<int, kTileCodes> hand_counts;
  bool operator==(const Record&) const = default;
};

Record record_now() {
  Record r{};
  std::copy(g_hand[kSeat], g_hand[kSeat] + kHandSlots, r.hand.begin());
  std::copy(g_melds[kSeat], g_melds[kSeat] + kMeldSlots, r.melds.begin());
  r.target[0] = g_ai_target_yaku[kSeat];
  r.target[1] = g_ai_target_variant[kSeat];
  std::copy(g_ai_chow_candidates[kSeat], g_ai_chow_candidates[kSeat] + kChowCandidates, r.target.begin() + 2);
  std::copy(g_ai_chow_candidate_variants[kSeat], g_ai_chow_candidate_variants[kSeat] + kChowCandidates,
            r.target.begin() + 2 + kChowCandidates);
  std::copy(g_hand_counts, g_hand_counts + kTileCodes, r.hand_counts.begin());
  return r;
}

// What one run broke, "" when nothing.
std::string check_run(void (*rule)(int seat), bool whole) {
  for (auto& row : g_naki_flags) std::fill(std::begin(row), std::end(row), 0);
  g_naki_decided = 0;
  count_visible_tiles(kSeat);
  count_hand_tiles(kSeat);
  const Record before = record_now();
  rule(kSeat);
  std::string broke;
  if (!whole && !(record_now() == before)) broke += " hand, melds, hand counts or target changed;";
  if (whole && (before.hand != record_now().hand || before.melds != record_now().melds)) broke += " hand or melds changed;";
  std::array<int, kTileCodes> visible{}, seen{};
  std::copy(g_visible_counts, g_visible_counts + kTileCodes, visible.begin());
  std::copy(g_seen_counts, g_seen_counts + kTileCodes, seen.begin());
  count_visible_tiles(kSeat);
  if (!std::equal(visible.begin(), visible.end(), g_visible_counts) || !std::equal(seen.begin(), seen.end(), g_seen_counts))
    broke += " counts not those of the table;";
  const int* flags = g_naki_flags[kSeat];
  const int set = static_cast<int>(std::count(flags, flags + 4, 1));
  if (set > 1) broke += " more than one flag;";
  if (!whole && set != g_naki_decided) broke += " flag and decision disagree;";
  const std::array<int, 4> decided{flags[0], flags[1], flags[2], flags[3]};
  recheck_naki_flags();
  if (!std::equal(decided.begin(), decided.end(), flags)) broke += " withdrawn by the table;";
  return broke;
}

class ClaimInvariants : public ClaimTest {};

TEST_F(ClaimInvariants, HoldForEveryRuleAndTheDecider) {
  std::mt19937 rng(20261107);
  int decisions = 0;
  for (int run = 0; run < 2000; ++run) {
    SetUp();
    random_claim_state(rng);
    const std::string state = std::to_string(run) + ":";
    EXPECT_EQ(check_run(run_claim_rules, false), "") << state << " chain";
    EXPECT_EQ(check_run([](int s) { naki_to_get_ready(s, 8); }, false), "") << state << " to get ready";
    EXPECT_EQ(check_run(naki_for_better_ready_hand, false), "") << state << " better ready hand";
    EXPECT_EQ(check_run(naki_fallback, false), "") << state << " fallback";
    EXPECT_EQ(check_run([](int s) { run_chow_candidates(s, naki_chow_patterns); }, false), "") << state << " candidates";
    const Record before = record_now();
    EXPECT_EQ(check_run(com_decide_naki, true), "") << state << " decider";
    EXPECT_TRUE(std::equal(before.target.begin(), before.target.end(), record_now().target.begin())) << state;
    decisions += std::count(g_naki_flags[kSeat], g_naki_flags[kSeat] + 4, 1);
  }
  EXPECT_GT(decisions, 200) << "the states must bring decisions";
}

}  // namespace

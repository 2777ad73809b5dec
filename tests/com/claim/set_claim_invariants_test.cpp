// Over seeded random claim states (hands drawn mostly from the aimed
// pattern's tiles, in runs, pairs and singles; melds of every kind; any
// route, row or case as the variant; discards from every other seat, often a
// tile the hand holds): each of these rules, and the decider, leaves the hand,
// melds, counts and target record as it found them, sets at most one flag,
// only for its own target, with a decision that names it and that the table
// keeps, and touches the chow shape and the record only when it decides.
#include <algorithm>
#include <array>
#include <random>
#include <string>
#include <vector>

#include "base/ai_record.h"
#include "base/table_state.h"
#include "base/visible.h"
#include "com/claim/claim_protocol.h"
#include "com/claim/claim_rules.h"
#include "com/target/chicken_templates.h"
#include "support/claim_fixture.h"
#include "support/hand_builder.h"
#include "support/test_workdir.h"
#include "table/claim_actions.h"

namespace {

constexpr int kSeat = ClaimTest::kSeat;

struct AimedRule {
  int yaku;
  void (*rule)(int seat);
};
constexpr std::array<AimedRule, 8> kRules{{{23, naki_outside_hand},
                                          {30, naki_all_types},
                                          {40, naki_chicken_hand},
                                          {41, naki_reversible_tiles},
                                          {52, naki_all_fives},
                                          {73, naki_big_four_winds},
                                          {74, naki_big_three_dragons},
                                          {78, naki_all_green}}};

int pick(std::mt19937& rng, int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); }

// The tiles a hand aiming at the pattern gathers (variant 0's row for 40).
std::vector<int> favoured_tiles(int yaku) {
  std::vector<int> t;
  for (int k : kPlayingTiles) {
    const int r = rank_of(k);
    const bool take = yaku == 23   ? is_honour(k) || r <= 3 || r >= 7
                      : yaku == 41 ? (k >= 11 && k <= 15) || k == 18 || k == 19 || k == 22 || k == 35 || k > 23
                      : yaku == 78 ? k == 22 || k == 23 || k == 24 || k == 26 || k == 28 || k == kGreen
                      : yaku == 52 ? is_suited(k) && r >= 3 && r <= 7
                      : yaku == 73 ? is_wind(k) || k < 10
                      : yaku == 74 ? is_dragon(k) || k < 10
                      : yaku == 40 ? k <= 8 || (k >= 12 && k <= 18) || (k >= 22 && k <= 28)
                                   : true;
    if (take) t.push_back(k);
  }
  return t;
}

// Seat 1's hand, melds, record and aim, and another seat's discard.
void random_state(std::mt19937& rng, int yaku) {
  reset_program_state();
  std::array<int, kTileCodes> used{};
  const std::vector<int> favoured = favoured_tiles(yaku);
  const auto any_tile = [&] { return pick(rng, 3) > 0 ? favoured[pick(rng, favoured.size())] : kPlayingTiles[pick(rng, 34)]; };
  const auto take = [&](int t, int n) { return is_playing_tile(t) && used[t] + n <= 4 ? (used[t] += n, true) : false; };
  const auto meld_tile = [&] {  // the big honours' own, mostly, for their rules to go past the pungs
    if (yaku == 73 && pick(rng, 4) > 0) return kEast + pick(rng, 4);
    return yaku == 74 && pick(rng, 4) > 0 ? kWhite + pick(rng, 3) : any_tile();
  };
  for (int m = pick(rng, 3) == 0 ? 0 : 1 + pick(rng, 3); m > 0; --m) {
    const int kind = kMeldChow + pick(rng, 4), tile = meld_tile();
    const bool chow_ok = is_suited(tile) && rank_of(tile) <= 7;
    if (kind == kMeldChow ? chow_ok && take(tile, 1) && take(tile + 1, 1) && take(tile + 2, 1) : take(tile, kind == kMeldPung ? 3 : 4))
      add_meld(kSeat, kind, tile);
  }
  std::vector<int> tiles;
  const int room = static_cast<int>(std::count(g_hand[kSeat], g_hand[kSeat] + kDrawSlot, 0));
  while (static_cast<int>(tiles.size()) < room) {  // a run, a pair or a single
    const int shape = pick(rng, 3), start = any_tile();
    for (int i = 0; i < 3 - shape && static_cast<int>(tiles.size()) < room; ++i) {
      const int t = shape == 0 && is_suited(start) && rank_of(start) <= 7 ? start + i : start;
      if (take(t, 1)) tiles.push_back(t);
    }
  }
  std::copy(tiles.begin(), tiles.end(), std::find(g_hand[kSeat], g_hand[kSeat] + kHandSlots, 0));
  sort_hand_slots(g_hand[kSeat]);
  const int declared = static_cast<int>(std::count_if(g_melds[kSeat], g_melds[kSeat] + kMeldSlots, [](int c) { return c != 0; }));
  g_seat_state[kSeat].naki_count = pick(rng, 4) == 0 ? 0 : declared;
  g_dealer = pick(rng, kSeats);
  g_round_wind = pick(rng, kSeats);
  AI[kSeat].best_blocks = 2 + pick(rng, 5);
  for (int seat : {2, 3})
    for (int i = pick(rng, 6); i > 0; --i)
      if (const int t = any_tile(); take(t, 1)) add_discards(seat, std::string(1, '0' + rank_of(t)) + "mpsz"[suit_of(t)]);
  g_discarder = std::array{0, 0, 0, 2, 3}[pick(rng, 5)];
  const int near = pick(rng, 3);  // a tile held, one beside one held, or any
  int d = near < 2 ? tiles[pick(rng, room)] + near * (pick(rng, 5) - 2) : any_tile();
  while (!take(d, 1)) d = any_tile();
  g_river[g_discarder][g_river_count[g_discarder]++] = d;
  g_ai_target_yaku[kSeat] = yaku;
  g_ai_target_variant[kSeat] = yaku == 40 ? pick(rng, kChickenTemplates.size()) : yaku == 23 ? pick(rng, 5) : pick(rng, 4);
  g_wall_count = 40;
  count_visible_tiles(kSeat);
  count_hand_tiles(kSeat);
}

// Everything a rule must leave as it found it, as one list of words.
std::vector<int> untouched() {
  std::vector<int> w(g_hand[kSeat], g_hand[kSeat] + kHandSlots);
  w.insert(w.end(), g_melds[kSeat], g_melds[kSeat] + kMeldSlots);
  w.insert(w.end(), {g_ai_target_yaku[kSeat], g_ai_target_variant[kSeat], g_seat_state[kSeat].naki_count});
  for (const int* counts : {g_hand_counts, g_visible_counts, g_seen_counts}) w.insert(w.end(), counts, counts + kTileCodes);
  return w;
}

TEST_F(ClaimTest, SetClaimInvariantsHoldOverRandomStates) {
  std::mt19937 rng(20261214);
  std::array<int, 4> calls{};
  for (int state = 0; state < 40000; ++state) {
    const AimedRule& aim = kRules[state % kRules.size()];
    random_state(rng, aim.yaku);
    for (const AimedRule& rule : kRules) {
      SCOPED_TRACE("state " + std::to_string(state) + ", target " + std::to_string(aim.yaku) + ", rule of " +
                   std::to_string(rule.yaku));
      g_naki_tile = 0;
      AI[kSeat].naki_yaku = AI[kSeat].naki_reason = -1;
      const std::vector<int> before = untouched();
      const ClaimResult claim = run(rule.rule);
      count_visible_tiles(kSeat);  // a fresh count of the table
      ASSERT_EQ(untouched(), before);
      ASSERT_LE(std::count(g_naki_flags[kSeat], g_naki_flags[kSeat] + 4, 1), 1);
      ASSERT_TRUE(claim.call == 0 || (rule.yaku == aim.yaku && claim.motive == aim.yaku));
      ASSERT_EQ(g_naki_tile, rule.yaku == aim.yaku ? latest_discard_tile() : 0);
      ASSERT_TRUE(claim.call == kNakiChow || g_chi_variant[kSeat] == -1);
      ASSERT_TRUE(claim.call != 0 || AI[kSeat].naki_reason == -1);
      ++calls[claim.call];
    }
    const std::vector<int> before = untouched();
    run(nullptr);  // the whole decider: its decision the table keeps
    ASSERT_EQ(untouched(), before) << "the decider, state " << state;
    ASSERT_LE(std::count(g_naki_flags[kSeat], g_naki_flags[kSeat] + 4, 1), 1);
  }
  // The states must bring every kind of call.
  EXPECT_GE(calls[kNakiPung], 2000);
  EXPECT_GE(calls[kNakiChow], 350);
  EXPECT_GE(calls[kNakiKong], 150);
}

}  // namespace

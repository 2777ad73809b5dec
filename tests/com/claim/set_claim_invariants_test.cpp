// Over seeded random claim states aimed at the honour, tile-set, whole-hand
// and outside-hand patterns (hands drawn mostly from the pattern's tiles in
// runs, pairs and singles, melds of every kind, any route, row or case as
// the variant, discards often beside a tile held): each of these rules leaves
// hand, melds, counts and target as it found them, decides only for its own
// target, stores the discard only then, and writes the chow shape and the
// record only with a decision the table keeps.
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
#include "support/claim_fixture.h"
#include "support/hand_builder.h"
#include "support/test_workdir.h"
#include "table/claim_actions.h"

namespace {

constexpr int kSeat = ClaimTest::kSeat;

struct Aim {
  int yaku, variants;
  void (*rule)(int seat);
  const char* tiles;  // what a hand aiming at it gathers
};
const std::array<Aim, 8> kAims{{{23, 5, naki_outside_hand, "12378m 12389p 1789s 1234567z"},
                               {30, 1, naki_all_types, "123456789m 159p 159s 1234567z"},
                               {40, 12, naki_chicken_hand, "1234567m 2345678p 2345678s"},
                               {41, 1, naki_reversible_tiles, "1234589p 2456789s 5z"},
                               {52, 1, naki_all_fives, "34567m 34567p 34567s"},
                               {73, 4, naki_big_four_winds, "1234z 123456m"},
                               {74, 4, naki_big_three_dragons, "567z 123456m"},
                               {78, 1, naki_all_green, "234678s 6z"}}};

int pick(std::mt19937& rng, int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); }

// Seat 1's hand, melds and record aimed at `aim`, and another seat's discard.
void random_state(std::mt19937& rng, const Aim& aim) {
  reset_program_state();
  const std::vector<int> favoured = parse_tiles(aim.tiles);
  std::array<int, kTileCodes> used{};
  const auto any_tile = [&] {
    return pick(rng, 3) > 0 ? favoured[pick(rng, favoured.size())] : kPlayingTiles[pick(rng, kPlayingTiles.size())];
  };
  const auto take = [&](int t, int n) { return is_playing_tile(t) && used[t] + n <= 4 ? (used[t] += n, true) : false; };
  const auto runs = [](int t) { return is_suited(t) && rank_of(t) <= 7; };
  for (int m = pick(rng, 3) == 0 ? 0 : 1 + pick(rng, 3); m > 0; --m) {
    const int kind = kMeldChow + pick(rng, 4), t = any_tile();
    const bool room = kind == kMeldChow ? runs(t) && take(t, 1) && take(t + 1, 1) && take(t + 2, 1)
                                        : take(t, kind == kMeldPung ? 3 : 4);
    if (room) add_meld(kSeat, kind, t);
  }
  std::vector<int> tiles;
  const int room = static_cast<int>(std::count(g_hand[kSeat], g_hand[kSeat] + kDrawSlot, 0));
  while (static_cast<int>(tiles.size()) < room) {  // a run, a pair or a single
    const int shape = pick(rng, 3), start = any_tile();
    for (int i = 0; i < 3 - shape && static_cast<int>(tiles.size()) < room; ++i)
      if (const int t = shape == 0 && runs(start) ? start + i : start; take(t, 1)) tiles.push_back(t);
  }
  std::copy(tiles.begin(), tiles.end(), std::find(g_hand[kSeat], g_hand[kSeat] + kHandSlots, 0));
  sort_hand_slots(g_hand[kSeat]);
  g_seat_state[kSeat].naki_count = pick(rng, 4) == 0 ? 0 : declared_melds(kSeat);
  g_dealer = pick(rng, kSeats);
  g_round_wind = pick(rng, kSeats);
  AI[kSeat].best_blocks = 2 + pick(rng, 5);
  for (int i = pick(rng, 8); i > 0; --i)
    if (const int t = any_tile(); take(t, 1)) g_river[2][g_river_count[2]++] = t;
  g_discarder = std::array{0, 0, 0, 2, 3}[pick(rng, 5)];
  const int near = pick(rng, 3);  // a tile held, one beside one held, or any
  int d = near < 2 ? tiles[pick(rng, room)] + near * (pick(rng, 5) - 2) : any_tile();
  while (!take(d, 1)) d = any_tile();
  g_river[g_discarder][g_river_count[g_discarder]++] = d;
  g_ai_target_yaku[kSeat] = aim.yaku;
  g_ai_target_variant[kSeat] = pick(rng, aim.variants);
}

// Everything a rule must leave as it found it, as one list of words.
std::vector<int> untouched() {
  std::vector<int> w(g_hand[kSeat], g_hand[kSeat] + kHandSlots);
  w.insert(w.end(), g_melds[kSeat], g_melds[kSeat] + kMeldSlots);
  w.insert(w.end(), {g_ai_target_yaku[kSeat], g_ai_target_variant[kSeat]});
  for (const int* counts : {g_hand_counts, g_visible_counts, g_seen_counts})
    w.insert(w.end(), counts, counts + kTileCodes);
  return w;
}

TEST_F(ClaimTest, SetClaimInvariantsHoldOverRandomStates) {
  std::mt19937 rng(20261214);
  std::array<int, 4> calls{};
  for (int state = 0; state < 40000; ++state) {
    const Aim& aim = kAims[state % kAims.size()];
    random_state(rng, aim);
    count_visible_tiles(kSeat);
    count_hand_tiles(kSeat);
    for (const Aim& rule : kAims) {
      SCOPED_TRACE("state " + std::to_string(state) + ", aim " + std::to_string(aim.yaku) + ", rule of " +
                   std::to_string(rule.yaku));
      g_naki_tile = 0;
      AI[kSeat].naki_reason = -1;
      const std::vector<int> before = untouched();
      const ClaimResult claim = run(rule.rule);  // the table keeps its decision
      count_visible_tiles(kSeat);               // a fresh count of the table
      ASSERT_EQ(untouched(), before);
      ASSERT_LE(std::count(g_naki_flags[kSeat], g_naki_flags[kSeat] + 4, 1), 1);
      ASSERT_TRUE(claim.call == 0 || (rule.yaku == aim.yaku && claim.motive == aim.yaku));
      ASSERT_EQ(g_naki_tile, rule.yaku == aim.yaku ? latest_discard_tile() : 0);
      ASSERT_TRUE(claim.call == kNakiChow || g_chi_variant[kSeat] == -1);
      ASSERT_TRUE(claim.call != 0 || AI[kSeat].naki_reason == -1);
      ++calls[claim.call];
    }
  }
  EXPECT_GE(calls[kNakiPung], 2000);
  EXPECT_GE(calls[kNakiChow], 350);
  EXPECT_GE(calls[kNakiKong], 150);
}

}  // namespace

// Over seeded random claim states (hands of runs, pairs and singles, often
// round a whole template, declared chows, pungs and concealed kongs, every
// target of these rules with variants in and past their ranges, candidates,
// discards from every other seat): each chow-pattern and fixed-layout rule
// leaves hand, melds, counts and target record as it found them, sets at
// most one flag, only for its own target, with a decision that names it and
// that the table keeps, and stores the discard only where its rule does.
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
#include "com/target/com_target.h"
#include "support/claim_fixture.h"
#include "support/hand_builder.h"
#include "table/claim_actions.h"

namespace {

constexpr int kSeat = ClaimTest::kSeat;

struct Aim {
  int yaku;
  void (*rule)(int seat);
  int variants;  // drawn below this, some past the selector's range
};
constexpr std::array<Aim, 11> kAims{{
    {27, naki_chow_patterns, 66}, {33, naki_chow_patterns, 9}, {35, naki_chow_patterns, 7},
    {47, naki_chow_patterns, 29}, {49, naki_chow_patterns, 4}, {43, naki_knitted_straight, 7},
    {48, naki_three_suited_terminal_chows, 4}, {53, naki_pure_triple_chow, 29}, {62, naki_four_pure_shifted_chows, 26},
    {65, naki_quadruple_chow, 29}, {68, naki_pure_terminal_chows, 4}}};

int pick(std::mt19937& rng, int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); }

// Whole templates of the mixed triple chow and the pure straight, the
// easiest to write down, so that the outside set and pair come into play.
std::vector<int> template_tiles(int yaku, int v) {
  std::vector<int> t;
  for (int i = 0; i < 9; ++i) t.push_back(yaku == 33 ? make_tile(i / 3, v + i % 3) : make_tile(v, i + 1));
  return t;
}

// Seat 1's hand, melds and aim and another seat's discard; the aim's index.
int random_state(std::mt19937& rng) {
  std::array<int, kTileCodes> used{};
  const int suits = 1 + pick(rng, 3);
  const auto take = [&](int t, int n) { return is_playing_tile(t) && used[t] + n <= 4 ? (used[t] += n, true) : false; };
  const auto any_tile = [&] { return pick(rng, 6) == 0 ? kEast + pick(rng, 7) : make_tile(pick(rng, suits), 1 + pick(rng, 9)); };
  for (int m = pick(rng, 4) == 0 ? 1 + pick(rng, 2) : 0; m > 0; --m) {
    const int kind = std::array{kMeldChow, kMeldChow, kMeldPung, kMeldConcealedKong}[pick(rng, 4)];
    const int tile = kind == kMeldChow ? make_tile(pick(rng, suits), 1 + pick(rng, 7)) : any_tile();
    if (kind != kMeldChow ? take(tile, kind == kMeldPung ? 3 : 4) : take(tile, 1) && take(tile + 1, 1) && take(tile + 2, 1))
      add_meld(kSeat, kind, tile);
  }
  const int aim = pick(rng, 3) == 0 ? 1 + 3 * pick(rng, 2) : pick(rng, kAims.size());  // 33 and 49 the most
  const int yaku = kAims[aim].yaku;
  const int variant = pick(rng, kAims[aim].variants);
  std::vector<int> tiles;
  const int room = static_cast<int>(std::count(g_hand[kSeat], g_hand[kSeat] + kDrawSlot, 0));
  const int gaps = pick(rng, 2);  // none, or about one in five
  if ((yaku == 33 || yaku == 49) && variant >= 1 && variant <= (yaku == 33 ? 7 : 2))
    for (int t : template_tiles(yaku, variant))
      if (pick(rng, 5) >= gaps && static_cast<int>(tiles.size()) < room && take(t, 1)) tiles.push_back(t);
  while (static_cast<int>(tiles.size()) < room) {  // a run, a pair or a single
    const int shape = pick(rng, 3), start = shape == 0 ? make_tile(pick(rng, suits), 1 + pick(rng, 7)) : any_tile();
    for (int i = 0; i < 3 - shape && static_cast<int>(tiles.size()) < room; ++i) {
      const int t = shape == 0 ? start + i : start;
      if (take(t, 1)) tiles.push_back(t);
    }
  }
  std::copy(tiles.begin(), tiles.end(), std::find(g_hand[kSeat], g_hand[kSeat] + kHandSlots, 0));
  sort_hand_slots(g_hand[kSeat]);
  g_discarder = std::array{0, 2, 3}[pick(rng, 3)];
  int d = pick(rng, 3) == 0 ? any_tile() : tiles[pick(rng, room)] + (pick(rng, 2) == 0 ? pick(rng, 5) - 2 : 0);
  while (!take(d, 1)) d = any_tile();
  g_river[g_discarder][g_river_count[g_discarder]++] = d;
  g_ai_target_yaku[kSeat] = yaku;
  g_ai_target_variant[kSeat] = variant;
  for (int slot = 0; slot < kChowCandidates; ++slot) {
    g_ai_chow_candidates[kSeat][slot] = pick(rng, 3) == 0 ? std::array{27, 31, 33, 35, 49}[pick(rng, 5)] : 0;
    g_ai_chow_candidate_variants[kSeat][slot] = pick(rng, 60);
  }
  return aim;
}

// Everything a rule must leave as it found it, as one list of words.
std::vector<int> untouched() {
  std::vector<int> w(g_hand[kSeat], g_hand[kSeat] + kHandSlots);
  w.insert(w.end(), g_melds[kSeat], g_melds[kSeat] + kMeldSlots);
  w.insert(w.end(), {g_ai_target_yaku[kSeat], g_ai_target_variant[kSeat]});
  w.insert(w.end(), g_ai_chow_candidates[kSeat], g_ai_chow_candidates[kSeat] + kChowCandidates);
  w.insert(w.end(), g_ai_chow_candidate_variants[kSeat], g_ai_chow_candidate_variants[kSeat] + kChowCandidates);
  for (const int* counts : {g_hand_counts, g_visible_counts, g_seen_counts}) w.insert(w.end(), counts, counts + kTileCodes);
  return w;
}

class ChowClaimInvariants : public ClaimTest {};

TEST_F(ChowClaimInvariants, HoldOverRandomStates) {
  std::mt19937 rng(20261121);
  std::array<int, 4> calls{};
  for (int state = 0; state < 40000; ++state) {
    SetUp();
    const Aim& aim = kAims[random_state(rng)];
    for (const Aim& rule : kAims) {
      SCOPED_TRACE("state " + std::to_string(state) + ", target " + std::to_string(aim.yaku) + ", rule of " +
                   std::to_string(rule.yaku));
      g_naki_tile = 0;
      count_visible_tiles(kSeat);  // as run() counts for the rule
      count_hand_tiles(kSeat);
      const std::vector<int> before = untouched();
      const ClaimResult claim = run(rule.rule);
      count_visible_tiles(kSeat);  // a fresh count of the table
      ASSERT_EQ(untouched(), before);
      ASSERT_LE(std::count(g_naki_flags[kSeat], g_naki_flags[kSeat] + 4, 1), 1);
      ASSERT_TRUE(claim.call == 0 || (rule.rule == aim.rule && claim.motive == aim.yaku));
      const bool stores = rule.yaku == aim.yaku && (aim.yaku == 53 || aim.yaku == 65);
      ASSERT_EQ(g_naki_tile, stores ? latest_discard_tile() : 0);
      ++calls[claim.call];
    }
  }
  // The states must bring every kind of call, chows most.
  EXPECT_GE(calls[kNakiPung], 500);
  EXPECT_GE(calls[kNakiChow], 600);
  EXPECT_GE(calls[kNakiKong], 1);
}

}  // namespace

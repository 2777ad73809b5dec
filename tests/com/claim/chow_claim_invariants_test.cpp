// Over seeded random claim states (hands built of runs, pairs and singles,
// declared chows, pungs and kongs, any of the rules' targets with variants in
// and past their ranges, candidates, discards from every other seat): each
// chow-pattern and fixed-layout rule leaves hand, melds, counts and target
// record as it found them, sets at most one flag, only with a decision that
// names the target and that the table keeps, and stores the discard only
// where its rule does.
#include <algorithm>
#include <array>
#include <random>
#include <string>

#include "com/claim/chow_claim_case.h"
#include "com/claim/claim_rules.h"
#include "table/claim_actions.h"

namespace chow_claims {
namespace {

struct Aim {
  int yaku;
  void (*rule)(int seat);
  int variant_range;  // variants drawn from 0 to this, some past the selector's
};
constexpr std::array<Aim, 11> kAims{{{27, naki_chow_patterns, 65},
                                     {33, naki_chow_patterns, 8},
                                     {35, naki_chow_patterns, 6},
                                     {47, naki_chow_patterns, 28},
                                     {49, naki_chow_patterns, 3},
                                     {43, naki_knitted_straight, 6},
                                     {48, naki_three_suited_terminal_chows, 3},
                                     {53, naki_pure_triple_chow, 28},
                                     {62, naki_four_pure_shifted_chows, 25},
                                     {65, naki_quadruple_chow, 28},
                                     {68, naki_pure_terminal_chows, 3}}};

int pick(std::mt19937& rng, int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); }

class RandomState {
 public:
  explicit RandomState(std::mt19937& rng) : rng_(rng) {}

  // Seat 1's hand, melds and aim and another seat's discard; the aim's index.
  int build() {
    reset_program_state();
    suits_ = 1 + pick(rng_, 3);
    for (int m = pick(rng_, 4) == 0 ? 1 + pick(rng_, 2) : 0; m > 0; --m) add_random_meld();
    const int free_tiles = kDrawSlot - 3 * static_cast<int>(std::count_if(g_melds[kSeat], g_melds[kSeat] + kMeldSlots, [](int c) { return c != 0; }));
    std::vector<int> tiles;
    while (static_cast<int>(tiles.size()) < free_tiles) add_group(tiles, free_tiles);
    std::copy(tiles.begin(), tiles.end(), std::find(g_hand[kSeat], g_hand[kSeat] + kHandSlots, 0));
    sort_hand_slots(g_hand[kSeat]);
    pending_ = kong_fourths_;
    g_seat_state[kSeat].open_naki_count = pick(rng_, 8) == 0;
    g_discarder = std::array{0, 2, 3}[pick(rng_, 3)];
    int d = pick(rng_, 3) == 0 ? random_tile() : tiles[pick(rng_, free_tiles)] + (pick(rng_, 2) == 0 ? pick(rng_, 5) - 2 : 0);
    if (!is_playing_tile(d) || used(d) >= 4) d = random_tile();
    g_river[g_discarder][g_river_count[g_discarder]++] = d;
    const int aim = pick(rng_, kAims.size());
    g_ai_target_yaku[kSeat] = kAims[aim].yaku;
    g_ai_target_variant[kSeat] = pick(rng_, kAims[aim].variant_range + 1);
    for (int slot = 0; slot < kChowCandidates; ++slot) {
      g_ai_chow_candidates[kSeat][slot] = pick(rng_, 3) == 0 ? std::array{27, 31, 33, 35, 49}[pick(rng_, 5)] : 0;
      g_ai_chow_candidate_variants[kSeat][slot] = pick(rng_, 60);
    }
    count_visible_tiles(kSeat);
    count_hand_tiles(kSeat);
    return aim;
  }

 private:
  int random_suited() { return make_tile(pick(rng_, suits_), 1 + pick(rng_, 9)); }
  int random_tile() {
    for (;;) {
      const int t = pick(rng_, 6) == 0 ? kEast + pick(rng_, 7) : random_suited();
      if (used(t) < 4) return t;
    }
  }
  int used(int tile) const {
    int n = 0;
    for (int slot : g_hand[kSeat]) n += tile_of(slot) == tile;
    return n + pending_[tile];
  }
  void add_random_meld() {
    const int kind = std::array{kMeldChow, kMeldChow, kMeldPung, kMeldConcealedKong}[pick(rng_, 4)];
    const int tile = kind == kMeldChow ? make_tile(pick(rng_, suits_), 1 + pick(rng_, 7)) : random_tile();
    for (int i = 0; i < 3; ++i)
      if (used(kind == kMeldChow ? tile + i : tile) + (kind == kMeldChow ? 1 : 4) > 4) return;
    add_meld(kSeat, kind, tile);
    if (kind == kMeldConcealedKong) pending_[tile] = ++kong_fourths_[tile];
  }
  // A run, a pair or a single, as far as copies and room allow.
  void add_group(std::vector<int>& tiles, int room) {
    const int shape = pick(rng_, 3);
    const int start = shape == 0 ? make_tile(pick(rng_, suits_), 1 + pick(rng_, 7)) : random_tile();
    std::vector<int> group = shape == 0 ? std::vector{start, start + 1, start + 2} : std::vector<int>(shape == 1 ? 2 : 1, start);
    for (int t : group) {
      if (static_cast<int>(tiles.size()) == room || used(t) >= 4) break;
      tiles.push_back(t);
      ++pending_[t];
    }
  }

  std::mt19937& rng_;
  int suits_ = 3;
  std::array<int, kTileCodes> pending_{};       // copies placed but not in the hand's slots
  std::array<int, kTileCodes> kong_fourths_{};  // the fourth tile of each concealed kong
};

struct Snapshot {
  std::array<int, kHandSlots> hand{};
  std::array<int, kMeldSlots> melds{};
  std::array<int, 2 + 2 * kChowCandidates> aim{};
  std::array<int, 3 * kTileCodes> counts{};
  bool operator==(const Snapshot&) const = default;
};

Snapshot snapshot() {
  Snapshot s;
  std::copy(g_hand[kSeat], g_hand[kSeat] + kHandSlots, s.hand.begin());
  std::copy(g_melds[kSeat], g_melds[kSeat] + kMeldSlots, s.melds.begin());
  s.aim[0] = g_ai_target_yaku[kSeat];
  s.aim[1] = g_ai_target_variant[kSeat];
  std::copy(g_ai_chow_candidates[kSeat], g_ai_chow_candidates[kSeat] + kChowCandidates, s.aim.begin() + 2);
  std::copy(g_ai_chow_candidate_variants[kSeat], g_ai_chow_candidate_variants[kSeat] + kChowCandidates, s.aim.begin() + 7);
  std::copy(g_hand_counts, g_hand_counts + kTileCodes, s.counts.begin());
  std::copy(g_visible_counts, g_visible_counts + kTileCodes, s.counts.begin() + kTileCodes);
  std::copy(g_seen_counts, g_seen_counts + kTileCodes, s.counts.begin() + 2 * kTileCodes);
  return s;
}

TEST(ChowClaimInvariants, HoldOverRandomStates) {
  std::mt19937 rng(20261121);
  std::array<int, 4> calls{};
  for (int state = 0; state < 20000; ++state) {
    const int aim = RandomState(rng).build();
    for (const Aim& other : kAims) {
      SCOPED_TRACE("state " + std::to_string(state) + ", target " + std::to_string(kAims[aim].yaku) + ", rule of " +
                   std::to_string(other.yaku));
      for (auto& row : g_naki_flags) std::fill(std::begin(row), std::end(row), 0);
      g_naki_tile = 0;
      const Snapshot before = snapshot();
      const Claim claim = run(other.rule);
      count_visible_tiles(kSeat);
      ASSERT_EQ(snapshot(), before);
      ASSERT_LE(std::count(g_naki_flags[kSeat], g_naki_flags[kSeat] + 4, 1), 1);
      if (claim.call != 0) {
        ASSERT_EQ(other.rule, kAims[aim].rule);
      }
      const bool stores = other.yaku == kAims[aim].yaku && (other.yaku == 53 || other.yaku == 65);
      ASSERT_EQ(g_naki_tile, stores ? latest_discard_tile() : 0);
      ++calls[claim.call];
    }
  }
  // The states must bring every kind of call, chows most.
  EXPECT_GE(calls[kNakiPung], 100);
  EXPECT_GE(calls[kNakiChow], 200);
  EXPECT_GE(calls[kNakiKong], 5);
}

}  // namespace
}  // namespace chow_claims

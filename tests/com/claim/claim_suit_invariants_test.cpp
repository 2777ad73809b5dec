// Seeded random claim states for the one-suit and tile-range rules: hands
// leaning to the aimed suit or range, declared melds, visible tiles,
// discards from every other seat. Every run keeps the claim-rule contract
// (the fixture's run checks it) and stores the discard.
#include <random>
#include <string>

#include "base/seat_eval.h"
#include "com/claim/claim_rules.h"
#include "com/claim/suit_claim_fixture.h"

namespace {

struct Aim {
  int yaku;
  void (*rule)(int seat);
};
constexpr Aim kAims[] = {{31, naki_one_suit},    {55, naki_one_suit},      {75, naki_one_suit},
                         {79, naki_one_suit},    {61, naki_lower_tiles},   {59, naki_upper_tiles},
                         {60, naki_middle_tiles}};

class SuitClaimStates : public SuitClaimTest {
 protected:
  int pick(int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); }

  // A tile with a copy left, leaning to the suit (or, with no suit, the ranks low..high).
  int tile(int suit, int low, int high) {
    for (;;) {
      const int roll = pick(10);
      int t = roll < 6 ? make_tile(suit < 0 ? pick(3) : suit, low + pick(high - low + 1))
              : roll < 8 ? kEast + pick(7)
                         : make_tile(pick(3), 1 + pick(9));
      if (used[t] < 4) return ++used[t], t;
    }
  }

  void random_state(const Aim& aim_at) {
    SuitClaimTest::SetUp();
    used.fill(0);
    const int suit = pick(3);
    const int low = aim_at.yaku == 61 ? 1 : aim_at.yaku == 59 ? 6 : aim_at.yaku == 60 ? 4 : 1;
    const int high = aim_at.yaku == 61 ? 4 : aim_at.yaku == 59 ? 9 : aim_at.yaku == 60 ? 6 : 9;
    const int lean = low == 1 && high == 9 ? suit : -1;
    aim(aim_at.yaku, aim_at.yaku == 75 ? 10 * suit + 1 + pick(3) : lean < 0 ? 0 : suit);
    const int melds = pick(3);
    std::vector<int> hand;
    for (int i = 0; i < 13 - 3 * melds; ++i) hand.push_back(tile(lean, low, high));
    const int discard = tile(lean, low, high);
    const int from = (kSeat + 1 + pick(3)) % kSeats;
    deal(hand, discard, from);
    for (int m = 0; m < melds; ++m) {
      const int t = tile(lean, low, std::min(high, 7));
      if (is_suited(t) && rank_of(t) <= 7 && pick(2) == 0 && used[t + 1] < 4 && used[t + 2] < 4) {
        ++used[t + 1], ++used[t + 2];
        add_meld(kSeat, kMeldChow, t, 0);
      } else if (used[t] <= 2) {
        const int kind = used[t] == 1 && pick(4) == 0 ? kMeldConcealedKong : kMeldPung;
        used[t] += kind == kMeldPung ? 2 : 3;
        add_meld(kSeat, kind, t, kind == kMeldPung ? 0 : 1);
      }
    }
    for (int i = pick(12); i > 0; --i) {
      const int seat = (from + 1 + pick(3)) % kSeats;
      if (seat != kSeat) g_river[seat][g_river_count[seat]++] = tile(-1, 1, 9);
    }
    refresh_hand_evaluations();
    recount();
  }

  std::mt19937 rng{20261109};
  std::array<int, kTileCodes> used{};
};

TEST_F(SuitClaimStates, KeepTheContractAndDecideOften) {
  int decisions = 0;
  for (int state = 0; state < 1500; ++state) {
    const Aim& aim_at = kAims[state % std::size(kAims)];
    random_state(aim_at);
    g_hai_table_loaded = state % 2;  // without the table the shapes and leftovers decide
    SCOPED_TRACE("state " + std::to_string(state) + ", target " + std::to_string(aim_at.yaku));
    decisions += run(aim_at.rule).call != 0;
    EXPECT_EQ(g_naki_tile, g_river[g_discarder][g_river_count[g_discarder] - 1]);
    if (HasFailure()) break;
  }
  EXPECT_GT(decisions, 100) << "the states must bring decisions";
}

}  // namespace

// The outside-hand, all-types, flush, seven-pairs, honours-and-knitted and
// thirteen-orphans choosers on seeded random table states: the chooser
// contract on every run (checked by run_chooser), the gate, and what each
// chooser may never throw.
#include <algorithm>
#include <array>
#include <random>
#include <vector>

#include "base/ai_record.h"
#include "base/table_state.h"
#include "base/visible.h"
#include "com/aimed/aimed_rules.h"
#include "com/target/com_target.h"
#include "com/turn/planner_state.h"
#include "support/chooser_fixture.h"
#include "support/hand_builder.h"

namespace {

struct Entry {
  const char* name;
  Chooser rule;
  std::vector<int> ids;  // the targets it answers to
};

const Entry kChoosers[] = {
    {"outside", [](int s, int) { discard_outside_hand(s); }, {23}},
    {"all types", [](int s, int) { discard_all_types(s); }, {30}},
    {"half flush", discard_half_flush, {31}},
    {"full flush", discard_full_flush, {55, 62, 65, 66}},
    {"seven pairs", [](int s, int) { discard_seven_pairs(s); }, {56}},
    {"honours and knitted", [](int s, int) { discard_greater_honours_knitted(s); }, {57}},
    {"thirteen orphans", [](int s, int) { discard_thirteen_orphans(s); }, {77}},
};
constexpr std::array<int, 13> kTargets{23, 30, 31, 55, 56, 57, 62, 65, 66, 77, 0, 28, 40};

class AimedChooserProperties : public ChooserTest {
 protected:
  std::mt19937 rng{20260714};
  int roll(int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); }

  int random_variant(int target) {
    if (target == 62 || target == 65 || target == 66) return 10 * roll(3) + 1 + roll(7);
    if (target == 56) return roll(14);
    return target == 57 || target == 77 ? roll(6) : roll(3);
  }

  // A legal hand, sometimes with a declared meld; visible copies within
  // what is left; a pool with some tiles kept; the target with a variant
  // that is now and then out of range.
  void random_state() {
    SetUp();
    std::vector<int> tiles;
    for (int t : kPlayingTiles)
      for (int k = 0; k < 4; ++k) tiles.push_back(t);
    std::shuffle(tiles.begin(), tiles.end(), rng);
    const bool meld = roll(4) == 0;
    int* hand = g_hand[kSeat];
    std::fill(hand, hand + kHandSlots, 0);
    std::copy(tiles.begin(), tiles.begin() + (meld ? 11 : 13 + roll(2)), hand);
    sort_hand_slots(hand);
    count_hand_tiles(kSeat);
    if (meld) {
      const int tile = *std::find_if(tiles.begin() + 11, tiles.end(), [](int t) { return g_hand_counts[t] == 0; });
      add_meld(kSeat, is_suited(tile) && rank_of(tile) <= 7 && roll(2) == 0 ? kMeldChow : kMeldPung, tile);
      g_seat_state[kSeat].naki_count = 1;
    }
    build_work_hand(kSeat);
    for (int& slot : g_ai_work_hand)
      if (roll(5) == 0) slot = 0;
    for (int t : kPlayingTiles) {
      const int left = 4 - g_hand_counts[t];
      g_visible_counts[t] = roll(3) == 0 ? left : roll(left + 1);
      g_seen_counts[t] = g_visible_counts[t] + g_hand_counts[t];
    }
    SeatAiRecord& ai = AI[kSeat];
    ai.min_shanten = roll(4);
    for (int& d : ai.hai_syanten) d = ai.min_shanten + (roll(3) == 0 ? 1 : 0);
    ai.best_blocks = 3 + roll(4);
    const int target = kTargets[roll(static_cast<int>(kTargets.size()))];
    set_target(target, roll(10) == 0 ? roll(80) - 5 : random_variant(target));
    g_dealer = roll(4);
    g_round_wind = roll(4);
  }
};

// The kept suit of a flush target with a valid variant, else -1.
int kept_suit(int target, int variant) {
  const int suit = target == 31 || target == 55 ? variant : variant / 10;
  return variant >= 0 && suit <= 2 ? suit : -1;
}

TEST_F(AimedChooserProperties, EveryRunKeepsTheContract) {
  std::array<int, std::size(kChoosers)> fired{};
  for (int round = 0; round < 2500; ++round) {
    random_state();
    std::array<int, kHandSlots> pool{};
    std::copy(std::begin(g_ai_work_hand), std::end(g_ai_work_hand), pool.begin());
    const int target = g_ai_target_yaku[kSeat];
    for (size_t c = 0; c < std::size(kChoosers); ++c) {
      const Entry& e = kChoosers[c];
      SCOPED_TRACE(::testing::Message() << e.name << ", round " << round << ", target " << target << "/"
                                        << g_ai_target_variant[kSeat] << ", hand "
                                        << format_tiles(g_hand[kSeat], kHandSlots));
      std::copy(pool.begin(), pool.end(), g_ai_work_hand);
      const Proposals p = run_chooser(e.rule, roll(2));
      if (std::find(e.ids.begin(), e.ids.end(), target) == e.ids.end()) {
        EXPECT_TRUE(p.tiles.empty()) << "a chooser acted for another target";
        continue;
      }
      if (!p.tiles.empty()) ++fired[c];
      const int suit = kept_suit(target, g_ai_target_variant[kSeat]);
      for (int tile : p.tiles) {
        const bool flush = c == 2 || c == 3;
        EXPECT_FALSE(flush && is_suited(tile) && suit_of(tile) == suit) << "threw the kept suit";
        EXPECT_FALSE(c == 4 && g_hand_counts[tile] % 2 == 0) << "broke a pair";
      }
      if (::testing::Test::HasFailure()) return;
    }
  }
  for (size_t c = 0; c < std::size(kChoosers); ++c) EXPECT_GT(fired[c], 100) << kChoosers[c].name;
}

}  // namespace

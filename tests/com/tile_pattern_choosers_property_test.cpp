// Every chooser of the pung, tile-range, tile-set and one-suit template
// patterns over seeded random seats: the chooser contract (checked by
// run_chooser), the gate, what each chooser never throws, and that all fives
// and nine gates put the pool back when they find nothing.
#include <algorithm>
#include <array>
#include <random>
#include <vector>

#include "com/aimed/aimed_rules.h"
#include "com/target/com_target.h"
#include "com/turn/planner_state.h"
#include "base/ai_record.h"
#include "base/visible.h"
#include "support/chooser_fixture.h"
#include "support/hand_builder.h"

namespace {

struct Entry {
  int yaku;
  Chooser rule;
  bool restores;                         // finding nothing leaves the pool as it was
  bool (*never)(int tile, int variant);  // a tile the chooser never throws
};

bool rank_in(int tile, int low, int high) { return is_suited(tile) && rank_of(tile) >= low && rank_of(tile) <= high; }
int held(int tile) { return g_hand_counts[tile]; }
bool none(int, int) { return false; }

const Entry kChoosers[] = {
    {28, [](int s, int) { discard_all_pungs(s); }, false, [](int t, int) { return held(t) == 3; }},
    {40, [](int s, int) { discard_chicken_hand(s); }, false, [](int t, int) { return is_honour(t) && held(t) == 2; }},
    {41, [](int s, int) { discard_reversible_tiles(s); }, false,
     [](int t, int) {
       return (t >= 13 && t <= 15) || (t >= 24 && t <= 26) || ((t == 18 || t == 19 || t == 28 || t == 29) && held(t) != 4);
     }},
    {52, [](int s, int) { discard_all_fives(s); }, true, none},
    {58, [](int s, int) { discard_all_even_pungs(s); }, false, none},
    {59, [](int s, int) { discard_upper_tiles(s); }, false, [](int t, int) { return rank_in(t, 6, 9); }},
    {60, [](int s, int) { discard_middle_tiles(s); }, false, [](int t, int) { return rank_in(t, 4, 6); }},
    {61, [](int s, int) { discard_lower_tiles(s); }, false, [](int t, int) { return rank_in(t, 1, 4); }},
    {63, [](int s, int) { discard_all_terminals_and_honours(s); }, false, none},
    {68, [](int s, int) { discard_pure_terminal_chows(s); }, false,
     [](int t, int v) { return suit_of(t) == v && held(t) < 3 && rank_of(t) != 4 && rank_of(t) != 6; }},
    {70, [](int s, int) { discard_all_honours(s); }, false, none},
    {71, [](int s, int) { discard_four_concealed_pungs(s); }, false, [](int t, int) { return held(t) != 1; }},
    {72, [](int s, int) { discard_all_terminals(s); }, false, [](int t, int) { return held(t) == 3; }},
    {75, [](int s, int) { discard_seven_shifted_pairs(s); }, false,
     [](int t, int v) {
       return suit_of(t) == v / 10 && rank_in(t, v % 10, v % 10 + 6) && held(t) <= 2 && g_visible_counts[t] != 3;
     }},
    {78, [](int s, int) { discard_all_green(s); }, false,
     [](int t, int) { return (t == 22 || t == 23 || t == 24 || t == 26 || t == 28 || t == kGreen) && held(t) != 4; }},
    {79, [](int s, int) { discard_nine_gates(s); }, true, none},
};

// Variants as the selectors store them, now and then one out of range.
int random_variant(std::mt19937& rng, int yaku) {
  if (rng() % 8 == 0) return static_cast<int>(rng() % 50) - 10;
  switch (yaku) {
    case 40: return static_cast<int>(rng() % 12);
    case 68: case 79: return static_cast<int>(rng() % 3);
    case 70: return static_cast<int>(rng() % 2);
    case 75: return static_cast<int>(10 * (rng() % 3) + 1 + rng() % 3);
    default: return 0;
  }
}

class ChooserInvariants : public ChooserTest {
 protected:
  // A seat with up to two declared melds and free tiles drawn from a few
  // kinds of one focus (anything, honours, one suit, ranks 3 to 7), mostly
  // singles and pairs, now and then two triples and four pairs exactly;
  // part of the pool already kept; random visible copies.
  void random_seat(std::mt19937& rng) {
    const int focus = static_cast<int>(rng() % 4);
    const bool shape = rng() % 6 == 0;
    const int melds = shape ? 0 : static_cast<int>(rng() % 3);
    std::vector<int> kinds;
    for (int t : kPlayingTiles)
      if (focus == 0 || (focus == 1 ? !is_suited(t) || rng() % 9 == 0 : focus == 2 ? suit_of(t) == 1 : rank_in(t, 3, 7)))
        kinds.push_back(t);
    std::shuffle(kinds.begin(), kinds.end(), rng);
    std::vector<int> tiles;
    constexpr int kCopies[] = {1, 1, 1, 1, 2, 2, 2, 3, 3, 4};
    for (std::size_t k = 0; tiles.size() < static_cast<std::size_t>(kHandSlots - 3 * melds); k = (k + 1) % kinds.size()) {
      const int copies = shape ? (k < 2 ? 3 : 2) : kCopies[rng() % std::size(kCopies)];
      tiles.insert(tiles.end(), std::min<int>(copies, 4 - std::count(tiles.begin(), tiles.end(), kinds[k])), kinds[k]);
    }
    tiles.resize(kHandSlots - 3 * melds);
    set_hand(format_tiles(tiles));
    for (int m = 0; m < melds; ++m)
      add_meld(kSeat, rng() % 2 ? kMeldPung : kMeldChow, make_tile(rng() % 3, 1 + rng() % 7));
    for (int& tile : g_ai_work_hand)
      if (rng() % 6 == 0) tile = 0;
    for (int t : kPlayingTiles) g_visible_counts[t] = static_cast<int>(rng() % (5 - g_hand_counts[t]));
  }
};

TEST_F(ChooserInvariants, SeededSeats) {
  std::mt19937 rng(20240611);
  for (int round = 0; round < 6000; ++round) {
    SetUp();
    random_seat(rng);
    const Entry& aimed = kChoosers[rng() % std::size(kChoosers)];
    set_target(aimed.yaku, random_variant(rng, aimed.yaku));
    const std::array<int, kHandSlots> pool = std::to_array(g_ai_work_hand);
    for (const Entry& e : kChoosers) {
      const Proposals got = run_chooser(e.rule);
      const bool changed = !std::equal(pool.begin(), pool.end(), g_ai_work_hand);
      if (e.yaku != aimed.yaku) {
        ASSERT_TRUE(got.tiles.empty() && !changed) << e.yaku << " acted for target " << aimed.yaku;
        continue;
      }
      const int variant = g_ai_target_variant[kSeat];
      EXPECT_TRUE(got.tiles.empty() || !e.never(got.tiles.front(), variant)) << e.yaku << " threw " << got.tiles.front();
      EXPECT_TRUE(!e.restores || !got.tiles.empty() || !changed) << e.yaku << " left the pool changed";
      std::copy(pool.begin(), pool.end(), g_ai_work_hand);
    }
  }
}

}  // namespace

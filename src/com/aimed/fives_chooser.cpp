// Chooser of all fives: first the tiles no set with a 5 can use, then trial
// removals of the groups that hold or reach a 5 and a look at what is left.
#include <algorithm>
#include <array>

#include "com/aimed/aimed_rules.h"
#include "com/aimed/chooser_scans.h"

namespace {

constexpr int kAllFives = 52;

// Ranks within a suit.
constexpr std::array<std::array<int, 3>, 3> kFiveChows{{{3, 4, 5}, {5, 6, 7}, {4, 5, 6}}};
constexpr std::array<std::array<int, 2>, 7> kFivePartials{{{3, 4}, {6, 7}, {4, 5}, {5, 6}, {3, 5}, {5, 7}, {4, 6}}};
constexpr std::array<int, 3> kFives{5, 15, 25};

enum Removal : int { kChows = 1, kPungsOfFive = 2, kPartials = 4, kPairsOfFive = 8 };

// Each pass removes fewer groups than the one before; the codes name the
// pass and whether a tile other than a 5 was left. Over every pool of ranks
// 3 to 7 (all that is left after the simple rules) only 40, 41, 51, 21 and 30
// can occur: the other three are kept as the rule numbers them.
struct TrialPass {
  int removals;
  int not_five_code;
  int any_code;
};
constexpr std::array<TrialPass, 4> kTrialPasses{{
    {kChows | kPungsOfFive | kPartials | kPairsOfFive, 40, 41},
    {kChows | kPungsOfFive | kPartials, 50, 51},
    {kChows | kPartials, 20, 21},
    {kChows, 30, 31},
}};

bool is_not_five(int tile) { return is_suited(tile) && rank_of(tile) != 5; }

int pool_copies(int tile) { return static_cast<int>(std::count(g_ai_work_hand, g_ai_work_hand + kHandSlots, tile)); }

// Per suit, each group in list order, as often as the pool holds it whole.
template <std::size_t N, std::size_t M>
void remove_groups(const std::array<std::array<int, N>, M>& groups) {
  for (int suit = kCharacters; suit <= kBamboo; ++suit) {
    for (const auto& group : groups) {
      const auto in_pool = [suit](int rank) { return pool_slot_of(make_tile(suit, rank)) >= 0; };
      const auto whole = [&] { return std::all_of(group.begin(), group.end(), in_pool); };
      while (whole())
        for (int rank : group) keep_copies(make_tile(suit, rank), 1);
    }
  }
}

void apply_removals(int removals) {
  if (removals & kChows) remove_groups(kFiveChows);
  for (int five : kFives)
    if ((removals & kPungsOfFive) && pool_copies(five) >= 3) keep_copies(five, 3);
  if (removals & kPartials) remove_groups(kFivePartials);
  for (int five : kFives)
    if ((removals & kPairsOfFive) && pool_copies(five) == 2) keep_copies(five, 2);
}

bool pick_simple(int seat) {
  if (pick_first(seat, kAllFives, 0, [](int tile) { return is_honour(tile) && held_once(tile); })) return true;
  // A 1 or 9 (then a 2 or 8) held once with no tile of its suit within two
  // ranks: codes 1 and 2 (3 and 4) by the end of the suit it sits at.
  const auto isolated_at = [](int rank) {
    return [rank](int tile, int side) {
      return side_rank(tile, side) == rank && side_run(g_hand_counts, tile, side, -1, {0, 1, 0, 0});
    };
  };
  if (pick_either_side(seat, kAllFives, 1, 2, isolated_at(1))) return true;
  if (pick_either_side(seat, kAllFives, 3, 4, isolated_at(2))) return true;
  if (pick_least_held(seat, kAllFives, 10, is_honour)) return true;
  return each_by_distance(0, 1, [&](int slot, int) { return pick_for(seat, slot, kAllFives, 11); });
}

}  // namespace

void discard_all_fives(int seat) {
  if (!aims_at_any(seat, {kAllFives})) return;
  if (pick_simple(seat)) return;
  const PoolCopy entry;
  for (const TrialPass& pass : kTrialPasses) {
    entry.put_back();
    apply_removals(pass.removals);
    if (pick_first(seat, kAllFives, pass.not_five_code, is_not_five)) return;
    if (pick_first(seat, kAllFives, pass.any_code, any_tile)) return;
  }
  entry.put_back();
}
